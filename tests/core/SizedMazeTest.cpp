// Mazes of every size: the regions, perfect mazes, and the search that does not recurse.
#include <gtest/gtest.h>

#include "core/MazeCheck.h"
#include "core/maze/BuildMaze.h"
#include "core/search/Searches.h"

namespace tolvane::testing {
namespace {

// The search as it was first written, recursing once a cell: the reference the search is held
// to. The caller tests the wall, the guard whether the cell was entered.
void RecursiveSolveFrom(MazeState& s, int x, int y)
{
    if (x < 0 || x > s.LastX() || y < 0 || y > s.LastY() || s.Visited(x, y) != kFalse)
        return;
    ++s.PathLen;
    s.PathX(s.PathLen) = static_cast<Int16>(x);
    s.PathY(s.PathLen) = static_cast<Int16>(y);
    s.Visited(x, y) = kTrue;
    if (x == s.LastX() && y == s.LastY()) {
        s.Found = kTrue;
        return;
    }
    const std::pair<bool, std::pair<int, int>> tries[] = {
        {s.Walls(x, y) / 2 == 0, {x + 1, y}},
        {s.Walls(x - 1, y) / 2 == 0, {x - 1, y}},
        {s.Walls(x, y) % 2 == 0, {x, y + 1}},
        {s.Walls(x, y - 1) % 2 == 0, {x, y - 1}},
    };
    for (const auto& [open, next] : tries) {
        if (!open)
            continue;
        RecursiveSolveFrom(s, next.first, next.second);
        if (s.Found)
            return;
    }
    --s.PathLen;
}

void RecursiveSolve(MazeState& s)
{
    for (int x = -1; x <= s.LastX(); ++x)
        for (int y = -1; y <= s.LastY(); ++y)
            s.Visited(x, y) = kFalse;
    s.PathX(0) = s.PathY(0) = 0;
    s.PathLen = 0;
    s.Found = kFalse;
    RecursiveSolveFrom(s, 0, 0);
    s.StepCount = 0;
}

// Both searches of `maze` leave the same marks, the same length and the same entries, those
// above PathLen included.
void ExpectSameSearch(const MazeState& maze, const std::string& what)
{
    MazeState iterative = maze;
    MazeState recursive = maze;
    Solve(iterative);
    RecursiveSolve(recursive);
    ASSERT_EQ(recursive.Found, iterative.Found) << what;
    ASSERT_EQ(recursive.PathLen, iterative.PathLen) << what;
    for (long long i = 0; i <= maze.size.Cells(); ++i) {
        ASSERT_EQ(recursive.PathX(i), iterative.PathX(i)) << what << " entry " << i;
        ASSERT_EQ(recursive.PathY(i), iterative.PathY(i)) << what << " entry " << i;
    }
    for (int x = -1; x <= maze.Width(); ++x)
        for (int y = -1; y <= maze.Height(); ++y)
            ASSERT_EQ(recursive.Visited(x, y), iterative.Visited(x, y)) << what << " (" << x << ", " << y << ")";
}

// The empty frame that start-up shows, at any size.
MazeState Frame(MazeSize size)
{
    MazeState s(size);
    for (int k = 0; k <= s.LastX(); ++k)
        s.Walls(k, -1) = s.Walls(k, s.LastY()) = kBottomWall;
    for (int k = 0; k <= s.LastY(); ++k)
        s.Walls(-1, k) = s.Walls(s.LastX(), k) = kRightWall;
    s.Walls(s.LastX(), s.LastY()) = kBottomWall + kRightWall;
    return s;
}

std::string Name(MazeSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

TEST(SizedMaze, RegionsGrowWithTheAreaAndTheClassicMazeKeepsItsHundred)
{
    EXPECT_EQ(100, RegionCount({21, 21}));
    EXPECT_EQ(1, RegionCount({2, 2}));
    EXPECT_EQ(27, RegionCount({11, 11}));       // 27.4
    EXPECT_EQ(218, RegionCount({31, 31}));      // 217.9
    EXPECT_EQ(200, RegionCount({21, 42}));      // twice the area, twice the regions
    EXPECT_EQ(227211, RegionCount({1001, 1001}));
}

TEST(SizedMaze, EverySizeGivesAPerfectMazeAndTheRouteOfTheRecursiveSearch)
{
    std::vector<MazeSize> sizes;
    for (int n = 2; n <= 160; ++n)
        sizes.push_back({n, n});
    for (const MazeSize odd : {MazeSize{2, 3}, {3, 2}, {2, 300}, {300, 2}, {21, 22}, {22, 21}, {45, 31}, {17, 250},
                               {301, 45}, {211, 210}, {300, 300}})
        sizes.push_back(odd);
    std::uint64_t seed = 1;
    for (const MazeSize size : sizes) {
        const MazeState maze = MazeFromSeed(seed++, size);
        ASSERT_EQ("", PerfectMazeProblem(maze)) << Name(size);
        ExpectSameSearch(maze, Name(size));
        MazeState searched = maze;
        Solve(searched);
        ASSERT_EQ(ShortestPath(maze), RouteCells(searched)) << Name(size);
    }
    // Walls that leave several ways or none: the order still decides, and a cut-off goal is
    // missed the same way.
    MazeState open = Frame({9, 7});
    ExpectSameSearch(open, "open 9x7");
    open.Walls(7, 6) = kRightWall + kBottomWall;
    open.Walls(8, 5) = kRightWall + kBottomWall;
    ExpectSameSearch(open, "cut-off 9x7");
}

TEST(SizedMaze, TheSearchSnakesThroughAMillionCellFrameWithoutRecursing)
{
    MazeState s = Frame({1001, 1001});
    Solve(s);
    ASSERT_EQ(kTrue, s.Found);
    ASSERT_EQ(1001 * 1001, s.PathLen);
    for (int i = 1; i <= s.PathLen; ++i) {
        const int row = (i - 1) / 1001;
        const int step = (i - 1) % 1001;
        ASSERT_EQ(row % 2 == 0 ? step : 1000 - step, s.PathX(i)) << i;
        ASSERT_EQ(row, s.PathY(i)) << i;
    }
}

TEST(SizedMaze, TheBiggestMazeIsPerfectAndASeedRebuildsIt)
{
    const MazeState maze = MazeFromSeed(7, {1001, 1001});
    ASSERT_EQ("", PerfectMazeProblem(maze));
    const MazeState again = MazeFromSeed(7, {1001, 1001});
    for (int x = -1; x <= 1001; ++x)
        for (int y = -1; y <= 1001; ++y)
            ASSERT_EQ(maze.Walls(x, y), again.Walls(x, y));
    MazeState searched = maze;
    Solve(searched);
    ASSERT_EQ(std::nullopt, quality::CheckRoute(searched));
}

}  // namespace
}  // namespace tolvane::testing
