// Mazes of other shapes in the window: the maze a code names, its replay, the shape kept.
#include <gtest/gtest.h>

#include <QSettings>
#include <cmath>
#include <numbers>
#include <QTemporaryDir>

#include "core/render/DrawShape.h"
#include "core/shape/ShapeMaze.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/FactsBox.h"
#include "qt/window/Form1.h"
#include "qt/window/code/OpenCodeDialog.h"

namespace tolvane {
namespace {

TEST(ShapeWindow, ACodeOpensItsMazeWhoseReplayEndsOnTheFullRoute)
{
    Form1 form;
    const Recipe recipe{ShapeKind::Circle, {6, 6}, {}, {Algorithm::Backtracker}, 4242};
    OpenCodeDialog dialog(&form, kLargestWindowSide, QString::fromStdString(FormatRecipeCode(recipe)));
    ASSERT_TRUE(dialog.Opened());
    ASSERT_EQ(std::nullopt, form.OpenRecipe(*dialog.Opened()));
    ASSERT_NE(nullptr, form.ShownShape());
    const ShapeMaze expected = BuildShapeMaze(*MakeShape({ShapeKind::Circle, {6, 6}, {}}), recipe.how, recipe.seed);
    EXPECT_EQ(expected.passages.open, form.ShownShape()->passages.open);
    EXPECT_EQ(QString::fromStdString(FormatRecipeCode(recipe)), form.MazeCode());
    EXPECT_TRUE(form.play().action().isEnabled());  // a shape is played like any maze

    form.command2().click();
    const QImage alone = form.surface().image();
    const ShapeView view = form.program().ShapeShown()->View(kClientHeight - 1);
    // Red at a route cell's centre: the route has reached it.
    const auto reached = [&](std::size_t i) {
        const PointF c = view.Map(expected.shape.centres[expected.route[i]]);
        const QColor colour = form.surface().image().pixelColor(static_cast<int>(c.x), static_cast<int>(c.y));
        return colour.red() > 200 && colour.green() < 80;
    };
    const int steps = static_cast<int>(expected.route.size()) - 1;
    for (int tick = 1; tick <= steps; ++tick) {
        EXPECT_TRUE(form.timer1().isActive()) << tick;
        form.program().Timer1_Timer();
        EXPECT_EQ(tick, form.program().ShapeShown()->Steps());
        if (tick == 1) {
            EXPECT_NE(alone, form.surface().image());  // the first step is drawn at once
        }
        if (tick + 1 < steps) {
            EXPECT_TRUE(reached(static_cast<std::size_t>(tick)) && !reached(static_cast<std::size_t>(tick) + 1)) << tick;
        }
    }
    EXPECT_FALSE(form.timer1().isActive());
    form.program().Timer1_Timer();  // a tick late in the queue goes no further than G
    EXPECT_EQ(steps, form.program().ShapeShown()->Steps());
    ImageSurface full(kClientWidth, kClientHeight, WindowFont());
    DrawShape(expected.shape, expected.passages, full, view);
    DrawShapeRoute(expected.shape, expected.route, full, view);
    EXPECT_EQ(full.image(), form.surface().image());
}

// The facts box says of a shape what --facts says: its turns among them, counted here as the
// steps whose direction between the cells' centres changes by more than 30 degrees.
TEST(ShapeWindow, TheFactsBoxCountsAShapesTurns)
{
    Form1 form;
    const Recipe recipe{ShapeKind::Hexagon, {6, 6}, {}, {Algorithm::Backtracker}, 4242};
    ASSERT_EQ(std::nullopt, form.OpenRecipe(recipe));
    const ShapeMaze& maze = *form.ShownShape();
    int turns = 0;
    for (std::size_t i = 2; i < maze.route.size(); ++i) {
        const auto direction = [&](std::size_t to) {
            const PointF a = maze.shape.centres[maze.route[to - 1]], b = maze.shape.centres[maze.route[to]];
            return std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi;
        };
        const double change = std::abs(std::remainder(direction(i) - direction(i - 1), 360.0));
        turns += change > 30 ? 1 : 0;
    }
    ASSERT_GT(turns, 0);
    const QString text = ShapeFactsText(maze, form.program().ShapeShown()->Choice(), recipe.how, form.MazeCode());
    EXPECT_TRUE(text.contains(QStringLiteral("Turns on the route: %1\n").arg(turns))) << text.toStdString();
}

TEST(ShapeWindow, TheShapeChosenIsKeptForTheNextRun)
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Form1 form;
    const ShapeChoice hexagon{ShapeKind::Hexagon, {8, 8}, {}};
    form.ChooseShape(hexagon);
    EXPECT_EQ(hexagon, RememberedShape());
    EXPECT_EQ(Algorithm::Backtracker, form.program().builtWith().algorithm);
    for (QAction* action : form.sizeMenu().actions())
        if (action->data().toInt() == 15)
            action->trigger();  // the menu's size is a rectangle's
    EXPECT_EQ(ShapeKind::Rectangle, RememberedShape()->kind);
}

}  // namespace
}  // namespace tolvane
