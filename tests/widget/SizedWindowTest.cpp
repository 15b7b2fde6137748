// The window at every size it shows: the mouse, drags, the clock under the buttons, the picture
// after each kind of move, the words a game speaks, the Size menu's tick, the Open Maze Code
// dialog at its limit, and a page's caption on landscape paper.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/MazeCheck.h"
#include "core/maze/BuildMaze.h"
#include "core/code/SizedCode.h"
#include "qt/paper/Pictures.h"
#include "qt/window/Form1.h"
#include "qt/window/choice/SizeMenu.h"
#include "qt/window/code/OpenCodeDialog.h"
#include "qt/window/play/PlayWords.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane::testing {
namespace {

constexpr std::uint64_t kSeed = 0x2222'3333'4444ull;

Direction Towards(Cell from, Cell to)
{
    if (to.first != from.first)
        return to.first > from.first ? Direction::Right : Direction::Left;
    return to.second > from.second ? Direction::Down : Direction::Up;
}

Qt::Key KeyOf(Direction d)
{
    switch (d) {
    case Direction::Right:
        return Qt::Key_Right;
    case Direction::Left:
        return Qt::Key_Left;
    case Direction::Down:
        return Qt::Key_Down;
    case Direction::Up:
        return Qt::Key_Up;
    }
    return Qt::Key_unknown;
}

// A shown, active window with the maze of kSeed at `size` and a game started on it.
struct Game {
    explicit Game(MazeSize size)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.OpenMaze(kSeed, size);
        form.play().action().trigger();
        path = ShortestPath(form.program().state());
    }
    // The marker by column and row: the rectangle numbers its cells row by row.
    Cell Marker()
    {
        const int at = form.program().game().Marker(), width = form.program().state().Width();
        return {at % width, at / width};
    }
    QPoint CentreOf(Cell c)
    {
        const PointF p = CellGeometry::For(form.Maze().size).Centre(c.first, c.second);
        return {static_cast<int>(p.x), static_cast<int>(p.y)};
    }
    void Key(Direction d) { QTest::keyClick(QApplication::focusWidget(), KeyOf(d)); }
    QString Status() { return form.findChild<QLabel*>("PlayStatus")->text(); }
    // The picture shown must be the maze with the game as it now stands, drawn afresh.
    void ExpectShownAsDrawn(const char* after)
    {
        EXPECT_EQ(PictureImage(ShapeMazeOf(form.Maze()), Answer::Hidden, 1.0, form.ShownGame()), form.ShownPicture()) << after;
    }
    Form1 form;
    std::vector<Cell> path;
};

TEST(SizedWindow, TheMouseMovesTheMarkerAtEverySizeAndADragEndsWithTheButton)
{
    for (const MazeSize size : {MazeSize{11, 11}, MazeSize{15, 15}, MazeSize{21, 21}, MazeSize{31, 31}, MazeSize{41, 41},
                                MazeSize{51, 51}, MazeSize{119, 119}, MazeSize{31, 45}}) {
        Game g(size);
        const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
        ASSERT_GE(g.path.size(), 6u) << name;
        // A click on the open neighbour moves there.
        QTest::mouseClick(&g.form, Qt::LeftButton, {}, g.CentreOf(g.path[1]));
        ASSERT_EQ(g.path[1], g.Marker()) << name;
        // A drag from the marker follows the pointer through the cells it passes.
        QTest::mousePress(&g.form, Qt::LeftButton, {}, g.CentreOf(g.path[1]));
        for (std::size_t i = 2; i <= 4; ++i)
            QTest::mouseMove(&g.form, g.CentreOf(g.path[i]));
        EXPECT_EQ(g.path[4], g.Marker()) << name;
        QTest::mouseRelease(&g.form, Qt::LeftButton, {}, g.CentreOf(g.path[4]));
        // Let go, the marker no longer follows: not even a later press far from it and a move.
        QTest::mousePress(&g.form, Qt::LeftButton, {}, g.CentreOf({size.width - 1, 0}));
        QTest::mouseMove(&g.form, g.CentreOf(g.path[5]));
        QTest::mouseRelease(&g.form, Qt::LeftButton, {}, g.CentreOf(g.path[5]));
        EXPECT_EQ(g.path[4], g.Marker()) << name;
        EXPECT_EQ(4, g.form.program().play().Moves()) << name;
    }
}

TEST(SizedWindow, ThePictureIsTheGameAsItStandsAfterEveryKindOfMove)
{
    Game g({31, 45});
    const MazeState& maze = g.form.Maze();
    g.ExpectShownAsDrawn("P");
    // Into a wall: nothing changes.
    const QImage start = g.form.ShownPicture();
    for (Direction d : {Direction::Left, Direction::Up}) {
        g.Key(d);
        EXPECT_EQ(start, g.form.ShownPicture());
    }
    g.Key(Towards(g.path[0], g.path[1]));
    g.Key(Towards(g.path[1], g.path[2]));
    g.ExpectShownAsDrawn("moves");
    g.Key(Towards(g.path[2], g.path[1]));
    EXPECT_EQ(2u, g.form.program().game().Trail().size());
    g.ExpectShownAsDrawn("a step back");
    for (std::size_t i = 2; i < g.path.size(); ++i)
        g.Key(Towards(g.path[i - 1], g.path[i]));
    ASSERT_TRUE(g.form.program().play().Finished());
    EXPECT_EQ(Cell(maze.LastX(), maze.LastY()), g.Marker());
    g.ExpectShownAsDrawn("G");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(g.form.ShownGame()) << "the result stays at G until something new starts";
    g.ExpectShownAsDrawn("Escape");
}

TEST(SizedWindow, TheTimeUnderTheButtonsRunsFromTheFirstMoveBetweenMoves)
{
    EXPECT_EQ("0:00", ClockText(999, false).toStdString());
    EXPECT_EQ("1:01.5", ClockText(61'500, true).toStdString());
    EXPECT_EQ("59:59", ClockText(3'599'999, false).toStdString());
    EXPECT_EQ("1:00:00", ClockText(3'600'000, false).toStdString());
    EXPECT_EQ("1:02:03", ClockText(3'723'000, false).toStdString());

    Game g({21, 21});
    // A bump into the frame does not start the clock.
    g.Key(Direction::Up);
    QTest::qWait(1100);
    EXPECT_TRUE(g.Status().startsWith("Time 0:00\nMoves 0")) << g.Status().toStdString();
    g.Key(Towards(g.path[0], g.path[1]));
    EXPECT_TRUE(g.Status().startsWith("Time 0:00\nMoves 1")) << g.Status().toStdString();
    // With no move since, the status catches up with the clock by itself.
    QTest::qWait(1300);
    EXPECT_TRUE(g.Status().startsWith("Time 0:0") && !g.Status().startsWith("Time 0:00") &&
                g.Status().contains("Moves 1"))
        << g.Status().toStdString();
    // A step back is one more move, and rubs out one step.
    g.Key(Towards(g.path[1], g.path[0]));
    EXPECT_TRUE(g.Status().contains("Moves 2")) << g.Status().toStdString();
}

TEST(SizedWindow, AGameNamesEveryKindOfCellAndMove)
{
    // 3 x 3: (1,1) opens on all four sides, (1,0) on three, (0,1) on two, (0,0) on one.
    const MazeState maze = Carved({3, 3}, {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}, {{1, 0}, {1, 1}}, {{0, 1}, {1, 1}},
                                           {{1, 1}, {2, 1}}, {{1, 1}, {1, 2}}, {{0, 1}, {0, 2}}, {{2, 1}, {2, 2}}});
    const ShapeMaze m = ShapeMazeOf(maze);
    const auto cellWords = [&](int x, int y) { return CellWords(m.shape, m.passages, y * 3 + x).toStdString(); };
    EXPECT_EQ("dead end", cellWords(0, 0));
    EXPECT_EQ("corridor: right and down open", cellWords(0, 1));
    EXPECT_EQ("junction: left, right and down open", cellWords(1, 0));
    EXPECT_EQ("junction: left, right, up and down open", cellWords(1, 1));

    Play play;
    play.Start(m);
    const auto move = [&](Direction key, Millis now) {
        return MoveWords(m.shape, m.passages, play.game(), play.Key(m, key, now), key, now).toStdString();
    };
    EXPECT_EQ("wall: no way up", move(Direction::Up, 0));
    EXPECT_EQ("junction: left, right and down open", move(Direction::Right, 0));
    EXPECT_EQ("Row 1, column 2, 1 moves: junction: left, right and down open",
              WhereWords(m.shape, m.passages, play.game(), 0).toStdString());
    EXPECT_EQ("back, dead end", move(Direction::Left, 0));
    for (Direction d : {Direction::Right, Direction::Down, Direction::Right})
        play.Key(m, d, 1000);
    EXPECT_EQ(MoveOutcome::Reached, play.Key(m, Direction::Down, 62'300));
    EXPECT_EQ("G reached in 6 moves, time 1:02.3. The shortest route takes 4 moves.",
              MoveWords(m.shape, m.passages, play.game(), MoveOutcome::Reached, Direction::Down, play.clock().Elapsed(70'000))
                  .toStdString());
}

TEST(SizedWindow, TheSizeMenuTicksTheSizeShownAndNothingForOtherSizes)
{
    Form1 form;
    auto ticked = [&] {
        std::vector<int> sides;
        for (QAction* action : form.sizeMenu().actions())
            if (action->isChecked())
                sides.push_back(action->data().toInt());
        return sides;
    };
    for (const int side : kOfferedSides) {
        for (QAction* action : form.sizeMenu().actions())
            if (action->data().toInt() == side)
                action->trigger();
        EXPECT_EQ((MazeSize{side, side}), form.Maze().size);
        EXPECT_EQ(std::vector<int>{side}, ticked());
    }
    for (const MazeSize other : {MazeSize{31, 45}, MazeSize{45, 31}, MazeSize{21, 31}, MazeSize{119, 119}}) {
        form.OpenMaze(kSeed, other);
        EXPECT_EQ(std::vector<int>{}, ticked()) << other.width << "x" << other.height;
    }
    form.OpenMaze(kSeed);
    EXPECT_EQ(std::vector<int>{21}, ticked());
}

TEST(SizedWindow, TheOpenCodeDialogTakesTheLargestSizeTheWindowShowsAndRefusesOneMore)
{
    ASSERT_EQ(119, kLargestWindowSide);
    for (const MazeSize size : {MazeSize{119, 119}, MazeSize{119, 2}, MazeSize{2, 119}}) {
        const QString code = QString::fromStdString(FormatSizedCode({kSeed, size}));
        OpenCodeDialog dialog(nullptr, kLargestWindowSide, code);
        ASSERT_TRUE(dialog.Maze()) << code.toStdString();
        EXPECT_EQ(size, dialog.Maze()->size);
        EXPECT_TRUE(dialog.openButton().isEnabled());
    }
    for (const MazeSize size : {MazeSize{120, 120}, MazeSize{120, 2}, MazeSize{2, 120}}) {
        const QString code = QString::fromStdString(FormatSizedCode({kSeed, size}));
        OpenCodeDialog dialog(nullptr, kLargestWindowSide, code);
        EXPECT_FALSE(dialog.Maze()) << code.toStdString();
        EXPECT_FALSE(dialog.openButton().isEnabled());
        EXPECT_TRUE(dialog.verdict().text().contains("119x119")) << dialog.verdict().text().toStdString();
    }
}

// A code the first release printed opens in the dialog as that release read it, after one
// question answered yes; no leaves the dialog open, and a code of today asks nothing.
TEST(SizedWindow, TheOpenCodeDialogOpensAFirstReleaseCodeAfterOneQuestion)
{
    const QString old = QStringLiteral("30x30-VZY4H-WRHNH");
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        OpenCodeDialog dialog(nullptr, kLargestWindowSide, old);
        EXPECT_TRUE(dialog.FirstRelease());
        EXPECT_TRUE(dialog.openButton().isEnabled());
        EXPECT_EQ(ReadFirstReleaseCode(old.toStdString()), dialog.Maze());
        EXPECT_TRUE(dialog.verdict().text().contains("first release")) << dialog.verdict().text().toStdString();
        int asked = 0;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++asked;
                box->button(answer)->click();
            }
        });
        dialog.openButton().click();
        EXPECT_EQ(1, asked);
        EXPECT_EQ(answer == QMessageBox::Yes ? QDialog::Accepted : QDialog::Rejected, dialog.result());
    }
    OpenCodeDialog today(nullptr, kLargestWindowSide, QStringLiteral("31x45-T01VA-NE015"));
    EXPECT_FALSE(today.FirstRelease());
    today.openButton().click();
    EXPECT_EQ(QDialog::Accepted, today.result());
}

// Dark pixels, row by row.
std::vector<int> DarkPerRow(const QImage& image)
{
    std::vector<int> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rows[static_cast<std::size_t>(y)] += qGray(image.pixel(x, y)) < 128;
    return rows;
}

TEST(SizedWindow, APagesCaptionStaysOnThePageAndClearOfTheMazeInEitherOrientation)
{
    const MazeState maze = MazeFromSeed(kSeed);
    for (const QSize paper : {QSize(700, 1000), QSize(1000, 700), QSize(800, 800)}) {
        QImage page(paper, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            PaintPage(painter, QRectF(QPointF(0, 0), paper), ShapeMazeOf(maze), Answer::Hidden, "Maze 3F7KQ-M2XWA");
        }
        const std::vector<int> dark = DarkPerRow(page);
        // The maze's frame: the lowest row that is dark across most of the maze's width.
        int frameBottom = -1;
        for (int y = 0; y < page.height(); ++y)
            if (dark[static_cast<std::size_t>(y)] > std::min(paper.width(), paper.height()) / 2)
                frameBottom = y;
        const std::string name = std::to_string(paper.width()) + "x" + std::to_string(paper.height());
        ASSERT_GT(frameBottom, 0) << name;
        // The frame is square: its top line is as long as the frame is tall.
        int frameTop = 0;
        while (dark[static_cast<std::size_t>(frameTop)] <= std::min(paper.width(), paper.height()) / 2)
            ++frameTop;
        EXPECT_NEAR(dark[static_cast<std::size_t>(frameTop)], frameBottom - frameTop + 1, 2) << name << ": not square";
        // Below it: a white gap, then the caption's rows, all of them on the page.
        int captionTop = -1;
        int captionBottom = -1;
        for (int y = frameBottom + 1; y < page.height(); ++y)
            if (dark[static_cast<std::size_t>(y)] > 0) {
                captionTop = captionTop < 0 ? y : captionTop;
                captionBottom = y;
            }
        // The gap is the caption's own: at least half the height of its letters.
        EXPECT_GT(captionTop - frameBottom, (captionBottom - captionTop) / 2) << name << ": the caption touches the maze";
        EXPECT_GT(captionBottom - captionTop, 4) << name << ": no caption under the maze";
        EXPECT_LT(captionBottom, page.height() - 1) << name << ": the caption runs off the page";
    }
}

}  // namespace
}  // namespace tolvane::testing
