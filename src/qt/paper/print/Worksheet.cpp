// Worksheets.
#include "qt/paper/print/Worksheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <mutex>

#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"
#include "core/search/Texture.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/Facts.h"
#include "qt/paper/Outlines.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/letters/WindowFont.h"

namespace tolvane {
namespace {

// Heights of a page's rows, in millimetres, and the sizes of their type, in points.
constexpr double kTitleMm = 10;
constexpr double kNameLineMm = 11;
constexpr double kHeadingMm = 10;
constexpr double kFooterMm = 7;
constexpr double kCaptionMm = 9;     // two lines of small type under each maze, and the gap
constexpr double kCaptionGapMm = 2;  // and the space between the maze and them
constexpr double kGapMm = 5;      // between the mazes of a page
constexpr double kTitlePoints = 16;
constexpr double kNameLinePoints = 11;
constexpr double kHeadingPoints = 14;
constexpr double kCaptionPoints = 8;
constexpr double kCaptionRoom = 0.94;  // of a column, for a line of type: neighbours never touch
constexpr double kFooterPoints = 9;
constexpr double kMmPerInch = 25.4;
// An answer key packs its solved mazes at least this many to a page.
constexpr int kAnswersPerPage = 4;

constexpr double kJoinMarkGapMm = 2;  // between a tile's corner and the marks that join it
constexpr double kJoinMarkMm = 8;

struct PageLayout {
    QRectF title, nameLine, heading, footer;
    // One a maze: its name line at the top when it has one, its caption at the bottom.
    std::vector<QRectF> places;
    bool namePerMaze = false;
};

// Where everything goes on a page whose printable area is `area`, in millimetres. A page of one
// maze has its name line across the page; mazes that share a page each have their own, so that
// every piece of a page cut apart is named.
PageLayout LayoutPage(QSizeF area, bool title, bool nameLine, bool heading, int perPage)
{
    PageLayout l;
    l.namePerMaze = nameLine && perPage > 1;
    nameLine = nameLine && !l.namePerMaze;
    double y = 0;
    auto row = [&](QRectF& rect, bool wanted, double height) {
        if (!wanted)
            return;
        rect = QRectF(0, y, area.width(), height);
        y += height;
    };
    row(l.title, title, kTitleMm);
    row(l.nameLine, nameLine, kNameLineMm);
    row(l.heading, heading, kHeadingMm);
    l.footer = QRectF(0, area.height() - kFooterMm, area.width(), kFooterMm);
    const int columns = perPage >= 4 ? 2 : 1;
    const int rows = (perPage + columns - 1) / columns;
    const double width = (area.width() - (columns - 1) * kGapMm) / columns;
    const double height = (area.height() - kFooterMm - y - (rows - 1) * kGapMm) / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            l.places.emplace_back(c * (width + kGapMm), y + r * (height + kGapMm), width, height);
    return l;
}

// The part of a place that the maze and its caption take: all of it but the maze's own name line.
QRectF MazePart(const PageLayout& l, const QRectF& place)
{
    return l.namePerMaze ? place.adjusted(0, kNameLineMm, 0, 0) : place;
}

double SquareIn(const QRectF& slot) { return std::max(0.0, std::min(slot.width(), slot.height() - kCaptionMm)); }

// A sheet's printable area, and the poster's that its tiles make up: each sheet keeps a row at
// its foot to say where it goes.
QSizeF PrintableMm(Paper paper, double marginMm, Tiling tiling = {})
{
    const QSizeF sheet = PageSizeOf(paper).size(QPageSize::Millimeter) - QSizeF(2 * marginMm, 2 * marginMm);
    if (!tiling.Tiled())
        return sheet;
    return {sheet.width() * tiling.columns, (sheet.height() - kFooterMm) * tiling.rows};
}

// The square a maze gets in the first place of the sheet's puzzle pages.
double PuzzleSquareMm(const Worksheet& sheet, double marginMm)
{
    const PageLayout l = LayoutPage(PrintableMm(sheet.paper, marginMm, sheet.tiling), !sheet.title.isEmpty(),
                                    sheet.nameLine, false, sheet.perPage);
    return SquareIn(MazePart(l, l.places.front()));
}

int Largest(const Worksheet& sheet)
{
    int largest = 0;
    for (const Puzzle& puzzle : sheet.puzzles)
        largest = std::max({largest, Extent(puzzle).width, Extent(puzzle).height});
    return largest;
}

// All of a sheet's type is in the window's face, which S and G need anyway and which has the
// Japanese glyphs: a PDF embeds each face it uses whole, so a second face would cost every
// sheet its size and the time to compress it.
QFont Font(double points)
{
    QFont font = WindowFont();
    font.setPointSizeF(points);
    return font;
}

// The answer key takes four mazes to a page, or the puzzles' own number where that is more; but
// mazes too big to share a page with cells of a pencil's width keep a page each, as their
// puzzles do (a poster).
int AnswersPerPage(const Worksheet& sheet)
{
    return IsPoster(sheet) ? sheet.perPage : std::max(kAnswersPerPage, sheet.perPage);
}

int PagesFor(std::size_t mazes, int perPage) { return static_cast<int>((mazes + perPage - 1) / perPage); }
int PuzzlePages(const Worksheet& sheet) { return PagesFor(sheet.puzzles.size(), sheet.perPage); }
int AnswerPages(const Worksheet& sheet) { return sheet.answers ? PagesFor(sheet.puzzles.size(), AnswersPerPage(sheet)) : 0; }

// Paints one page: its rows and its mazes, puzzles or answers.
class PagePainter {
public:
    // The kinds of type a page uses, each made once for the whole sheet.
    enum Type { kTitle, kNameLine, kHeading, kCaption, kFooter, kTypes };

    PagePainter(QPainter& painter, double pxPerMm)
        : p_(painter), scale_(pxPerMm),
          fonts_{Font(kTitlePoints), Font(kNameLinePoints), Font(kHeadingPoints),
                 Font(kCaptionPoints),     Font(kFooterPoints)},
          name_(QCoreApplication::translate("Worksheet", "Name")),
          date_(QCoreApplication::translate("Worksheet", "Date")),
          nameWidth_(QFontMetricsF(fonts_[kNameLine], painter.device()).horizontalAdvance(name_)),
          dateWidth_(QFontMetricsF(fonts_[kNameLine], painter.device()).horizontalAdvance(date_))
    {
    }

    QRectF Px(const QRectF& mm) const
    {
        return {mm.left() * scale_, mm.top() * scale_, mm.width() * scale_, mm.height() * scale_};
    }

    // `text` in `mm`, its type made smaller where its widest line would run past the sides: in
    // the narrow columns of several mazes to a page the figures are long for their maze.
    void Text(const QRectF& mm, const QString& text, Type type, int flags)
    {
        const QRectF box = Px(mm);
        const QFontMetricsF metrics(fonts_[type], p_.device());
        double widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const double room = box.width() * kCaptionRoom;
        if (widest > room) {
            QFont smaller = fonts_[type];
            smaller.setPointSizeF(smaller.pointSizeF() * room / widest);
            p_.setFont(smaller);
        } else {
            p_.setFont(fonts_[type]);
        }
        p_.setPen(Qt::black);
        p_.drawText(box, flags, text);
    }

    // "Name ________   Date ______", the lines drawn as lines, on the row's baseline.
    void NameLine(const QRectF& mm)
    {
        const QRectF row = Px(mm);
        const double baseline = row.top() + row.height() * 0.7;
        const double dateAt = row.left() + row.width() * 0.68;
        p_.setFont(fonts_[kNameLine]);
        p_.setPen(QPen(Qt::black, scale_ * 0.25));
        p_.drawText(QPointF(row.left(), baseline), name_);
        p_.drawLine(QPointF(row.left() + nameWidth_ + scale_ * 2, baseline), QPointF(dateAt - scale_ * 6, baseline));
        p_.drawText(QPointF(dateAt, baseline), date_);
        p_.drawLine(QPointF(dateAt + dateWidth_ + scale_ * 2, baseline), QPointF(row.right(), baseline));
    }

    // A maze as large as its proportions allow in its place, its caption under it, the two centred.
    void Maze(const PageLayout& l, const QRectF& placeMm, const ShapeMaze& maze, Answer answer, const QString& caption,
              const QString& measures)
    {
        if (l.namePerMaze)
            NameLine(QRectF(placeMm.left(), placeMm.top(), placeMm.width(), kNameLineMm));
        const QRectF slotMm = MazePart(l, placeMm);
        const QSizeF aspect = PaperFrameOf(maze.shape).aspect;
        const double room = slotMm.height() - kCaptionMm;
        const double scale = std::max(0.0, std::min(slotMm.width() / aspect.width(), room / aspect.height()));
        const QSizeF size = aspect * scale;
        const double top = slotMm.top() + (slotMm.height() - size.height() - kCaptionMm) / 2;
        const QRectF picture(slotMm.left() + (slotMm.width() - size.width()) / 2, top, size.width(), size.height());
        PaintPicture(p_, Px(picture), maze, answer);
        // Both lines in one call: laying out a text costs more than drawing it.
        const QRectF below(slotMm.left(), picture.bottom() + kCaptionGapMm, slotMm.width(), kCaptionMm - kCaptionGapMm);
        Text(below, measures.isEmpty() ? caption : caption + QLatin1Char('\n') + measures, kCaption,
             Qt::AlignHCenter | Qt::AlignTop);
    }

    // The marks a sheet of a tiled poster is cut and joined by: at the corners of its part of the
    // poster, `partMm`, running out into the margin along the part's edges.
    void JoinMarks(const QRectF& partMm)
    {
        const QRectF part = Px(partMm);
        const double gap = kJoinMarkGapMm * scale_, length = kJoinMarkMm * scale_;
        p_.setPen(QPen(Qt::black, scale_ * 0.2));
        for (const QPointF corner : {part.topLeft(), part.topRight(), part.bottomLeft(), part.bottomRight()}) {
            const double outX = corner.x() == part.left() ? -1 : 1, outY = corner.y() == part.top() ? -1 : 1;
            p_.drawLine(corner + QPointF(outX * gap, 0), corner + QPointF(outX * (gap + length), 0));
            p_.drawLine(corner + QPointF(0, outY * gap), corner + QPointF(0, outY * (gap + length)));
        }
    }

private:
    QPainter& p_;
    double scale_;
    std::array<QFont, kTypes> fonts_;
    QString name_;
    QString date_;
    double nameWidth_;
    double dateWidth_;
};

// The mazes of a sheet, each built once for its puzzle and its answer while they take little
// room together (a rectangle's picture holds about 70 bytes a cell: a hundred 21 x 21 mazes take
// 3 MB); bigger sheets keep only the maze built last, which still serves a poster's answer page
// straight after its puzzle page. With an answer key, each maze's measures are taken once, when
// it is first built.
class BuiltMazes {
public:
    explicit BuiltMazes(const Worksheet& sheet) : sheet_(sheet), mazes_(sheet.puzzles.size()), measures_(sheet.puzzles.size())
    {
        long long cells = 0;
        for (const Puzzle& puzzle : sheet.puzzles)
            cells += Extent(puzzle).Cells();
        keepAll_ = cells <= kKeptCells;
    }

    const ShapeMaze& Get(std::size_t i)
    {
        if (!mazes_[i]) {
            if (!keepAll_ && last_ < mazes_.size())
                mazes_[last_].reset();  // one big maze at a time
            mazes_[i] = Build(i);
            last_ = i;
        }
        return *mazes_[i];
    }

    // The answer key's measures of maze i, once Get(i) has built it.
    const QString& Measures(std::size_t i) const { return measures_[i]; }

private:
    ShapeMaze Build(std::size_t i)
    {
        const Puzzle& puzzle = sheet_.puzzles[i];
        const bool measure = sheet_.answers && measures_[i].isEmpty();
        if (puzzle.shape) {
            ShapeMaze maze = BuildShapeMaze(*ShapeOfChoice(*puzzle.shape), puzzle.how, puzzle.seed);
            if (measure) {
                const Texture t = MeasureTexture(maze);
                measures_[i] = MeasuresCaption(puzzle.level, {t.route, t.deadEnds, t.decisions});
            }
            return maze;
        }
        // A rectangle is built as the classic state, whose draws its codes name, and solved and
        // measured there, as its level was: the picture takes the route from it.
        MazeState state = MazeFromRecipe(puzzle.seed, puzzle.size, puzzle.how);
        Solve(state);
        ShapeMaze maze = PictureMazeOf(state);
        if (measure && puzzle.measured) {
            measures_[i] = MeasuresCaption(puzzle.level, *puzzle.measured);
        } else if (measure) {
            const RouteMeasures m = MeasureRoute(maze.shape.graph, maze.passages, maze.route);
            measures_[i] = MeasuresCaption(puzzle.level, {m.route, m.deadEnds, m.decisions});
        }
        return maze;
    }

    static constexpr long long kKeptCells = 1 << 18;
    const Worksheet& sheet_;
    std::vector<std::optional<ShapeMaze>> mazes_;
    std::vector<QString> measures_;
    std::size_t last_ = static_cast<std::size_t>(-1);
    bool keepAll_ = true;
};

}  // namespace

MazeSize Extent(const Puzzle& puzzle)
{
    if (!puzzle.shape)
        return puzzle.size;
    // Shapes of one kind and size always have the same extent: worked out once. The Worksheets
    // dialog plans, previews and saves on threads of their own, which may ask at once.
    static std::mutex guard;
    static std::vector<std::pair<ShapeChoice, MazeSize>> known;
    {
        const std::lock_guard lock(guard);
        for (const auto& [choice, extent] : known)
            if (choice == *puzzle.shape)
                return extent;
    }
    const std::optional<Shape> shape = ShapeOfChoice(*puzzle.shape);
    const MazeSize extent = shape ? MazeSize{static_cast<int>(std::ceil(shape->width)), static_cast<int>(std::ceil(shape->height))}
                                  : puzzle.size;
    const std::lock_guard lock(guard);
    known.emplace_back(*puzzle.shape, extent);
    return extent;
}

double SmallestCellMm(int level) { return kSmallestLevelCellMm.at(static_cast<std::size_t>(level - 1)); }

int LargestFittingSide(const Worksheet& sheet, double marginMm)
{
    if (sheet.perPage == 1)
        return kMaxSide;
    return static_cast<int>(std::floor(PuzzleSquareMm(sheet, marginMm) / kSmallestSharedCellMm));
}

double PrintedCellMm(const Worksheet& sheet, MazeSize size)
{
    return PuzzleSquareMm(sheet, kPaperMargins.left()) / std::max(size.width, size.height);
}

bool IsPoster(const Worksheet& sheet)
{
    if (sheet.perPage > 1)
        return false;
    // Could it share a page of the answer key, which takes the most to a page?
    const PageLayout l = LayoutPage(PrintableMm(sheet.paper, kPaperMargins.left()), !sheet.title.isEmpty(), false,
                                    true, kAnswersPerPage);
    return Largest(sheet) * kSmallestSharedCellMm > SquareIn(l.places.front());
}

bool TitleFits(const Worksheet& sheet, QPaintDevice& device, double marginMm)
{
    const QFontMetricsF metrics(Font(kTitlePoints), &device);
    const double widthPx = PrintableMm(sheet.paper, marginMm).width() * device.logicalDpiX() / kMmPerInch;
    return metrics.horizontalAdvance(sheet.title) <= widthPx;
}

int PageCount(const Worksheet& sheet)
{
    const int answerSheets = IsPoster(sheet) ? sheet.tiling.Sheets() : 1;
    return PuzzlePages(sheet) * sheet.copies * sheet.tiling.Sheets() + AnswerPages(sheet) * answerSheets;
}

QString PuzzleCaption(int number, const Puzzle& puzzle)
{
    const QString name = QCoreApplication::translate("Worksheet", "%1.  Maze %2").arg(number).arg(puzzle.code);
    if (puzzle.shape)
        return QCoreApplication::translate("Worksheet", "%1; %2").arg(name, WhereSAndGAre(puzzle.shape->kind));
    return name + MarksNote(puzzle.size);
}

QString MeasuresCaption(int level, const Difficulty& d)
{
    const QString measures = QCoreApplication::translate("Worksheet", "route %1 cells · %2 dead ends · %3 junctions on the route")
                                 .arg(d.route)
                                 .arg(d.deadEnds)
                                 .arg(d.junctions);
    if (level == 0)
        return measures;
    return QCoreApplication::translate("Worksheet", "Level %1 · %2").arg(level).arg(measures);
}

bool PaintWorksheet(QPagedPaintDevice& device, QPainter& painter, const Worksheet& sheet, Progress* progress)
{
    return PaintWorksheet(SheetDevice{device.pageLayout(), static_cast<double>(device.logicalDpiX()), [&] { return device.newPage(); }},
                          painter, sheet, progress);
}

bool PaintWorksheet(const SheetDevice& device, QPainter& painter, const Worksheet& sheet, Progress* progress)
{
    BuiltMazes built(sheet);
    const QSizeF sheetArea = device.layout.paintRect(QPageLayout::Millimeter).size();
    const QSizeF partArea(sheetArea.width(), sheetArea.height() - (sheet.tiling.Tiled() ? kFooterMm : 0));
    const double pxPerMm = device.dpi / kMmPerInch;
    PagePainter page(painter, pxPerMm);
    const int pages = PuzzlePages(sheet) + AnswerPages(sheet);
    const int sheets = PageCount(sheet);
    int sheetNumber = 0;

    // Paints page `number`, its mazes from `first` on, on one sheet or across the sheets of a poster.
    auto paintPage = [&](int number, bool answers, int perPage, std::size_t first) {
        const Tiling tiling = answers && !IsPoster(sheet) ? Tiling{} : sheet.tiling;
        const QSizeF area = tiling.Tiled() ? QSizeF(partArea.width() * tiling.columns, partArea.height() * tiling.rows)
                                           : sheetArea;
        const PageLayout l = LayoutPage(area, !sheet.title.isEmpty(), sheet.nameLine && !answers, answers, perPage);
        for (int row = 0; row < tiling.rows; ++row)
            for (int column = 0; column < tiling.columns; ++column) {
                if (sheetNumber > 0 && !device.newPage())
                    return false;
                ++sheetNumber;
                const QRectF part(column * partArea.width(), row * partArea.height(), partArea.width(), partArea.height());
                painter.save();
                if (tiling.Tiled()) {
                    painter.setClipRect(QRectF(QPointF(0, 0), partArea * pxPerMm));
                    painter.translate(-part.topLeft() * pxPerMm);
                }
                if (!sheet.title.isEmpty())
                    page.Text(l.title, sheet.title, PagePainter::kTitle, Qt::AlignHCenter | Qt::AlignVCenter);
                if (!l.nameLine.isEmpty())
                    page.NameLine(l.nameLine);
                if (answers)
                    page.Text(l.heading, QCoreApplication::translate("Worksheet", "Answer key"), PagePainter::kHeading,
                              Qt::AlignLeft | Qt::AlignVCenter);
                page.Text(l.footer, QCoreApplication::translate("Worksheet", "Page %1 of %2").arg(number).arg(pages),
                          PagePainter::kFooter, Qt::AlignHCenter | Qt::AlignBottom);
                for (std::size_t i = first; i < std::min(sheet.puzzles.size(), first + perPage); ++i) {
                    const Puzzle& puzzle = sheet.puzzles[i];
                    const Answer answer = answers ? Answer::Shown : Answer::Hidden;
                    const QString caption = PuzzleCaption(static_cast<int>(i) + 1, puzzle);
                    const ShapeMaze& maze = built.Get(i);
                    page.Maze(l, l.places[i - first], maze, answer, caption, answers ? built.Measures(i) : QString());
                }
                painter.restore();
                if (tiling.Tiled()) {
                    page.JoinMarks(QRectF(QPointF(0, 0), partArea));
                    page.Text(QRectF(0, partArea.height(), partArea.width(), kFooterMm),
                              QCoreApplication::translate("Worksheet", "Page %1 of %2 · row %3 of %4, column %5 of %6 · "
                                                                       "sheet %7 of %8")
                                  .arg(number)
                                  .arg(pages)
                                  .arg(row + 1)
                                  .arg(tiling.rows)
                                  .arg(column + 1)
                                  .arg(tiling.columns)
                                  .arg(sheetNumber)
                                  .arg(sheets),
                              PagePainter::kFooter, Qt::AlignHCenter | Qt::AlignBottom);
                }
                if (progress && !progress->Reached(sheetNumber, sheets))
                    return false;
            }
        return true;
    };
    for (int copy = 0; copy < sheet.copies; ++copy)
        for (int p = 0; p < PuzzlePages(sheet); ++p)
            if (!paintPage(p + 1, false, sheet.perPage, static_cast<std::size_t>(p) * sheet.perPage))
                return false;
    const int perAnswerPage = AnswersPerPage(sheet);
    for (int p = 0; p < AnswerPages(sheet); ++p)
        if (!paintPage(PuzzlePages(sheet) + p + 1, true, perAnswerPage, static_cast<std::size_t>(p) * perAnswerPage))
            return false;
    return true;
}

}  // namespace tolvane
