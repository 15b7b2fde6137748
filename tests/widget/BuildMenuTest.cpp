// The window's Way to Build menu, the choice kept for the next run, and the facts.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/MazeCheck.h"
#include "core/generate/MakeMaze.h"
#include "core/code/Recipe.h"
#include "qt/window/FactsBox.h"
#include "qt/window/Form1.h"

namespace tolvane::testing {
namespace {

QAction* Entry(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

TEST(BuildMenu, AWayChosenBuildsTheMazeItsCodeNamesIsTickedAndKeptForTheNextRun)
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Form1 form;
    ASSERT_EQ(RememberedBuildChoice(), std::nullopt);
    QAction* backtracker = Entry(form.buildMenu(), "Recursive backtracker");
    QAction* loops = Entry(form.buildMenu(), "Loops: 25 % of the dead ends opened");
    ASSERT_TRUE(backtracker && loops);
    backtracker->trigger();
    loops->trigger();
    const auto read = ReadCode(form.MazeCode().toStdString());
    ASSERT_TRUE(read.recipe) << form.MazeCode().toStdString();
    EXPECT_EQ(read.recipe->how, (BuildChoice{Algorithm::Backtracker, 25}));
    EXPECT_TRUE(MazeFromRecipe(read.recipe->seed, kClassicSize, read.recipe->how).Walls == form.Maze().Walls);
    EXPECT_TRUE(backtracker->isChecked() && loops->isChecked());
    EXPECT_EQ(RememberedBuildChoice(), (BuildChoice{Algorithm::Backtracker, 25}));
    // A classic code opened goes back to the classic way, and the menu says so.
    form.OpenMaze(12345);
    EXPECT_EQ(form.MazeCode().toStdString(), FormatMazeCode(12345));
    EXPECT_TRUE(Entry(form.buildMenu(), "Regions (classic)")->isChecked());
}

TEST(BuildMenu, TheFactsNameTheCodeTheWayAndTheRouteOfTheMazeShown)
{
    Form1 form;
    form.OpenMaze(777, {15, 15}, {Algorithm::Kruskal});
    const QString text = FactsText(form.Maze(), {Algorithm::Kruskal}, form.MazeCode());
    const auto route = ShortestPath(form.Maze()).size();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Maze %1: 15 x 15 cells\nKruskal's algorithm\nRoute: %2 cells")
                                    .arg(form.MazeCode())
                                    .arg(route)))
        << text.toStdString();
    EXPECT_EQ(form.factsAction().shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

}  // namespace
}  // namespace tolvane::testing
