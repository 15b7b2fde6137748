// The maze graph: the rectangle's cells and walls, the classic state read both ways, the search.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/maze/BuildMaze.h"
#include "core/MazeCheck.h"

namespace tolvane {
namespace {

const MazeSize kSizes[] = {{2, 2}, {3, 7}, {21, 21}, {31, 45}, {45, 31}, {60, 60}};

TEST(Graph, TheRectangleListsRightLeftDownUpAndEveryWallOnceFromBothSides)
{
    for (MazeSize size : kSizes) {
        const MazeGraph g = RectangleGraph(size);
        ASSERT_EQ(g.CellCount(), size.width * size.height);
        EXPECT_EQ(g.WallCount(), (size.width - 1) * size.height + size.width * (size.height - 1));
        EXPECT_EQ(g.start, 0);
        EXPECT_EQ(g.goal, RectangleCell(size, size.width - 1, size.height - 1));
        // The middle of the second row of a maze at least 3 wide and 3 high has all four.
        if (size.width >= 3 && size.height >= 3) {
            const CellId c = RectangleCell(size, 1, 1);
            std::vector<CellId> order;
            for (const Link& l : g.Neighbours(c))
                order.push_back(l.to);
            EXPECT_EQ(order, (std::vector<CellId>{c + 1, c - 1, c + size.width, c - size.width}));
        }
        for (CellId c = 0; c < g.CellCount(); ++c)
            for (const Link& l : g.Neighbours(c))
                EXPECT_EQ(g.Across(l.wall, c), l.to) << c;
    }
}

TEST(Graph, AClassicMazeReadsAsPassagesOfAPerfectMazeAndBackUnchanged)
{
    std::uint64_t seed = 11;
    for (MazeSize size : kSizes) {
        const MazeState maze = MazeFromSeed(seed++, size);
        const Passages p = PassagesOf(maze);
        EXPECT_TRUE(IsPerfect(RectangleGraph(size), p));
        MazeState back(size);
        ApplyPassages(p, back);
        EXPECT_TRUE(back.Walls == maze.Walls) << size.width << "x" << size.height;
    }
}

TEST(Graph, TheDepthFirstSearchFindsTheClassicRouteAndCountsItsCells)
{
    std::uint64_t seed = 99;
    for (MazeSize size : kSizes) {
        MazeState maze = MazeFromSeed(seed++, size);
        Solve(maze);
        std::vector<CellId> classic;
        for (const auto& [x, y] : testing::RouteCells(maze))
            classic.push_back(RectangleCell(size, x, y));
        StepRecord steps;
        const GraphRoute route = SearchDepthFirst(RectangleGraph(size), PassagesOf(maze), &steps);
        EXPECT_EQ(route.cells, classic);
        int entered = 0;
        int routeSteps = 0;
        for (const StepEvent& s : steps.steps) {
            entered += s.kind == StepKind::Enter;
            routeSteps += s.kind == StepKind::Route;
        }
        EXPECT_EQ(entered, route.visited);
        EXPECT_EQ(routeSteps, static_cast<int>(classic.size()));
    }
}

TEST(Graph, AShapeThatNamesANeighbourFromOneSideOnlyIsRefused)
{
    GraphBuilder b(3);
    b.BeginCell(0);
    b.Link(1);
    b.BeginCell(1);
    b.Link(0);
    b.Link(2);
    b.BeginCell(2);  // never names 1 back
    EXPECT_THROW(b.Finish(0, 2), std::logic_error);
    GraphBuilder again(2);
    again.BeginCell(0);
    EXPECT_THROW(again.Link(0), std::logic_error);
}

TEST(Graph, APerfectMazeHasNoLoopAndNoUnreachedCell)
{
    const MazeGraph g = RectangleGraph({2, 2});  // walls: 0-1, 0-2, 1-3, 2-3
    Passages p(g);
    for (WallId w = 0; w < 3; ++w)
        p.Carve(w);
    EXPECT_TRUE(IsPerfect(g, p));
    p.Carve(3);  // a loop
    EXPECT_FALSE(IsPerfect(g, p));
    p.Close(0);
    p.Close(3);  // two passages: cell 0 cut off
    EXPECT_FALSE(IsPerfect(g, p));
}

}  // namespace
}  // namespace tolvane
