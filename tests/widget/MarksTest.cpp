// S and G read back from the pictures: inside their own cells, clear of every wall, at every size,
// on the screen's image and as outlines, with and without the route.
#include <gtest/gtest.h>

#include <cmath>

#include <QPainter>
#include <QPicture>

#include "core/maze/BuildMaze.h"
#include "core/render/DrawMaze.h"
#include "qt/paper/Export.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/surface/PainterSurface.h"
#include "qt/platform/letters/WindowFont.h"

namespace tolvane::testing {
namespace {

constexpr std::uint64_t kSeed = 0x51'6E'0F'1C'E5ull;

// A clearly blue pixel: the marks' colour, whatever the smoothing of an outline left at its edge.
bool Blue(QRgb p) { return qBlue(p) > 150 && qRed(p) < 110 && qGreen(p) < 110; }

// What one mark's square holds: its blue pixels, the box they span and their rows as text.
struct Mark {
    int count = 0;
    QRect ink;
    QString rows;
};

// Reads the marks of a picture drawn at geometry `g` (in `unit` image pixels a picture pixel):
// the blue of each mark's square; the blue beside it, within an eighth of the picture or six
// cells of its cell, where a mark too small to read gets a beacon; and the count of blue pixels anywhere else.
struct Marks {
    Mark start, goal;
    int startBeacon = 0, goalBeacon = 0;
    int strayBlue = 0;
    int pictureSide = 0;
};

Marks Read(const QImage& image, const MazeState& maze, const CellGeometry& g, double unit)
{
    // A mark's square: its cell less the walls and a pixel clear of them on every side.
    // In a cell of two or three pixels, the square fills what lies between the walls.
    auto square = [&](int x, int y) {
        const PointF c = g.Corner(x, y);
        const int inset = g.cell > 3 ? 2 : 1;
        const int side = g.cell - 2 * inset + 1;
        return QRectF((c.x + inset) * unit, (c.y + inset) * unit, side * unit, side * unit).toAlignedRect();
    };
    const QRect s = square(0, 0), t = square(maze.LastX(), maze.LastY());
    Marks marks;
    marks.pictureSide = std::min(image.width(), image.height());
    const auto near = [&](const QRect& mark, int x, int y) {
        return std::hypot(mark.center().x() - x, mark.center().y() - y) <= std::max(marks.pictureSide / 8.0, 6 * g.cell * unit);
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!Blue(image.pixel(x, y)))
                continue;
            Mark* mark = s.contains(x, y) ? &marks.start : t.contains(x, y) ? &marks.goal : nullptr;
            if (!mark) {
                ++(near(s, x, y) ? marks.startBeacon : near(t, x, y) ? marks.goalBeacon : marks.strayBlue);
                continue;
            }
            ++mark->count;
            mark->ink |= QRect(x, y, 1, 1);
        }
    for (auto [mark, box] : {std::pair{&marks.start, s}, std::pair{&marks.goal, t}})
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                mark->rows += Blue(image.pixel(x, y)) ? QLatin1Char('#') : QLatin1Char('.');
            mark->rows += QLatin1Char('\n');
        }
    return marks;
}

// Letters fill most of their square and differ from each other; a square mark is solid blue, and
// in a picture 40 cells across or more it has a beacon beside it that a glance at the whole
// picture finds: as much blue as a letter a fiftieth of the picture tall leaves, and never less
// than a small letter's.
void ExpectMarks(const Marks& m, const CellGeometry& g, double unit, bool letters, const std::string& where)
{
    EXPECT_EQ(0, m.strayBlue) << where << ": blue far from the marks";
    const double glance = std::max(20 * unit * unit, std::pow(m.pictureSide / 50.0, 2) / 4);
    for (const int beacon : {m.startBeacon, m.goalBeacon}) {
        if (letters || m.pictureSide < 40 * g.cell * unit)
            EXPECT_EQ(0, beacon) << where << ": blue outside the marks' squares";
        else
            EXPECT_GE(beacon, glance) << where << ": no beacon beside a mark too small to read";
    }
    const int side = static_cast<int>(std::lround(std::max(1, g.cell - 3) * unit));
    for (const Mark* mark : {&m.start, &m.goal}) {
        if (letters) {
            // As tall as the square allows, and narrower: a letter that fills it across is cut off.
            EXPECT_GE(mark->ink.height(), side * 3 / 4) << where << "\n" << mark->rows.toStdString();
            EXPECT_LT(mark->ink.width(), side) << where << ": cut off\n" << mark->rows.toStdString();
            EXPECT_LE(mark->count, side * side * 3 / 4) << where << ": a blot, not a letter\n" << mark->rows.toStdString();
        } else if (g.cell > 3) {
            EXPECT_EQ(side * side, mark->count) << where << "\n" << mark->rows.toStdString();
        } else {
            EXPECT_GT(mark->count, 0) << where;
        }
    }
    if (letters) {
        EXPECT_NE(m.start.rows, m.goal.rows) << where << ": S and G look alike";
    }
}

TEST(Marks, SAndGStayInsideTheirCellsOnTheScreensImage)
{
    // The window's picture at sizes whose cells hold letters (11 to 27 a side) and squares.
    for (const int side : {11, 15, 27, 31, 41, 119}) {
        const MazeState maze = MazeFromSeed(kSeed, {side, side});
        const CellGeometry g = CellGeometry::For(maze.size);
        const bool letters = side <= 27;
        EXPECT_EQ(letters, MarksAreLetters(g, kSmallestPixelLetter)) << side;
        const Marks plain = Read(PictureImage(ShapeMazeOf(maze), Answer::Hidden), maze, g, 1);
        const Marks solved = Read(PictureImage(ShapeMazeOf(maze), Answer::Shown), maze, g, 1);
        ExpectMarks(plain, g, 1, letters, std::to_string(side));
        // The route ends in S and G and leaves them whole.
        EXPECT_EQ(plain.start.rows, solved.start.rows) << side;
        EXPECT_EQ(plain.goal.rows, solved.goal.rows) << side;
        // At a device pixel ratio of 2 the marks are the same, twice the size.
        ExpectMarks(Read(PictureImage(ShapeMazeOf(maze), Answer::Shown, 2.0), maze, g, 2), g, 2, letters, std::to_string(side) + " at 2x");
    }
    // A PNG at so many pixels a cell, painted through the vector surface on an image.
    for (const auto& [side, cell] : {std::pair{45, 13}, std::pair{45, 12}, std::pair{301, 4}, std::pair{9, 40}}) {
        const MazeState maze = MazeFromSeed(kSeed, {side, side});
        const CellGeometry g = CellGeometry::For(maze.size, CellGeometry::SquareFor(maze.size, cell));
        ExpectMarks(Read(CellPictureImage(ShapeMazeOf(maze), Answer::Shown, cell), maze, g, 1), g, 1, cell >= 13,
                    std::to_string(side) + " at " + std::to_string(cell) + " pixels a cell");
    }
}

TEST(Marks, SAndGStayInsideTheirCellsAsOutlines)
{
    // Paper and vector files: the picture recorded as vectors, then played back enlarged.
    constexpr double kEnlarged = 6;
    for (const int side : {8, 13, 31, 41, 51, 101}) {
        const MazeState maze = MazeFromSeed(kSeed, {side, side});
        const int square = PaperSquare(maze.size);
        const CellGeometry g = CellGeometry::For(maze.size, square);
        const ShapeMaze rectangle = PictureMazeOf(maze);
        QPicture vectors;
        {
            QPainter painter(&vectors);
            PaintPicture(painter, QRectF(0, 0, square + 1, square + 1), rectangle, Answer::Shown);
        }
        QImage image(QSize(square + 1, square + 1) * kEnlarged, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.scale(kEnlarged, kEnlarged);
            vectors.play(&painter);
        }
        const bool letters = g.cell - 3 >= kSmallestOutlineLetter;
        const QString note = letters ? QString() : QStringLiteral(" · S and G: the blue squares at the top left and bottom right");
        EXPECT_EQ(PageCaption({&rectangle, QStringLiteral("X"), Answer::Hidden}), QStringLiteral("Maze X") + note)
            << side << ": the caption names squares only when drawn";
        ExpectMarks(Read(image, maze, g, kEnlarged), g, kEnlarged, letters, std::to_string(side) + " as outlines");
    }
}

}  // namespace
}  // namespace tolvane::testing
