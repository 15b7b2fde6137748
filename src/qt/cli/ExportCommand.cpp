// `Tolvane --export`.
#include "qt/cli/ExportCommand.h"

#include "qt/cli/AnimateCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "core/maze/BuildMaze.h"
#include "core/maze/SizedCode.h"
#include "core/platform/Random.h"
#include "core/render/Geometry.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/Export.h"
#include "qt/paper/Pictures.h"

namespace tolvane {
namespace {

// A PNG is held whole while it is written, four bytes a pixel: 2^25 pixels, 128 MiB, is as big
// as it gets, whatever its shape (a 1001 x 1001 maze at 5 pixels a cell, 301 x 301 at 19).
constexpr long long kLargestPngPixels = 1LL << 25;

int Fail(const QString& message, int status)
{
    std::fprintf(stderr, "Tolvane: %s\n", qPrintable(message));
    return status;
}

// The mazes to write, by their seeds; a level's are drawn until they fall inside its band.
std::vector<Puzzle> MakePuzzles(const Options& options)
{
    std::vector<Puzzle> puzzles;
    ClockRandom random;
    const auto level = options.level ? LevelNumbered(*options.level) : std::nullopt;
    if (!options.mazes.empty()) {
        for (const SizedSeed& maze : options.mazes)
            puzzles.push_back({maze.seed, maze.size, QString::fromStdString(FormatSizedCode(maze)), std::nullopt, 0});
        return puzzles;
    }
    MazeState scratch(options.size);
    for (int i = 0; i < options.count; ++i) {
        Puzzle puzzle{0, options.size, {}, std::nullopt, 0};
        if (level) {
            puzzle.measured = BuildLevelMaze(scratch, random, *level);
            puzzle.level = level->number;
            puzzle.seed = *random.LastSeed();
        } else {
            // New mazes get their seeds the way the window's clicks do.
            random.Randomize();
            puzzle.seed = *random.LastSeed();
        }
        puzzle.code = QString::fromStdString(FormatSizedCode({puzzle.seed, puzzle.size}));
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

}  // namespace

int RunExport(const Options& options)
{
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

    const std::vector<Puzzle> puzzles = MakePuzzles(options);
    if (format == FileFormat::Pdf) {
        Worksheet sheet{puzzles,         options.title,  true, options.perPage, options.paper.value_or(LocalePaper()),
                        options.solution, options.copies, options.tiling};
        // A child's sheet has a line for a name over every maze; a poster only when asked.
        sheet.nameLine = options.nameLine.value_or(!IsPoster(sheet) && !sheet.tiling.Tiled());
        if (const auto problem = WorksheetProblem(sheet))
            return Fail(*problem, 2);
        if (const auto error = WriteWorksheet(options.exportFile, sheet))
            return Fail(*error, 1);
        return 0;
    }
    const Puzzle& puzzle = puzzles.front();
    const MazeState maze = MazeFromSeed(puzzle.seed, puzzle.size);
    // Without --png-cell, a maze too big for the window's square gets cells of its own.
    const int cell = options.pngCell > 0 || CellGeometry::For(maze.size).cell >= kPaperCell ? options.pngCell : kPaperCell;
    const Sheet sheet{&maze, puzzle.code, options.solution ? Answer::Shown : Answer::Hidden};
    if (const auto error = WriteSheets(options.exportFile, {sheet}, 1.0, cell))
        return Fail(*error, 1);
    return 0;
}

}  // namespace tolvane
