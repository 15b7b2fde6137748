// The regions build told step by step: the same maze, and steps that rebuild it exactly.
#include <gtest/gtest.h>

#include "core/graph/Rectangle.h"
#include "core/graph/RegionsBuild.h"
#include "core/maze/BuildMaze.h"

namespace tolvane {
namespace {

TEST(BuildSteps, TheRectanglesWallsAreNumberedAsItsGraphNumbersThem)
{
    for (MazeSize size : {MazeSize{2, 2}, MazeSize{5, 3}, MazeSize{3, 6}, MazeSize{21, 21}}) {
        const MazeGraph g = RectangleGraph(size);
        for (WallId w = 0; w < g.WallCount(); ++w) {
            const CellId a = g.SideA(w);
            const CellId b = g.SideB(w);
            EXPECT_EQ(RectangleWall(size, a % size.width, a / size.width, b % size.width, b / size.width), w);
            EXPECT_EQ(RectangleWall(size, b % size.width, b / size.width, a % size.width, a / size.width), w);
        }
    }
}

// Both ways of drawing cells: the whole square (up to 441 cells) and the frontier lists.
TEST(BuildSteps, TheStepsRebuildTheSameMazeTheBuildMakesUnwatched)
{
    std::uint64_t seed = 5;
    for (MazeSize size : {kClassicSize, MazeSize{7, 4}, MazeSize{33, 29}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        StepRecord record;
        RegionsBuildSteps steps(size, record);
        const MazeState watched = MazeFromSeed(seed, size, &steps);
        const MazeState unwatched = MazeFromSeed(seed, size);
        ++seed;
        EXPECT_TRUE(watched == unwatched);

        // Every cell gets its region once, seeds first; every wall opened once; every region
        // but the first linked once, after all the growing.
        const MazeGraph graph = RectangleGraph(size);
        Passages rebuilt(graph);
        std::vector<int> groups(static_cast<std::size_t>(graph.CellCount()), 0);
        int groupSteps = 0;
        int grown = 0;
        int links = 0;
        for (const StepEvent& s : record.steps) {
            if (s.kind == StepKind::Group) {
                EXPECT_EQ(groups[static_cast<std::size_t>(s.cell)], 0);
                groups[static_cast<std::size_t>(s.cell)] = s.group;
                EXPECT_EQ(links, 0);
            } else {
                ASSERT_EQ(s.kind, StepKind::Open);
                EXPECT_FALSE(rebuilt.Open(s.wall));
                rebuilt.Carve(s.wall);
                grown += s.group == 0;
                links += s.group != 0;
                EXPECT_TRUE(s.group == 0 || s.group == groups[static_cast<std::size_t>(s.cell)]);
            }
            groupSteps += s.kind == StepKind::Group;
        }
        EXPECT_EQ(groupSteps - grown, RegionCount(size));  // the seeds
        EXPECT_EQ(groupSteps, graph.CellCount());
        EXPECT_EQ(links, RegionCount(size) - 1);
        EXPECT_EQ(rebuilt, PassagesOf(watched));
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                EXPECT_EQ(groups[static_cast<std::size_t>(RectangleCell(size, x, y))], watched.Region(x, y));
    }
}

}  // namespace
}  // namespace tolvane
