// The ways to build: perfect mazes on any graph, the same maze for the same seed, the classic
// generator untouched, loops only when asked, and the steps each reports.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ranges>
#include <set>

#include "core/generate/MakeMaze.h"
#include "core/graph/Rectangle.h"
#include "core/maze/BuildMaze.h"
#include "core/BuildCheck.h"

namespace tolvane {
namespace {

using testing::DeadEnds;
using testing::SeededRandom;
using testing::WheelGraph;

const MazeSize kSizes[] = {{2, 2}, {2, 9}, {7, 3}, {21, 21}, {40, 25}};

TEST(Build, EveryWayGivesAPerfectMazeOnRectanglesAndOnOtherGraphs)
{
    std::uint64_t seed = 5;
    for (const AlgorithmInfo& a : kAlgorithms) {
        for (MazeSize size : kSizes) {
            const MazeGraph g = RectangleGraph(size);
            SeededRandom random(seed++);
            EXPECT_TRUE(IsPerfect(g, a.build(g, random, nullptr))) << a.name << " " << size.width << "x" << size.height;
        }
        for (int rim : {3, 8, 50}) {
            const MazeGraph g = WheelGraph(rim);
            SeededRandom random(seed++);
            EXPECT_TRUE(IsPerfect(g, a.build(g, random, nullptr))) << a.name << " wheel " << rim;
        }
    }
}

TEST(Build, TheSameSeedBuildsTheSameMazeAndAnotherSeedAnother)
{
    for (const AlgorithmInfo& a : kAlgorithms) {
        const BuildChoice how{a.id, 30};
        const MazeState first = MazeFromRecipe(77, {15, 12}, how);
        EXPECT_TRUE(first.Walls == MazeFromRecipe(77, {15, 12}, how).Walls) << a.name;
        EXPECT_FALSE(first.Walls == MazeFromRecipe(78, {15, 12}, how).Walls) << a.name;
    }
}

TEST(Build, RegionsOnARectangleIsTheClassicGeneratorDrawForDraw)
{
    for (MazeSize size : {kClassicSize, MazeSize{31, 45}, MazeSize{101, 101}}) {
        const MazeState classic = MazeFromSeed(424242, size);
        EXPECT_TRUE(MazeFromRecipe(424242, size, {}) == classic) << size.width;
    }
}

TEST(Build, LoopsOnTheClassicGeneratorComeAfterItsOwnDrawsAndOnlyOpenWalls)
{
    const MazeState classic = MazeFromSeed(31337, {25, 25});
    const MazeState looped = MazeFromRecipe(31337, {25, 25}, {Algorithm::Regions, 60});
    const Passages before = PassagesOf(classic);
    const Passages after = PassagesOf(looped);
    const MazeGraph g = RectangleGraph({25, 25});
    int added = 0;
    for (WallId w = 0; w < g.WallCount(); ++w) {
        EXPECT_TRUE(!before.Open(w) || after.Open(w)) << w;  // every passage stays
        added += after.Open(w) && !before.Open(w);
    }
    const int target = static_cast<int>(std::lround(DeadEnds(g, before) * 0.6));
    EXPECT_GE(DeadEnds(g, before) - DeadEnds(g, after), target);
    EXPECT_LE(added, target);
}

TEST(Build, LoopsRemoveTheShareOfDeadEndsAskedForAndNoneWithout)
{
    for (const AlgorithmInfo& a : kAlgorithms) {
        const MazeGraph g = RectangleGraph({30, 30});
        SeededRandom random(9);
        const Passages tree = a.build(g, random, nullptr);
        const int before = DeadEnds(g, tree);
        for (int percent : {0, 25, 50, 100}) {
            Passages p = tree;
            Braid(g, p, percent, random, nullptr);
            const int target = static_cast<int>(std::lround(before * percent / 100.0));
            const int removed = before - DeadEnds(g, p);
            // Opening a dead end into another removes two, so the last opening may take one more.
            EXPECT_GE(removed, target) << a.name << " " << percent;
            EXPECT_LE(removed, target + 1) << a.name << " " << percent;
            EXPECT_EQ(p.OpenCount() - tree.OpenCount() == 0, percent == 0);
        }
    }
}

TEST(Build, TheStepsReportEveryCellTakenInAndEveryWallOpenedOnce)
{
    const MazeGraph g = RectangleGraph({12, 9});
    for (const AlgorithmInfo& a : kAlgorithms) {
        SeededRandom random(3);
        StepRecord steps;
        const Passages p = a.build(g, random, &steps);
        std::multiset<WallId> opened;
        std::set<CellId> grouped;
        for (const StepEvent& s : steps.steps) {
            if (s.kind == StepKind::Open)
                opened.insert(s.wall);
            if (s.kind == StepKind::Enter || s.kind == StepKind::Group)
                grouped.insert(s.cell);
        }
        std::multiset<WallId> open;
        for (WallId w = 0; w < g.WallCount(); ++w)
            if (p.Open(w))
                open.insert(w);
        EXPECT_EQ(opened, open) << a.name;
        EXPECT_EQ(static_cast<int>(grouped.size()), g.CellCount()) << a.name;
        if (a.id != Algorithm::Kruskal)
            continue;
        // Each cell's set as the steps tell it: in the end one set, which every join named.
        std::map<CellId, std::int32_t> set;
        for (const StepEvent& s : steps.steps)
            if (s.kind == StepKind::Group)
                set[s.cell] = s.group;
        EXPECT_EQ(std::set<std::int32_t>(std::views::values(set).begin(), std::views::values(set).end()).size(), 1u);
    }
}

TEST(Build, TheTableFindsEveryWayByNameAndLetterAndNothingElse)
{
    std::set<char> letters;
    for (const AlgorithmInfo& a : kAlgorithms) {
        EXPECT_EQ(InfoOf(a.id).name, a.name);
        EXPECT_EQ(AlgorithmNamed(a.name), a.id);
        EXPECT_EQ(AlgorithmLettered(a.letter), a.id);
        letters.insert(a.letter);
    }
    EXPECT_EQ(letters.size(), kAlgorithms.size());
    EXPECT_EQ(AlgorithmNamed("Hunt-And-Kill"), Algorithm::HuntAndKill);
    EXPECT_EQ(AlgorithmNamed("prims"), std::nullopt);
    EXPECT_EQ(AlgorithmLettered('Z'), std::nullopt);
}

}  // namespace
}  // namespace tolvane
