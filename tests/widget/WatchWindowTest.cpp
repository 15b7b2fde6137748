// Watching in the window: the build and the search end on the maze shown, the pace and its keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "core/search/Searches.h"
#include "core/render/DrawShape.h"
#include "core/solve/Answer.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/Form1.h"

namespace tolvane::testing {
namespace {

constexpr std::uint64_t kSeed = 0x1357'9BDF'2468ull;

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

TEST(WatchWindow, TheBuildAndTheSearchEndOnTheMazeShownAndItsRoute)
{
    Form1 form;
    form.OpenMaze(kSeed, {17, 13});
    const MazeState maze = form.program().state();
    WatchController& watch = form.watch();

    watch.WatchBuild();
    ASSERT_TRUE(watch.Watching());
    EXPECT_FALSE(watch.Paused());
    watch.JumpToEnd();
    EXPECT_FALSE(watch.Watching());
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(PictureImage(ShapeMazeOf(maze), Answer::Hidden)));
    EXPECT_TRUE(form.program().state() == maze);

    watch.WatchSearch();
    ASSERT_TRUE(watch.Watching());
    watch.StepOnce();  // S entered, and paused there
    EXPECT_TRUE(watch.Paused());
    EXPECT_EQ(watch.Player()->Played(), 1u);
    EXPECT_EQ(watch.Player()->Visited(), 1);
    watch.JumpToEnd();
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(PictureImage(ShapeMazeOf(maze), Answer::Shown)));
    EXPECT_TRUE(form.RouteShown());
    // Every way's count side by side, the depth-first one's as the search itself counts it.
    const std::vector<WayCount> counts = CountEveryWay(maze);
    const QString text = watch.Counts();
    for (const WayCount& count : counts)
        EXPECT_TRUE(text.contains(QString::number(count.visited))) << count.name << " " << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\n  %1/%1\n").arg(counts.front().visited))) << text.toStdString();
    // The column beside the picture is narrow: no line needs wrapping there, so a name never runs
    // into its count, and each count stands alone on its line under its name.
    const auto* column = form.findChild<QLabel*>(QStringLiteral("WatchCounts"));
    ASSERT_NE(column, nullptr);
    const QFontMetrics metrics = column->fontMetrics();
    const QStringList lines = text.split('\n');
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), column->contentsRect().width()) << line.toStdString();
    for (const WayCount& count : counts)
        EXPECT_TRUE(lines.contains(QStringLiteral("  ") + QString::number(count.visited)) ||
                    lines.contains(QStringLiteral("  %1/%1").arg(count.visited)))
            << count.name << " " << text.toStdString();

    // A maze built another way is watched being built that way, ending on it.
    form.OpenMaze(kSeed, {17, 13}, BuildChoice{Algorithm::Prim});
    const MazeState prim = form.program().state();
    watch.WatchBuild();
    watch.JumpToEnd();
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(PictureImage(ShapeMazeOf(prim), Answer::Hidden)));
}

TEST(WatchWindow, KeysSetThePaceFromTheReplaysOwnAndANewMazeStopsTheWatching)
{
    Form1 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.OpenMaze(kSeed);
    WatchController& watch = form.watch();
    EXPECT_EQ(watch.PaceMs(), kTimerInterval);  // the replay's 50 ms a cell unless changed
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
    ASSERT_TRUE(watch.Watching());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
    EXPECT_EQ(watch.PaceMs(), 100);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
    EXPECT_EQ(watch.PaceMs(), 1);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
    EXPECT_EQ(watch.PaceMs(), 1000);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K);
    EXPECT_TRUE(watch.Paused());
    const std::size_t played = watch.Player()->Played();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period);
    EXPECT_EQ(watch.Player()->Played(), played + 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K);
    EXPECT_FALSE(watch.Paused());
    form.command1().click();
    EXPECT_FALSE(watch.Watching());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    EXPECT_TRUE(watch.Watching());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_FALSE(watch.Watching());
}

// A big maze in an enlarged window is watched in the cells the window shows, the counts beside
// the picture's edge; a resize leaves those cells behind and stops the watching.
TEST(WatchWindow, AnEnlargedWindowIsWatchedInItsOwnCells)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.OpenMaze(kSeed, {51, 51});
    ASSERT_TRUE(form.Resizable());
    form.resize(800, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == QSize(800, 600); }, 2000));
    const MazeState maze = form.program().state();
    const CellGeometry geometry = form.program().Geometry();
    ASSERT_FALSE(geometry == CellGeometry::For(maze.size));
    WatchController& watch = form.watch();

    watch.WatchSearch();
    watch.JumpToEnd();
    ImageSurface expected(600, 600, WindowFont());
    DrawPicture(maze, expected, Answer::Shown, geometry);
    EXPECT_EQ(Rgb(expected.image()), Rgb(form.ShownPicture()));
    const auto* counts = form.findChild<QLabel*>(QStringLiteral("WatchCounts"));
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(form.command1().x() - 6, counts->x());  // the gap the classic window has

    watch.WatchBuild();
    ASSERT_TRUE(watch.Watching());
    form.resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == QSize(700, 500); }, 2000));
    EXPECT_FALSE(watch.Watching());
}

// The window showing the maze of another shape, built `how` from kSeed.
void OpenShape(Form1& form, ShapeKind kind, int size, Algorithm how)
{
    ASSERT_EQ(form.OpenRecipe({kind, {size, size}, {}, {how}, kSeed}), std::nullopt);
    ASSERT_NE(form.ShownShape(), nullptr);
}

// A search watched to its end leaves the route shown as a replay does: a resize draws it again in
// the new cells, the very picture the replay to its end leaves there.
TEST(WatchWindow, TheRouteOfAWatchedSearchStaysThroughAResize)
{
    for (const bool shape : {false, true}) {
        SCOPED_TRACE(shape ? "hexagon" : "rectangle");
        Form1 form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        if (shape)
            OpenShape(form, ShapeKind::Hexagon, 5, Algorithm::Backtracker);
        else
            form.OpenMaze(kSeed, {31, 25});
        ASSERT_TRUE(form.Resizable());
        form.watch().WatchSearch();
        form.watch().JumpToEnd();
        form.resize(700, 520);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == QSize(700, 520); }, 2000));
        EXPECT_TRUE(form.RouteShown());
        const QImage watched = Rgb(form.ShownPicture());
        form.command2().click();
        while (form.timer1().isActive())
            form.program().Timer1_Timer();
        EXPECT_EQ(watched, Rgb(form.ShownPicture()));
    }
}

TEST(WatchWindow, OnShapesTheBuildAndTheSearchEndOnTheMazeShownAndItsRouteWithEveryWaysCount)
{
    Form1 form;
    WatchController& watch = form.watch();
    const auto* picture = form.findChild<QWidget*>(QStringLiteral("MazePicture"));
    ASSERT_NE(picture, nullptr);
    // A circle built by Kruskal: every wall standing at first, then exactly the picture shown.
    OpenShape(form, ShapeKind::Circle, 6, Algorithm::Kruskal);
    const QImage maze = Rgb(form.ShownPicture());
    ASSERT_TRUE(watch.Menu().actions().front()->isEnabled());  // B
    watch.WatchBuild();
    watch.StepOnce();
    EXPECT_NE(Rgb(form.ShownPicture()), maze);
    watch.JumpToEnd();
    EXPECT_FALSE(watch.Watching());
    EXPECT_EQ(Rgb(form.ShownPicture()), maze);

    // A hexagon searched breadth-first: its route, and the cells visited as the search counts them.
    OpenShape(form, ShapeKind::Hexagon, 5, Algorithm::Backtracker);
    const ShapeMaze hexagon = *form.ShownShape();
    for (QAction* item : watch.Menu().actions())
        for (QAction* way : item->menu() ? item->menu()->actions() : QList<QAction*>{})  // Search With
            if (way->data().toString() == QLatin1String("breadth-first"))
                way->trigger();
    watch.WatchSearch();
    watch.StepOnce();
    EXPECT_EQ(watch.Player()->Visited(), 1);  // S
    watch.JumpToEnd();
    ImageSurface expected(kClientWidth, kClientHeight, WindowFont());
    const ShapeView view = form.program().ShapeShown()->View(kClientHeight - 1);
    DrawShape(hexagon.shape, hexagon.passages, expected, view);
    DrawShapeRoute(hexagon.shape, hexagon.route, expected, view);
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(expected.image().copy(0, 0, kClientHeight, kClientHeight)));
    EXPECT_TRUE(form.RouteShown());
    const int visited = SearchBreadthFirst(hexagon.shape.graph, hexagon.passages).visited;
    const int depthFirst = SearchDepthFirst(hexagon.shape.graph, hexagon.passages).visited;
    const int route = static_cast<int>(hexagon.route.size());
    const QString text = watch.Counts();
    EXPECT_TRUE(text.contains(QStringLiteral("▶ breadth-first\n  %1/%1\n").arg(visited))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("depth-first\n  %1\n").arg(depthFirst))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("Route:\n  %1 cells").arg(route))) << text.toStdString();
    // A screen reader hears the end, and a walk's build taking cells in, as on a rectangle.
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("Route found, %1 cells; %2 cells visited").arg(route).arg(visited));
    watch.WatchBuild();
    watch.StepOnce();
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("taking cells in, step 1 of %1").arg(watch.Player()->Count()));
}

}  // namespace
}  // namespace tolvane::testing
