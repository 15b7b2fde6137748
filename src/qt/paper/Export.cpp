// Writing mazes to files.
#include "qt/paper/Export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "core/solve/Difficulty.h"
#include "qt/Version.h"
#include "qt/paper/Outlines.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/Desktop.h"

namespace tolvane {
namespace {

QString Creator() { return QStringLiteral("Tolvane %1").arg(QString::fromLatin1(kVersion)); }

QString Title(const std::vector<Sheet>& sheets)
{
    if (sheets.size() == 1)
        return QStringLiteral("Tolvane: %1").arg(SheetCaption(sheets.front()));
    return QCoreApplication::translate("Export", "Tolvane: %1 pages of mazes").arg(sheets.size());
}

bool WritePng(QIODevice& file, const Sheet& sheet, double scale, int cell)
{
    const ShapeMaze& maze = *sheet.maze;
    // A rectangle without a size asked for is the window's picture; another shape always has cells of its own.
    if (maze.shape.kind != ShapeKind::Rectangle)
        cell = ShapePngUnit(maze.shape, cell);
    QImage image = cell > 0 ? CellPictureImage(maze, sheet.answer, cell, sheet.game)
                            : PictureImage(maze, sheet.answer, scale, sheet.game);
    image.setText(QStringLiteral("Title"), Title({sheet}));
    image.setText(QStringLiteral("Software"), Creator());
    return image.save(&file, "PNG");
}

bool WriteSvg(QIODevice& file, const Sheet& sheet)
{
    const std::string svg = PictureSvg(*sheet.maze, sheet.answer, Title({sheet}), sheet.game);
    return file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
}

void SetUpPdf(QPdfWriter& pdf, const QString& title, const QPageSize& paper)
{
    pdf.setTitle(title);
    pdf.setCreator(Creator());
    pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, kPaperMargins, QPageLayout::Millimeter));
}

bool WritePdf(QIODevice& file, const std::vector<Sheet>& sheets)
{
    QPdfWriter pdf(&file);
    SetUpPdf(pdf, Title(sheets), QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRectF page(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !pdf.newPage())
            return false;
        PaintPage(painter, page, *sheets[i].maze, sheets[i].answer, PageCaption(sheets[i]), sheets[i].game);
    }
    return painter.end();
}

// The reason the system gave for the last failure; Qt's own text when it has one that says more.
// Qt's "Unknown error" may be in the user's language: a device that has failed at nothing says it.
QString SystemReason(const QFileDevice& file)
{
    const QString qt = file.errorString();
    const QString system = SystemError();
    if (!system.isEmpty() && (qt.isEmpty() || qt == QLatin1String("Unknown error") || qt == QBuffer().errorString()))
        return system;
    return qt;
}

}  // namespace

std::optional<FileFormat> FormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return FileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return FileFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return FileFormat::Pdf;
    return std::nullopt;
}

QString SheetCaption(const Sheet& sheet)
{
    const bool solved = sheet.answer == Answer::Shown;
    if (sheet.maze->shape.kind == ShapeKind::Rectangle) {
        if (sheet.code.isEmpty())
            return solved ? QCoreApplication::translate("Export", "Maze, solution") : QCoreApplication::translate("Export", "Maze");
        return solved ? QCoreApplication::translate("Export", "Maze %1, solution").arg(sheet.code)
                      : QCoreApplication::translate("Export", "Maze %1").arg(sheet.code);
    }
    const QString where = WhereSAndGAre(sheet.maze->shape.kind);
    const QString name = sheet.code.isEmpty()
                             ? QCoreApplication::translate("Export", "Maze in a picture's outline (a picture has no code)")
                             : QCoreApplication::translate("Export", "Maze %1").arg(sheet.code);
    return solved ? QCoreApplication::translate("Export", "%1, solution; %2").arg(name, where)
                  : QCoreApplication::translate("Export", "%1; %2").arg(name, where);
}

QString PageCaption(const Sheet& sheet)
{
    const Shape& shape = sheet.maze->shape;
    if (shape.kind != ShapeKind::Rectangle)
        return SheetCaption(sheet);
    return SheetCaption(sheet) + MarksNote(RectangleCells(shape));
}

QString SheetFileName(const QString& code)
{
    return code.isEmpty() ? QStringLiteral("maze") : QStringLiteral("maze-%1").arg(code);
}

namespace {

// Draws the file with `draw` in memory first: a drawing that fails leaves no file, and a write
// that fails is told by the system's own reason (no space left, permission denied, …).
template <typename Draw>
std::optional<QString> Commit(const QString& path, Draw draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool drawn = draw(buffer);
    const auto cannot = [&](const QString& reason) {
        return QCoreApplication::translate("Export", "cannot write %1: %2").arg(path, reason);
    };
    if (!drawn)
        return cannot(QCoreApplication::translate("Export", "the picture could not be drawn"));

    // QSaveFile replaces the file only once all of it is written, and keeps the old one's permissions.
    // QSaveFile writes beside the file and renames; it never falls back to writing over the file
    // in place, which a failure half-way would leave damaged. When the folder takes no new file,
    // the user hears that, rather than a refusal that the file's own permissions do not explain.
    QSaveFile file(path);
    ClearSystemError();
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo target(path);
        if (target.exists() && target.isWritable() && !QFileInfo(target.absolutePath()).isWritable())
            return cannot(QCoreApplication::translate("Export", "its folder takes no new file, which writing it safely "
                                                                "needs (the old one stays as it was)"));
        return cannot(SystemReason(file));
    }
    ClearSystemError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = SystemReason(file);
        file.cancelWriting();
        return cannot(reason);
    }
    ClearSystemError();
    if (!file.commit()) {
        if (HeldByAnotherProgram(path))
            return cannot(QCoreApplication::translate("Export", "another program has it open; close it there and save "
                                                                "again (the old one stays as it was)"));
        return cannot(SystemReason(file));
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    return Commit(path, [&](QIODevice& buffer) { return buffer.write(bytes) == bytes.size(); });
}

std::optional<QString> WriteSheets(const QString& path, const std::vector<Sheet>& sheets, double scale, int cell)
{
    const auto format = FormatOf(path);
    if (!format)
        return QCoreApplication::translate("Export", "%1: unknown file type; the name must end in .png, .svg or .pdf").arg(path);
    if (sheets.empty() || (format != FileFormat::Pdf && sheets.size() != 1))
        return QCoreApplication::translate("Export", "%1: a PNG or SVG file holds exactly one maze").arg(path);
    return Commit(path, [&](QIODevice& buffer) {
        switch (*format) {
        case FileFormat::Png:
            return WritePng(buffer, sheets.front(), scale, cell);
        case FileFormat::Svg:
            return WriteSvg(buffer, sheets.front());
        case FileFormat::Pdf:
            return WritePdf(buffer, sheets);
        }
        return false;
    });
}

namespace {

// Whether `puzzle`'s cells keep its level's width on `sheet`'s pages.
bool WideEnough(const Worksheet& sheet, const Puzzle& puzzle, int level)
{
    return PrintedCellMm(sheet, Extent(puzzle)) >= SmallestCellMm(level);
}

// A word's puzzle with its letters sized for `level`, as the command line sizes them: nothing
// when the font draws none of them or they would have far more cells than the level's.
std::optional<Puzzle> WordAtLevel(const Puzzle& puzzle, const QString& word, int level)
{
    const long long cells = LevelNumbered(level)->size.Cells();
    const auto height = WordHeightFor(word, cells);
    if (!height)
        return std::nullopt;
    Puzzle sized = puzzle;
    sized.shape->word = word.toStdString();
    sized.shape->size = {*height, *height};
    const std::optional<Shape> shape = ShapeOfChoice(*sized.shape);
    if (!shape || 2 * shape->graph.CellCount() > 3 * cells)
        return std::nullopt;
    return sized;
}

// What keeps a level's cells wide enough where one maze to a page does not: the smallest bigger
// paper that does, and for a word the longest start of it that does, or the other levels at which
// it does.
QStringList WaysToWiderCells(const Worksheet& alone, const Puzzle& puzzle)
{
    QStringList ways;
    const auto area = [](Paper paper) {
        const QSizeF size = PageSizeOf(paper).size(QPageSize::Millimeter);
        return size.width() * size.height();
    };
    // The paper's own family first: A3 after A4, Tabloid after Letter.
    const auto isoSeries = [](Paper paper) { return NameOf(paper).startsWith(QLatin1Char('a')); };
    std::vector<Paper> papers = PapersBySize();
    std::stable_partition(papers.begin(), papers.end(), [&](Paper p) { return isoSeries(p) == isoSeries(alone.paper); });
    for (const Paper paper : papers) {
        Worksheet on = alone;
        on.paper = paper;
        if (paper != alone.paper && area(paper) >= area(alone.paper) && WideEnough(on, puzzle, puzzle.level)) {
            ways.append(QCoreApplication::translate("Export", "a bigger paper (--paper %1)").arg(NameOf(paper)));
            break;
        }
    }
    if (puzzle.shape && puzzle.shape->kind == ShapeKind::Outline && !puzzle.shape->word.empty()) {
        const QString word = QString::fromStdString(puzzle.shape->word);
        // Halving: the fewer its letters, the wider a word's cells (each search of a height builds
        // outlines, so the starts are not all tried).
        const auto fits = [&](qsizetype letters) {
            const auto shorter = WordAtLevel(puzzle, word.left(letters), puzzle.level);
            return shorter && WideEnough(alone, *shorter, puzzle.level);
        };
        qsizetype most = 0;
        for (qsizetype low = 1, high = word.size() - 1; low <= high;) {
            const qsizetype middle = (low + high) / 2;
            if (fits(middle)) {
                most = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        if (most > 0)
            ways.append(QCoreApplication::translate("Export", "a word of at most %1 letters").arg(most));
        for (const Level& other : kLevels) {
            const auto sized = other.number == puzzle.level ? std::nullopt : WordAtLevel(puzzle, word, other.number);
            if (sized && WideEnough(alone, *sized, other.number))
                ways.append(QStringLiteral("--level %1").arg(other.number));
        }
    }
    return ways;
}

// "a, b or c".
QString Alternatives(QStringList ways)
{
    const QString last = ways.takeLast();
    return ways.isEmpty() ? last
                          : QCoreApplication::translate("Export", "%1 or %2")
                                .arg(ways.join(QCoreApplication::translate("Export", ", ", "between alternatives")), last);
}

}  // namespace

std::optional<QString> WorksheetProblem(const Worksheet& sheet)
{
    QImage probe(1, 1, QImage::Format_RGB32);  // any device measures type alike
    if (!TitleFits(sheet, probe, kPaperMargins.left())) {
        // The limit in the title's own characters: how many of them fit the line.
        Worksheet line;
        line.paper = sheet.paper;
        qsizetype fit = 0;
        for (qsizetype step = sheet.title.size(); step > 0; step /= 2) {
            while (fit + step < sheet.title.size()) {
                line.title = sheet.title.left(fit + step);
                if (!TitleFits(line, probe, kPaperMargins.left()))
                    break;
                fit += step;
            }
        }
        return QCoreApplication::translate("Export", "the title is too long for one line across the page: %1 of its %2 "
                                                     "characters fit; shorten it")
            .arg(fit)
            .arg(sheet.title.size());
    }
    const int largest = LargestFittingSide(sheet, kPaperMargins.left());
    for (const Puzzle& puzzle : sheet.puzzles) {
        const MazeSize size = Extent(puzzle);
        if (std::max(size.width, size.height) > largest)
            return QCoreApplication::translate("Export", "%1x%2 mazes do not fit %3 to a page; at most %4 cells a side do, "
                                                         "or fewer to a page")
                .arg(size.width)
                .arg(size.height)
                .arg(sheet.perPage)
                .arg(largest);
    }
    for (const Puzzle& puzzle : sheet.puzzles) {
        // A shape's cells are as wide as its picture's extent spans.
        if (puzzle.level == 0 || PrintedCellMm(sheet, Extent(puzzle)) >= SmallestCellMm(puzzle.level))
            continue;
        // The most to a page that keep the cells wide enough, if one a page does.
        Worksheet fewer = sheet;
        while (fewer.perPage > 1 && PrintedCellMm(fewer, Extent(puzzle)) < SmallestCellMm(puzzle.level))
            fewer.perPage = *std::prev(std::find(kPerPageChoices.begin(), kPerPageChoices.end(), fewer.perPage));
        if (PrintedCellMm(fewer, Extent(puzzle)) < SmallestCellMm(puzzle.level))
            return QCoreApplication::translate("Export", "level %1 mazes would have cells of %2 mm even one to a page, "
                                                         "narrower than the %3 mm that level keeps; choose %4")
                .arg(puzzle.level)
                .arg(PrintedCellMm(fewer, Extent(puzzle)), 0, 'f', 1)
                .arg(SmallestCellMm(puzzle.level))
                .arg(Alternatives(WaysToWiderCells(fewer, puzzle)));
        return QCoreApplication::translate("Export", "level %1 mazes %2 to a page would have cells of %3 mm, narrower "
                                                     "than the %4 mm that level keeps; choose --per-page %5 or fewer")
            .arg(puzzle.level)
            .arg(sheet.perPage)
            .arg(PrintedCellMm(sheet, Extent(puzzle)), 0, 'f', 1)
            .arg(SmallestCellMm(puzzle.level))
            .arg(fewer.perPage);
    }
    if (PageCount(sheet) > kMostSheets)
        return QCoreApplication::translate("Export", "that would take %1 sheets of paper; at most %2 go in one PDF")
            .arg(PageCount(sheet))
            .arg(kMostSheets);
    return std::nullopt;
}

std::optional<QString> WriteWorksheet(const QString& path, const Worksheet& sheet, Progress* progress)
{
    return Commit(path, [&](QIODevice& buffer) {
        QPdfWriter pdf(&buffer);
        SetUpPdf(pdf,
                 sheet.title.isEmpty() ? QCoreApplication::translate("Export", "Tolvane: %1 pages of mazes").arg(PageCount(sheet))
                                       : sheet.title,
                 PageSizeOf(sheet.paper));
        QPainter painter;
        return painter.begin(&pdf) && PaintWorksheet(pdf, painter, sheet, progress) && painter.end();
    });
}

}  // namespace tolvane
