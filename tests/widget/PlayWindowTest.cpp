// Playing in the window: the keys and the mouse reach the game, the focus and the status area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "core/MazeCheck.h"
#include "core/platform/Random.h"
#include "core/play/DrawPlay.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/window/Form1.h"

namespace tolvane::testing {
namespace {

std::unique_ptr<ScriptedRandom> Seeded(std::uint64_t seed)
{
    auto random = std::make_unique<ScriptedRandom>();
    random->SetFallbackSeed(seed);
    return random;
}

int CountPixels(const QImage& image, Colour colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == (ToQRgb(colour) | 0xFF000000);
    return count;
}

const QRect kPicture(0, 0, 358, 358);
const QRect kStatusArea(358, 89, 106, 269);

Qt::Key KeyTowards(Cell from, Cell to)
{
    if (to.first != from.first)
        return to.first > from.first ? Qt::Key_Right : Qt::Key_Left;
    return to.second > from.second ? Qt::Key_Down : Qt::Key_Up;
}

QPoint CentreOf(Cell c) { return {17 * c.first + 8, 17 * c.second + 8}; }

// A shown, active window with a maze built, the focus on Command2.
struct Shown {
    explicit Shown(std::uint64_t seed) : form(Seeded(seed))
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.command1().click();
        form.command2().setFocus();
        path = ShortestPath(form.program().state());
    }
    // The marker by column and row: the rectangle numbers its cells row by row.
    Cell Marker()
    {
        const int at = form.program().game().Marker(), width = form.program().state().Width();
        return {at % width, at / width};
    }
    QImage Grab() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    Form1 form;
    std::vector<Cell> path;
};

TEST(PlayWindow, KeysPlayFromPToEscapeAndTheWindowIsAsBeforeAfterwards)
{
    Form1 fresh(Seeded(21));
    EXPECT_FALSE(fresh.play().action().isEnabled()) << "nothing to play before the first maze";
    EXPECT_EQ(QKeySequence(Qt::Key_P), fresh.play().action().shortcut());

    Shown s(21);
    const QImage before = s.Grab();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(&s.form.command2(), focus);
    QTest::keyClick(focus, Qt::Key_P);
    ASSERT_TRUE(s.form.play().Playing());
    // Arrows and WASD move the marker along the route; the focus stays off the buttons.
    for (std::size_t i = 1; i <= 4; ++i) {
        const Qt::Key arrow = KeyTowards(s.path[i - 1], s.path[i]);
        const Qt::Key letter = arrow == Qt::Key_Right ? Qt::Key_D
                               : arrow == Qt::Key_Left ? Qt::Key_A
                               : arrow == Qt::Key_Down ? Qt::Key_S
                                                       : Qt::Key_W;
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? arrow : letter);
        ASSERT_EQ(s.path[i], s.Marker()) << i;
    }
    EXPECT_NE(&s.form.command1(), QApplication::focusWidget());
    EXPECT_NE(&s.form.command2(), QApplication::focusWidget());
    const QImage playing = s.Grab();
    EXPECT_GT(CountPixels(playing, kTrailColour, kPicture), 4 * 17);
    EXPECT_EQ(81, CountPixels(playing, kMarkerColour, kPicture));
    auto* status = s.form.findChild<QLabel*>("PlayStatus");
    ASSERT_TRUE(status && status->isVisible());
    EXPECT_TRUE(status->text().contains("Moves 4")) << status->text().toStdString();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(s.form.play().Playing());
    EXPECT_EQ(&s.form.command2(), QApplication::focusWidget()) << "the focus goes back where it was";
    EXPECT_FALSE(status->isVisible());
    EXPECT_EQ(before, s.Grab()) << "outside play the window looks as it did";
}

TEST(PlayWindow, ADragFollowsTheCorridorsAndStopsAtAWall)
{
    Shown s(22);
    s.form.play().action().trigger();
    QWidget* window = &s.form;
    QTest::mousePress(window, Qt::LeftButton, {}, CentreOf(s.path[0]));
    for (std::size_t i = 1; i <= 6; ++i)
        QTest::mouseMove(window, CentreOf(s.path[i]));
    EXPECT_EQ(s.path[6], s.Marker());
    // Straight on past a wall: the marker keeps to its cell.
    const MazeState& maze = s.form.program().state();
    for (auto [d, dx, dy] : {std::tuple{Direction::Right, 3, 0}, std::tuple{Direction::Left, -3, 0},
                             std::tuple{Direction::Down, 0, 3}, std::tuple{Direction::Up, 0, -3}}) {
        const Cell at = s.Marker();
        const Cell beyond{at.first + dx, at.second + dy};
        if (IsOpen(maze, {at.first, at.second}, d) || beyond.first < 0 || beyond.second < 0 || beyond.first > 20 ||
            beyond.second > 20)
            continue;
        QTest::mouseMove(window, CentreOf(beyond));
        EXPECT_EQ(at, s.Marker());
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, CentreOf(s.Marker()));
    const std::size_t at = std::find(s.path.begin(), s.path.end(), s.Marker()) - s.path.begin();
    // A click on the open neighbour along the route moves there; back along the trail rubs out.
    QTest::mouseClick(window, Qt::LeftButton, {}, CentreOf(s.path[at - 1]));
    EXPECT_EQ(s.path[at - 1], s.Marker());
    EXPECT_EQ(at, s.form.program().game().Trail().size());
}

TEST(PlayWindow, TheClockPausesWhileAnotherWindowHasTheFocus)
{
    Shown s(23);
    s.form.play().action().trigger();
    QTest::keyClick(QApplication::focusWidget(), KeyTowards(s.path[0], s.path[1]));
    ASSERT_TRUE(s.form.program().play().clock().Running());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    const PlayClock& clock = s.form.program().play().clock();
    EXPECT_TRUE(clock.Paused());
    const Millis paused = clock.Elapsed(s.form.play().Now());
    QTest::qWait(300);
    EXPECT_EQ(paused, clock.Elapsed(s.form.play().Now()));
    EXPECT_TRUE(s.form.findChild<QLabel*>("PlayStatus")->text().contains("Paused"));
    QApplication::setActiveWindow(&s.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.form));
    EXPECT_TRUE(clock.Running());
}

TEST(PlayWindow, CopiesOfThePictureCarryTheTrailAndTheSolutionGoesOverIt)
{
    Shown s(24);
    s.form.play().action().trigger();
    for (std::size_t i = 1; i <= 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), KeyTowards(s.path[i - 1], s.path[i]));
    const Game* play = s.form.ShownGame();
    ASSERT_TRUE(play);
    EXPECT_EQ(s.form.ShownPicture(), PictureImage(ShapeMazeOf(s.form.Maze()), Answer::Hidden, 1.0, play));
    const QImage answer = PictureImage(ShapeMazeOf(s.form.Maze()), Answer::Shown, 1.0, play);
    EXPECT_GT(CountPixels(answer, kRed, kPicture), 40 * 17);
    // The trail follows the route here: red covers its middle and orange shows at both sides.
    EXPECT_GT(CountPixels(answer, kTrailColour, kPicture), 3 * 17);
    EXPECT_EQ(81, CountPixels(answer, kMarkerColour, kPicture));
}

}  // namespace
}  // namespace tolvane::testing
