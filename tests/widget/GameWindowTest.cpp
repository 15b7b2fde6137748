// A game in the window beyond the keys: what is spoken, the result kept at G, the question before a
// game is thrown away, the clock held and covered, the bump, and the window that grows with big mazes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "core/MazeCheck.h"
#include "core/platform/Random.h"
#include "core/play/DrawPlay.h"
#include "core/maze/BuildMaze.h"
#include "core/render/DrawMaze.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/Form1.h"
#include "qt/window/play/PlayWords.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane::testing {
namespace {

std::unique_ptr<ScriptedRandom> Seeded(std::uint64_t seed)
{
    auto random = std::make_unique<ScriptedRandom>();
    random->SetFallbackSeed(seed);
    return random;
}

Direction Towards(Cell from, Cell to)
{
    if (to.first != from.first)
        return to.first > from.first ? Direction::Right : Direction::Left;
    return to.second > from.second ? Direction::Down : Direction::Up;
}

Qt::Key KeyTowards(Cell from, Cell to)
{
    constexpr Qt::Key kKeys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up};  // in Direction's order
    return kKeys[static_cast<int>(Towards(from, to))];
}

int Count(const QImage& image, QRgb colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000);
    return count;
}

// A shown, active window with a maze of `size` built and a game started on it.
struct Game {
    explicit Game(std::uint64_t seed, MazeSize size = kClassicSize) : form(Seeded(seed))
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.ChooseSize(size);
        path = ShortestPath(form.program().state());
        form.play().action().trigger();
    }
    void Walk(std::size_t from, std::size_t to)
    {
        for (std::size_t i = from + 1; i <= to; ++i)
            QTest::keyClick(QApplication::focusWidget(), KeyTowards(path[i - 1], path[i]));
    }
    // A key into a wall of the marker's cell.
    Qt::Key IntoAWall()
    {
        const int marker = form.program().game().Marker(), width = form.program().state().Width();
        const tolvane::Cell at{marker % width, marker / width};
        for (auto [d, key] : {std::pair{Direction::Right, Qt::Key_Right}, std::pair{Direction::Left, Qt::Key_Left},
                              std::pair{Direction::Down, Qt::Key_Down}, std::pair{Direction::Up, Qt::Key_Up}})
            if (!IsOpen(form.program().state(), at, d))
                return key;
        ADD_FAILURE() << "no wall around the marker";
        return Qt::Key_Up;
    }
    QImage Grab() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QWidget* Picture() { return form.findChild<QWidget*>("MazePicture"); }
    QString Status() { return form.findChild<QLabel*>("PlayStatus")->text(); }
    Form1 form;
    std::vector<Cell> path;
};

constexpr QRgb kCover = 0xFFD8D8D8;

QString Said(QObject* object, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(object)->text(which);
}

TEST(GameWindow, AnEnglishScreenReaderHearsEnglishNamesAndTheCaptionsStay)
{
    Form1 form(Seeded(3));
    QWidget* picture = form.findChild<QWidget*>("MazePicture");
    EXPECT_EQ("No maze yet. Press New maze to build one.", Said(picture, QAccessible::Description));
    form.command1().click();
    EXPECT_EQ(QStringList({"New maze", "Solve the maze", QString::fromUtf8("制作"), QString::fromUtf8("迷路を解く")}),
              QStringList({Said(&form.command1(), QAccessible::Name), Said(&form.command2(), QAccessible::Name),
                           form.command1().text(), form.command2().text()}));
    EXPECT_TRUE(Said(picture, QAccessible::Description).contains("Press Solve the maze to draw the route."));
}

TEST(GameWindow, EachMoveIsSpokenOnceAndThePictureIsReachedWithTab)
{
    Game g(5, {31, 31});
    QWidget* picture = g.Picture();
    // Each move changes the name alone: the description, said once, stays as it was.
    const QString description = "Playing a maze of 31 by 31 cells from S at the top left to G at the bottom right.";
    EXPECT_EQ(description, Said(picture, QAccessible::Description));
    g.Walk(0, 1);
    const ShapeMaze& shown = g.form.program().PlayMaze();
    EXPECT_EQ(CellWords(shown.shape, shown.passages, g.form.program().game().Marker()), Said(picture, QAccessible::Name));
    QTest::keyClick(picture, g.IntoAWall());
    EXPECT_TRUE(Said(picture, QAccessible::Name).startsWith("wall: no way"));
    EXPECT_EQ(description, Said(picture, QAccessible::Description));
    QTest::keyClick(picture, Qt::Key_Escape);
    // Outside a game the picture is the stop after the two buttons, and says what it shows.
    g.form.command1().setFocus();
    QTest::keyClick(&g.form.command1(), Qt::Key_Tab);
    QTest::keyClick(&g.form.command2(), Qt::Key_Tab);
    EXPECT_EQ(picture, QApplication::focusWidget());
    EXPECT_EQ("Maze", Said(picture, QAccessible::Name));
    QTest::keyClick(picture, Qt::Key_Tab);
    EXPECT_EQ(&g.form.command1(), QApplication::focusWidget());
}

TEST(GameWindow, TheResultComparesMovesWithTheShortestRoutesMovesAndStaysAtG)
{
    Game g(6);
    const int moves = static_cast<int>(g.path.size()) - 1;
    // A detour of two moves first: out and back along the route.
    g.Walk(0, 1);
    QTest::keyClick(g.Picture(), KeyTowards(g.path[1], g.path[0]));
    g.Walk(0, g.path.size() - 1);
    const QString detour = QString("Moves %1\n\nShortest route:\n%2 moves").arg(moves + 2).arg(moves);
    EXPECT_TRUE(g.Status().contains(detour)) << g.Status().toStdString();
    EXPECT_FALSE(g.Status().contains("shortest route."));
    EXPECT_TRUE(Said(g.Picture(), QAccessible::Name)
                    .endsWith(QString(". The shortest route takes %1 moves.").arg(moves)));

    // Escape at G leaves the game, not its result: the trail, the marker and the result stay.
    const QImage atGoal = g.Grab();
    QTest::keyClick(g.Picture(), Qt::Key_Escape);
    EXPECT_FALSE(g.form.play().Playing());
    EXPECT_EQ(atGoal, g.Grab());
    EXPECT_TRUE(g.form.findChild<QLabel*>("PlayStatus")->isVisible());
    EXPECT_TRUE(Said(g.Picture(), QAccessible::Description).startsWith(QString("G reached in %1 moves").arg(moves + 2)));
    // The route drawn over the trail, for comparison; the result still stands.
    g.form.command2().click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !g.form.timer1().isActive(); }, 10000));
    const QImage compared = g.Grab();
    EXPECT_GT(Count(compared, ToQRgb(kRed), QRect(0, 0, 358, 358)), moves * 17);
    EXPECT_GT(Count(compared, ToQRgb(kTrailColour), QRect(0, 0, 358, 358)), moves * 17);
    EXPECT_TRUE(g.Status().contains(detour));
    // Something new ends it.
    g.form.command1().click();
    EXPECT_FALSE(g.form.findChild<QLabel*>("PlayStatus")->isVisible());
    EXPECT_EQ(0, Count(g.Grab(), ToQRgb(kTrailColour), QRect(0, 0, 358, 358)));

    // The shortest route taken is said so, in the status and aloud.
    Game best(7);
    best.Walk(0, best.path.size() - 1);
    const int bestMoves = static_cast<int>(best.path.size()) - 1;
    EXPECT_TRUE(best.Status().endsWith(QString("Moves %1\n\nShortest route:\n%1 moves\n\nYou took the shortest route.")
                                           .arg(bestMoves)))
        << best.Status().toStdString();
    EXPECT_TRUE(Said(best.Picture(), QAccessible::Name).endsWith(": the shortest route."));
}

TEST(GameWindow, AGameInProgressIsLeftOnlyWhenThePlayerSaysSo)
{
    Game g(8);
    g.Walk(0, 3);
    const MazeState maze = g.form.program().state();
    std::vector<int> asked;
    bool leave = false;
    bool clockHeld = false;
    bool covered = false;
    g.form.SetLeaveQuestion([&](int moves) {
        asked.push_back(moves);
        clockHeld = !g.form.program().play().clock().Running();
        covered = Count(g.Grab(), kCover, QRect(0, 0, 358, 358)) > 358 * 340;
        return leave;
    });
    const auto declined = [&](const char* what, const std::function<void()>& act) {
        act();
        EXPECT_TRUE(g.form.play().Playing()) << what;
        EXPECT_EQ(3, g.form.program().play().Moves()) << what;
        EXPECT_EQ(ShortestPath(maze), ShortestPath(g.form.program().state())) << what;
        EXPECT_EQ(kClassicSize, g.form.program().mazeSize()) << what;
    };
    declined("制作", [&] { g.form.command1().click(); });
    declined("a size", [&] { g.form.ChooseSize({31, 31}); });
    declined("a code", [&] { g.form.OpenMaze(99, {15, 15}); });
    EXPECT_EQ((std::vector<int>{3, 3, 3}), asked);
    EXPECT_TRUE(clockHeld) << "the clock runs while the question is open";
    EXPECT_TRUE(covered) << "the maze shows while the question is open";
    EXPECT_TRUE(g.form.program().play().clock().Running());
    leave = true;
    g.form.ChooseSize({15, 15});
    EXPECT_EQ(4u, asked.size()) << "asked once for a size, not again for its build";
    EXPECT_FALSE(g.form.play().Playing());
    EXPECT_EQ(15, g.form.program().state().Width());
    // Nothing to lose, nothing asked: at S, or at G.
    g.form.play().action().trigger();
    g.form.command1().click();
    EXPECT_EQ(4u, asked.size());
}

TEST(GameWindow, TheClockStandsStillWhileTheMenuIsOpenAndThePauseHidesTheMaze)
{
    Game g(9);
    g.Walk(0, 2);
    const QImage playing = g.Grab();
    const PlayClock& clock = g.form.program().play().clock();
    emit g.form.menu().Menu().aboutToShow();
    EXPECT_TRUE(clock.Paused());
    const QImage paused = g.Grab();
    const QRect square(0, 0, 358, 358);
    EXPECT_GT(Count(paused, kCover, square), 358 * 340) << "the cover is plain";
    EXPECT_EQ(0, Count(paused, ToQRgb(kTrailColour), square) + Count(paused, ToQRgb(kBlue), square));
    EXPECT_EQ(playing.copy(square), g.form.ShownPicture().convertToFormat(QImage::Format_RGB32))
        << "a copy of the picture carries no cover";
    emit g.form.menu().Menu().aboutToHide();
    EXPECT_TRUE(clock.Running());
    EXPECT_EQ(playing, g.Grab());
}

TEST(GameWindow, AMoveIntoAWallFlashesThatWallForAMoment)
{
    Game g(10);
    const QImage before = g.Grab();
    const QImage drawn = g.form.surface().image();
    // The marker sits on S, whose walls lie on the cell's lines at 0 and 17: each closed side
    // flashes as a bar as thick as the trail (5 pixels) centred on its line, cut by the
    // picture's edge, and nothing else changes.
    int walls = 0;
    for (auto [d, key] : {std::pair{Direction::Right, Qt::Key_Right}, std::pair{Direction::Left, Qt::Key_Left},
                          std::pair{Direction::Down, Qt::Key_Down}, std::pair{Direction::Up, Qt::Key_Up}}) {
        if (IsOpen(g.form.program().state(), {0, 0}, d))
            continue;
        ++walls;
        // On a busy machine the grab may come after the flash has gone: the key again, then.
        QImage bumped = before;
        for (int tries = 0; tries < 3 && bumped == before; ++tries) {
            QTest::keyClick(g.Picture(), key);
            bumped = g.Grab();
        }
        EXPECT_EQ(drawn, g.form.surface().image()) << "the picture itself is unchanged";
        const QRect wall = key == Qt::Key_Right ? QRect(16, 0, 3, 18)
                           : key == Qt::Key_Down ? QRect(0, 16, 18, 3)
                           : key == Qt::Key_Left ? QRect(0, 0, 2, 18)
                                                 : QRect(0, 0, 18, 2);
        EXPECT_EQ(wall.width() * wall.height(), Count(bumped, ToQRgb(kMarkerColour), wall)) << key;
        const QRect bar = key == Qt::Key_Right ? QRect(15, 0, 5, 18)
                          : key == Qt::Key_Down ? QRect(0, 15, 18, 5)
                          : key == Qt::Key_Left ? QRect(0, 0, 3, 18)
                                                : QRect(0, 0, 18, 3);
        QRect changed;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (bumped.pixel(x, y) != before.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        EXPECT_EQ(bar, changed) << key << " flashed " << changed.x() << "," << changed.y() << " " << changed.width()
                                << "x" << changed.height();
        QTest::qWait(PlayController::kBumpTime + 100);
        EXPECT_EQ(before, g.Grab());
    }
    EXPECT_GE(walls, 2) << "S has the frame on two sides";
}

TEST(GameWindow, ABigMazeMayFillAnEnlargedWindowAndTheClassicWindowComesBack)
{
    Form1 classic(Seeded(12));
    classic.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&classic));
    classic.command1().click();
    const QImage classicShown = classic.grab().toImage().convertToFormat(QImage::Format_RGB32);

    Game g(12, {51, 51});
    EXPECT_TRUE(g.form.Resizable());
    g.form.ToggleFullScreen();  // F11
    EXPECT_TRUE(g.form.isFullScreen());
    g.form.ToggleFullScreen();
    EXPECT_TRUE(g.form.windowFlags() & Qt::WindowMaximizeButtonHint);
    g.Walk(0, 6);
    g.form.resize(800, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.form.size() == QSize(800, 600); }, 2000));
    // A 600-pixel square: lines from 0 to 599, cells of 599 / 51 = 11 pixels, the maze centred.
    const CellGeometry geometry = g.form.program().Geometry();
    EXPECT_EQ((CellGeometry{11, 19, 19}), geometry);
    EXPECT_EQ(QRect(610, 8, 89, 33), g.form.command1().geometry());
    EXPECT_EQ(QRect(610, 56, 89, 33), g.form.command2().geometry());
    EXPECT_EQ(QSize(800, 600), g.form.surface().logicalSize());
    const QImage big = g.Grab();
    for (int k = 19; k <= 19 + 51 * 11; ++k) {
        ASSERT_EQ(qRgb(0, 0, 0), big.pixel(k, 19) | 0xFF000000) << k;   // the frame's top line
        ASSERT_EQ(qRgb(0, 0, 0), big.pixel(19, k) | 0xFF000000) << k;   // and its left line
    }
    EXPECT_EQ(6 * 6, Count(big, ToQRgb(kMarkerColour), QRect(0, 0, 600, 600)));
    // The mouse finds cells in the new square.
    QTest::mouseClick(&g.form, Qt::LeftButton, {}, QPoint(19 + 11 * g.path[5].first + 5, 19 + 11 * g.path[5].second + 5));
    EXPECT_EQ(5u, g.form.program().game().Trail().size() - 1);
    // A hint fills the next cell of the route in the new square, and only there.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
    const QRect next(19 + 11 * g.path[6].first, 19 + 11 * g.path[6].second, 12, 12);
    const QImage hinted = g.Grab();
    const int green = Count(hinted, ToQRgb(kHintColour), QRect(0, 0, 600, 600));
    EXPECT_GT(green, 0);
    EXPECT_EQ(green, Count(hinted, ToQRgb(kHintColour), next));

    g.form.SetLeaveQuestion([](int) { return true; });
    g.form.ChooseSize(kClassicSize);
    g.form.ToggleFullScreen();
    EXPECT_FALSE(g.form.isFullScreen() || g.form.Resizable());
    EXPECT_FALSE(g.form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QSize(464, 358), g.form.size());
    // The classic window again: its buttons and white column as before, the maze in 17-pixel cells.
    const QImage back = g.Grab();
    const QRect right(358, 0, 464 - 358, 358);
    EXPECT_EQ(classicShown.copy(right), back.copy(right));
    ImageSurface expected(464, 358, WindowFont());
    DrawMaze(g.form.program().state(), expected);
    EXPECT_EQ(expected.image().copy(0, 0, 358, 358), back.copy(0, 0, 358, 358));
}

// Drawn at any cell size, the trail and the marker leave every wall pixel of the maze black and
// S and G in their blue.
TEST(GameWindow, TheTrailAndTheMarkerScaleWithTheCellAndHideNoWallNorMark)
{
    for (const int side : {21, 51, 119}) {
        MazeState maze({side, side});
        ScriptedRandom random;
        random.SetFallbackSeed(static_cast<std::uint64_t>(side));
        BuildMaze(maze, random);
        for (const int square : {357, 700}) {
            const CellGeometry g = CellGeometry::For(maze.size, square);
            ImageSurface alone(square + 1, square + 1, WindowFont());
            DrawMaze(maze, alone, g);
            // A game that walked the route to the cell before G: the trail through S.
            const ShapeMaze shaped = ShapeMazeOf(maze);
            Play play;
            play.Start(shaped);
            const auto path = ShortestPath(maze);
            for (std::size_t i = 1; i + 1 < path.size(); ++i)
                play.Key(shaped, Towards(path[i - 1], path[i]), 0);
            ImageSurface game(square + 1, square + 1, WindowFont());
            DrawShapePlay(shaped.shape, shaped.passages, play.game(), game, ShapeView::Of(g));
            for (int y = 0; y <= square; ++y)
                for (int x = 0; x <= square; ++x) {
                    const QRgb want = alone.image().pixel(x, y) | 0xFF000000;
                    if (want == qRgb(0, 0, 0) || want == ToQRgb(kBlue)) {
                        ASSERT_EQ(want, game.image().pixel(x, y) | 0xFF000000)
                            << side << " cells at " << g.cell << " pixels: " << x << "," << y;
                    }
                }
            EXPECT_GT(Count(game.image(), ToQRgb(kTrailColour), QRect(0, 0, square, square)),
                      static_cast<int>(path.size()) * g.cell / 2);
            EXPECT_GT(MarkerSide(g), TrailWidth(g));
        }
    }
    // In proportion to the classic 5 and 9 pixels of a 17-pixel cell.
    EXPECT_EQ(std::pair(kTrailWidth, kMarkerSide), std::pair(TrailWidth(kWindowGeometry), MarkerSide(kWindowGeometry)));
    EXPECT_EQ(std::pair(10, 17), std::pair(TrailWidth({33, 0, 0}), MarkerSide({33, 0, 0})));
}

}  // namespace
}  // namespace tolvane::testing
