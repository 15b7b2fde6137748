// The depth-first search: the route it leaves, its marks, and a goal it cannot reach.
#include <gtest/gtest.h>

#include <set>

#include "core/Harness.h"
#include "core/MazeCheck.h"
#include "core/search/Searches.h"

namespace tolvane::testing {
namespace {

TEST(Search, OnTheEmptyFrameItSnakesThroughEveryCellRowByRow)
{
    Harness h;
    h.program.Form_Load();
    Solve(h.s);
    ASSERT_EQ(kTrue, h.s.Found);
    ASSERT_EQ(441, h.s.PathLen);
    EXPECT_EQ(0, h.s.PathX(0));
    EXPECT_EQ(0, h.s.PathY(0));
    for (int i = 1; i <= 441; ++i) {
        const int row = (i - 1) / kSide;
        const int step = (i - 1) % kSide;
        const int column = row % 2 == 0 ? step : kLast - step;  // even rows run left to right
        ASSERT_EQ(column, h.s.PathX(i)) << i;
        ASSERT_EQ(row, h.s.PathY(i)) << i;
    }
    EXPECT_EQ(0, h.s.StepCount);
}

TEST(Search, OnGeneratedMazesTheRouteIsTheOnlyPathFromStartToGoal)
{
    Harness h;
    h.program.Form_Load();
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        h.BuildWithSeed(seed);
        h.s.StepCount = 17;
        Solve(h.s);
        ASSERT_EQ(kTrue, h.s.Found);
        ASSERT_EQ(0, h.s.StepCount);
        ASSERT_GE(h.s.PathLen, 41);
        // Entries 0 and 1 are both the start: the replay's first segment has no length.
        ASSERT_EQ(0, h.s.PathX(0) | h.s.PathY(0) | h.s.PathX(1) | h.s.PathY(1));
        const auto route = RouteCells(h.s);
        // In a perfect maze the shortest path is the only one; the route must be it, which
        // also makes its steps neighbours through open walls with no cell twice.
        ASSERT_EQ(ShortestPath(h.s), route) << "seed " << seed;
        // The marks: every route cell entered, nothing in the border ring.
        for (auto [x, y] : route)
            ASSERT_EQ(kTrue, h.s.Visited(x, y));
        for (int k = -1; k <= kSide; ++k) {
            for (int border : {-1, kSide}) {
                ASSERT_EQ(0, h.s.Visited(k, border));
                ASSERT_EQ(0, h.s.Visited(border, k));
            }
        }
        // A second search on the same maze finds the same route.
        const Int16 pathLen = h.s.PathLen;
        Solve(h.s);
        ASSERT_EQ(pathLen, h.s.PathLen);
        ASSERT_EQ(route, RouteCells(h.s));
    }
}

TEST(Search, AGoalCutOffIsNotFoundAndEveryCellIsBackedOutOf)
{
    Harness h;
    h.program.Form_Load();
    h.s.Walls(19, 20) = 3;  // wall left of the goal
    h.s.Walls(20, 19) = 3;  // wall above the goal
    Solve(h.s);
    EXPECT_EQ(kFalse, h.s.Found);
    EXPECT_EQ(0, h.s.PathLen);
    EXPECT_EQ(0, h.s.Visited(20, 20));
    EXPECT_EQ(kTrue, h.s.Visited(19, 20));
}

}  // namespace
}  // namespace tolvane::testing
