// `Tolvane --export`.
#include "qt/cli/run/ExportCommand.h"

#include "qt/cli/run/AnimateCommand.h"
#include "qt/cli/run/AskedShape.h"
#include "qt/cli/parse/Readers.h"
#include "qt/cli/parse/ShapeOptions.h"
#include "qt/cli/run/TerminalProgress.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/generate/MakeMaze.h"
#include "core/code/Recipe.h"
#include "core/search/Texture.h"
#include "core/code/SizedCode.h"
#include "core/shape/make/Mask.h"
#include "core/shape/ShapeMaze.h"
#include "core/platform/Random.h"
#include "core/render/Geometry.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/Export.h"
#include "qt/paper/Facts.h"
#include "qt/paper/Outlines.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/Desktop.h"

namespace tolvane {
namespace {

int Fail(const QString& message, int status)
{
    Print(stderr, QStringLiteral("Tolvane: %1\n").arg(message));
    return status;
}

// The seed of a maze of a shape with a level or a route asked for, drawn among many on its
// graph until one lies within the level's targets or within 2 % of the cells of the route;
// `measured` gets its figures. Nothing when the bounded tries found none.
std::optional<std::uint64_t> SeekShapeSeed(const Options& options, const MazeGraph& graph, const std::optional<Level>& level,
                                           int route, ClockRandom& random, std::optional<Difficulty>& measured)
{
    Passages passages(graph);
    if (level)
        measured = BuildLevelMaze(graph, passages, random, *level);
    else
        measured = BuildRouteMaze(graph, passages, random, options.how.algorithm, route,
                                  std::max(1, graph.CellCount() * 2 / 100));
    return measured ? random.LastSeed() : std::nullopt;
}

// The level asked for on a shape: its measured row, or on a word's outline the targets its own
// mazes have.
std::optional<Level> LevelOfShape(const Options& options, const MazeGraph& graph, ClockRandom& random)
{
    if (!options.level)
        return std::nullopt;
    if (options.shape->kind != ShapeKind::Outline)
        return LevelOn(options.shape->kind, *options.level);
    Level level = LevelMeasuredOn(graph, *LevelNumbered(*options.level), random);
    level.size = options.shape->size;
    return level;
}

// A word at a level: its letters as tall as give about as many cells as the level's rectangle.
// The reason when the word cannot have them.
std::optional<QString> SizeWordForLevel(Options& options)
{
    if (!options.level || !options.shape || options.shape->kind != ShapeKind::Outline)
        return std::nullopt;
    const Level level = *LevelNumbered(*options.level);
    const QString word = QString::fromStdString(options.shape->word);
    const auto height = WordHeightFor(word, level.size.Cells());
    if (!height)
        return QCoreApplication::translate("Export", "the font has no letters for %1").arg(word);
    options.shape->size = {*height, *height};
    const long long cells = ShapeOfChoice(*options.shape)->graph.CellCount();
    if (2 * cells > 3 * level.size.Cells())
        return QCoreApplication::translate("Export", "%1 has %2 cells even with letters %3 cells tall, and level %4 has "
                                                     "about %5: choose a shorter word or a higher level")
            .arg(word)
            .arg(cells)
            .arg(*height)
            .arg(level.number)
            .arg(level.size.Cells());
    return std::nullopt;
}

bool Sought(const Options& options) { return options.level || !options.routeAsked.isEmpty() || options.hard; }

// The mazes to write, by their seeds; a level's are drawn until they fall inside its band, and
// those with a route asked for until their route is within 2 % of the cells of it. Nothing when
// no maze was found in the bounded number of tries (see BuildLevelMaze), or, with `problem`
// said, when a shape's route cannot be had.
std::optional<std::vector<Puzzle>> MakePuzzles(const Options& options, QString& problem)
{
    std::vector<Puzzle> puzzles;
    ClockRandom random;
    const auto level = options.level ? LevelNumbered(*options.level) : std::nullopt;
    if (!options.mazes.empty()) {
        // A code names how its maze was built and its shape too: each keeps its own.
        for (const Recipe& maze : options.mazes) {
            Puzzle puzzle{maze.seed, maze.size, QString::fromStdString(FormatRecipeCode(maze)), std::nullopt, 0, maze.how};
            if (maze.shape != ShapeKind::Rectangle)
                puzzle.shape = ShapeChoice{maze.shape, maze.size, maze.word};
            puzzles.push_back(puzzle);
        }
        return puzzles;
    }
    // A shape whose mazes are sought: its graph, built once, and the route in its cells.
    std::optional<Shape> sought;
    std::optional<Level> shapeLevel;
    int shapeRoute = 0;
    if (options.shape && Sought(options)) {
        sought = ShapeOfChoice(*options.shape);
        if (!sought || sought->graph.CellCount() < 2) {
            problem = QCoreApplication::translate("Export", "the font has no letters for %1").arg(QString::fromStdString(options.shape->word));
            return std::nullopt;
        }
        const ShapeRoute route = RouteOnShape(options, sought->graph);
        if (!route.problem.isEmpty()) {
            problem = route.problem;
            return std::nullopt;
        }
        shapeRoute = route.cells;
        shapeLevel = LevelOfShape(options, sought->graph, random);
    }
    MazeState scratch(options.size);
    const int tolerance = static_cast<int>(std::max<long long>(1, options.size.Cells() * 2 / 100));
    for (int i = 0; i < options.count; ++i) {
        Puzzle puzzle{0, options.size, {}, std::nullopt, 0, options.how, options.shape};
        if (options.shape) {
            if (sought) {
                const auto seed = SeekShapeSeed(options, sought->graph, shapeLevel, shapeRoute, random, puzzle.measured);
                if (!seed)
                    return std::nullopt;
                puzzle.seed = *seed;
                puzzle.level = options.level.value_or(0);
            } else {
                random.Randomize();
                puzzle.seed = *random.LastSeed();
            }
            puzzle.size = options.shape->size;
            const Recipe recipe{.shape = options.shape->kind, .size = options.shape->size, .word = options.shape->word,
                                .how = options.how, .seed = puzzle.seed};
            puzzle.code = QString::fromStdString(FormatRecipeCode(recipe));
            puzzles.push_back(puzzle);
            continue;
        }
        if (level) {
            puzzle.measured = BuildLevelMaze(scratch, random, *level);
            puzzle.level = level->number;
            puzzle.how = level->How();
            puzzle.seed = *random.LastSeed();
            if (!puzzle.measured)
                return std::nullopt;
        } else if (options.route) {
            puzzle.measured = BuildRouteMaze(scratch, random, options.how.algorithm, *options.route, tolerance);
            puzzle.seed = *random.LastSeed();
            if (!puzzle.measured)
                return std::nullopt;
        } else {
            // New mazes get their seeds the way the window's clicks do.
            random.Randomize();
            puzzle.seed = *random.LastSeed();
        }
        puzzle.code = QString::fromStdString(FormatRecipeCode({.size = puzzle.size, .how = puzzle.how, .seed = puzzle.seed}));
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

QString NoMazeFoundText()
{
    return QCoreApplication::translate("Export", "no maze with the route asked for was found in %1 tries; ask for "
                                                 "another route")
        .arg(200);
}

int NoMazeFound() { return Fail(NoMazeFoundText(), 1); }

// A maze of a shape's code, how it was built and its facts, on standard output.
void PrintShapeFacts(const QString& code, const ShapeMaze& maze, const BuildChoice& how)
{
    QString text = QCoreApplication::translate("Export", "Maze %1: %2 cells, %3\n")
                       .arg(code.isEmpty() ? QStringLiteral("-") : code)
                       .arg(maze.shape.graph.CellCount())
                       .arg(HowText(how));
    for (const QString& line : FactLines(MeasureTexture(maze)))
        text += QStringLiteral("  %1\n").arg(line);
    Print(stdout, text);
}

// Each maze's code, how it was built and its facts, on standard output.
void PrintFacts(const std::vector<Puzzle>& puzzles)
{
    for (const Puzzle& puzzle : puzzles) {
        if (puzzle.shape) {
            PrintShapeFacts(puzzle.code, BuildShapeMaze(*ShapeOfChoice(*puzzle.shape), puzzle.how, puzzle.seed), puzzle.how);
            continue;
        }
        const MazeState maze = MazeFromRecipe(puzzle.seed, puzzle.size, puzzle.how);
        QString text = QCoreApplication::translate("Export", "Maze %1: %2 x %3 cells, %4\n")
                           .arg(puzzle.code)
                           .arg(puzzle.size.width)
                           .arg(puzzle.size.height)
                           .arg(HowText(puzzle.how));
        for (const QString& line : FactLines(MeasureTexture(maze)))
            text += QStringLiteral("  %1\n").arg(line);
        Print(stdout, text);
    }
}


// A word whose font has none of its letters has no maze to print.
std::optional<QString> UnshapedPuzzle(const std::vector<Puzzle>& puzzles)
{
    for (const Puzzle& puzzle : puzzles)
        if (puzzle.shape) {
            const std::optional<Shape> shape = ShapeOfChoice(*puzzle.shape);
            if (!shape || shape->graph.CellCount() < 2)
                return QCoreApplication::translate("Export", "the font has no letters for %1")
                    .arg(QString::fromStdString(puzzle.shape->word));
        }
    return std::nullopt;
}

}  // namespace


namespace {

// A maze of another shape: built from its seed (a new one unless a code gave it), written alone.
int RunShapeExport(const Options& options, FileFormat format)
{
    if (options.pngCell > 0 && format != FileFormat::Png)
        return Fail(QCoreApplication::translate("Export", "--png-cell needs a PNG file"), 2);
    QString error;
    std::optional<Shape> shape = AskedShape(options, error);
    if (!shape)
        return Fail(error, 2);
    const ShapeChoice& asked = *options.shape;
    if (options.pngCell > 0 && ShapePngUnit(*shape, options.pngCell) != options.pngCell) {
        const QSize pixels = ShapePicturePixels(*shape, options.pngCell);
        return Fail(QCoreApplication::translate("Export", "a PNG of this maze at %1 pixels a cell would have %2 million pixels; "
                                                          "at most %3 million fit, at %4 pixels a cell: choose a smaller "
                                                          "--png-cell, or a PDF or SVG")
                        .arg(options.pngCell)
                        .arg(static_cast<double>(pixels.width()) * pixels.height() / 1e6, 0, 'f', 1)
                        .arg(kLargestPngPixels / 1e6, 0, 'f', 1)
                        .arg(ShapePngUnit(*shape, options.pngCell)),
                    2);
    }
    ClockRandom random;
    std::uint64_t seed = 0;
    if (options.seed) {
        seed = *options.seed;
    } else if (Sought(options)) {
        const ShapeRoute route = RouteOnShape(options, shape->graph);
        if (!route.problem.isEmpty())
            return Fail(route.problem, 2);
        std::optional<Difficulty> measured;
        const auto found = SeekShapeSeed(options, shape->graph, LevelOfShape(options, shape->graph, random), route.cells,
                                         random, measured);
        if (!found)
            return NoMazeFound();
        seed = *found;
    } else {
        random.Randomize();
        seed = *random.LastSeed();
    }
    const ShapeMaze maze = BuildShapeMaze(std::move(*shape), options.how, seed);
    const Recipe recipe{.shape = asked.kind, .size = asked.size, .word = asked.word, .how = options.how, .seed = seed};
    const QString code = options.maskFile.isEmpty() ? QString::fromStdString(FormatRecipeCode(recipe)) : QString();
    const Sheet sheet{&maze, code, options.solution ? Answer::Shown : Answer::Hidden};
    if (const auto error = WriteSheets(options.exportFile, {sheet}, 1.0, options.pngCell))
        return Fail(*error, 1);
    if (options.facts)
        PrintShapeFacts(code, maze, options.how);
    return 0;
}

}  // namespace

int RunFacts(const Options& given)
{
    Options options = given;
    if (const auto problem = SizeWordForLevel(options))
        return Fail(*problem, 2);
    QString problem;
    const auto puzzles = MakePuzzles(options, problem);
    if (!puzzles)
        return problem.isEmpty() ? NoMazeFound() : Fail(problem, 2);
    PrintFacts(*puzzles);
    return 0;
}

WorksheetPlan PlanWorksheet(const Options& given)
{
    Options options = given;
    if (const auto problem = SizeWordForLevel(options))
        return {std::nullopt, *problem, 2};
    QString problem;
    const auto made = MakePuzzles(options, problem);
    if (!made)
        return problem.isEmpty() ? WorksheetPlan{std::nullopt, NoMazeFoundText(), 1} : WorksheetPlan{std::nullopt, problem, 2};
    if (const auto bad = UnshapedPuzzle(*made))
        return {std::nullopt, *bad, 2};
    Worksheet sheet{*made,           options.title,  true, options.perPage, options.paper.value_or(LocalePaper()),
                    options.solution, options.copies, options.tiling};
    // A child's sheet has a line for a name over every maze; a poster only when asked.
    sheet.nameLine = options.nameLine.value_or(!IsPoster(sheet) && !sheet.tiling.Tiled());
    if (const auto bad = WorksheetProblem(sheet))
        return {std::nullopt, *bad, 2};
    return {std::move(sheet), {}, 0};
}

int RunExport(const Options& given)
{
    Options options = given;
    if (const auto problem = SizeWordForLevel(options))
        return Fail(*problem, 2);
    if (!options.animateFile.isEmpty())
        return RunAnimate(options);
    const auto format = FormatOf(options.exportFile);
    if (!format)
        return Fail(QCoreApplication::translate("Export", "%1: unknown file type; the name must end in .png, .svg or .pdf")
                        .arg(options.exportFile),
                    2);
    if (options.count > 1 && format != FileFormat::Pdf)
        return Fail(QCoreApplication::translate("Export", "--count needs a PDF file: a PNG or SVG file holds one maze"), 2);
    if (options.mazes.size() > 1 && format != FileFormat::Pdf)
        return Fail(QCoreApplication::translate("Export", "several codes need a PDF file: a PNG or SVG file holds one maze"), 2);
    if (format != FileFormat::Pdf && (options.perPage != 1 || !options.title.isEmpty() || options.nameLine || options.paper ||
                                      options.copies != 1 || options.tiling.Tiled()))
        return Fail(QCoreApplication::translate("Export", "--per-page, --title, --name-line, --no-name-line, --copies, "
                                                          "--paper and --tile need a PDF file"),
                    2);
    // A shape alone is one picture; on a worksheet (several, copies, more to a page, a title,
    // name lines, a poster across sheets, or a level, whose cells are kept as wide on one maze's
    // page as on several) it is one maze of a PDF like any other.
    const bool worksheet = format == FileFormat::Pdf &&
                           (options.count > 1 || options.copies > 1 || options.perPage > 1 || !options.title.isEmpty() ||
                            options.nameLine || options.paper || options.tiling.Tiled() || options.level);
    if (options.shape && !worksheet)
        return RunShapeExport(options, *format);
    if (options.pngCell > 0 && format != FileFormat::Png)
        return Fail(QCoreApplication::translate("Export", "--png-cell needs a PNG file"), 2);
    const long long pngPixels = (static_cast<long long>(options.size.width) * options.pngCell + 1) *
                                (static_cast<long long>(options.size.height) * options.pngCell + 1);
    if (options.pngCell > 0 && pngPixels > kLargestPngPixels)
        return Fail(QCoreApplication::translate("Export", "a PNG of %1x%2 cells at %3 pixels a cell would have %4 million "
                                                          "pixels; at most %5 million fit: choose a smaller --png-cell, or "
                                                          "a PDF or SVG")
                        .arg(options.size.width)
                        .arg(options.size.height)
                        .arg(options.pngCell)
                        .arg(pngPixels / 1e6, 0, 'f', 1)
                        .arg(kLargestPngPixels / 1e6, 0, 'f', 1),
                    2);

    if (format == FileFormat::Pdf) {
        const WorksheetPlan plan = PlanWorksheet(options);
        if (!plan.sheet)
            return Fail(plan.problem, plan.status);
        TerminalProgress progress(QFileInfo(options.exportFile).fileName());
        const auto error = WriteWorksheet(options.exportFile, *plan.sheet, &progress);
        progress.Wipe();
        if (error)
            return Fail(*error, 1);
        if (options.facts)
            PrintFacts(plan.sheet->puzzles);
        return 0;
    }
    QString problem;
    const auto made = MakePuzzles(options, problem);
    if (!made)
        return problem.isEmpty() ? NoMazeFound() : Fail(problem, 2);
    const std::vector<Puzzle>& puzzles = *made;
    if (const auto bad = UnshapedPuzzle(puzzles))
        return Fail(*bad, 2);
    const Puzzle& puzzle = puzzles.front();
    if (puzzle.shape)
        return RunShapeExport(options, *format);  // one code of a shape, as a PNG or SVG
    const ShapeMaze maze = PictureMazeOf(MazeFromRecipe(puzzle.seed, puzzle.size, puzzle.how));
    // Without --png-cell, a maze too big for the window's square gets cells of its own.
    const int cell = options.pngCell > 0 || CellGeometry::For(puzzle.size).cell >= kPaperCell ? options.pngCell : kPaperCell;
    const Sheet sheet{&maze, puzzle.code, options.solution ? Answer::Shown : Answer::Hidden};
    if (const auto error = WriteSheets(options.exportFile, {sheet}, 1.0, cell))
        return Fail(*error, 1);
    if (options.facts)
        PrintFacts(puzzles);
    return 0;
}

int RunExportCommandLine(const QStringList& arguments)
{
    Options options = ParseCommandLine(QStringList{QStringLiteral("tolvane")} + arguments);
    if (options.mode == Options::Mode::Window)
        options = Error(QCoreApplication::translate("CommandLine", "--export names the file to write; give it"));
    switch (options.mode) {
    case Options::Mode::Export:
        return RunExport(options);
    case Options::Mode::Facts:
        return RunFacts(options);
    case Options::Mode::Error:
        Print(stderr, options.text);
        return options.status;
    default:  // help and the version, printed as the program prints them
        Print(stdout, options.text);
        return 0;
    }
}

}  // namespace tolvane
