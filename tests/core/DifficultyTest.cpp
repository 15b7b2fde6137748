// The difficulty measures and the levels' bands.
#include <gtest/gtest.h>

#include <set>

#include "core/MazeCheck.h"
#include "core/generate/MakeMaze.h"
#include "core/platform/Random.h"
#include "core/solve/Difficulty.h"

namespace tolvane::testing {
namespace {

TEST(Difficulty, CountsTheRouteTheDeadEndsAndTheJunctionsOnTheRoute)
{
    // S . .      S opens right and down, (1, 0) right and down: two junctions on the route
    // . . G      S (0,0) (1,0) (1,1) G: four cells; (2, 0) and (0, 1) are dead ends
    MazeState s({3, 2});
    for (int x = -1; x <= 2; ++x)
        for (int y = -1; y <= 1; ++y)
            s.Walls(x, y) = 3;
    s.Walls(0, 0) = 0;                  // open right and down
    s.Walls(1, 0) = 0;                  // open right and down
    s.Walls(1, 1) = kBottomWall;        // open right
    const Difficulty d = Measure(s);
    EXPECT_EQ(4, d.route);
    EXPECT_EQ(2, d.deadEnds);
    EXPECT_EQ(2, d.junctions);
}

TEST(Difficulty, ALevelsClassSetIsTwentyFiveDifferentMazesAllWithinTenPercentOfBothTargets)
{
    ClockRandom random;
    for (const Level& level : kLevels) {
        std::set<std::uint64_t> seeds;
        for (int i = 0; i < 25; ++i) {
            MazeState maze;
            const auto d = BuildLevelMaze(maze, random, level);
            ASSERT_TRUE(d) << level.number;
            ASSERT_EQ(level.size, maze.size);
            ASSERT_EQ("", PerfectWallsProblem(maze));
            // The route measured is the maze's one path, and both figures inside the band.
            ASSERT_EQ(ShortestPath(maze).size(), static_cast<std::size_t>(d->route));
            EXPECT_LE(10 * std::abs(d->route - level.route), level.route) << level.number;
            EXPECT_LE(10 * std::abs(d->junctions - level.decisions), level.decisions) << level.number;
            // The seed and the level's way rebuild it.
            EXPECT_TRUE(MazeFromRecipe(*random.LastSeed(), level.size, level.How()).Walls == maze.Walls);
            seeds.insert(*random.LastSeed());
        }
        EXPECT_EQ(25u, seeds.size());
    }
    EXPECT_FALSE(LevelNumbered(0));
    EXPECT_FALSE(LevelNumbered(6));
    EXPECT_EQ(3, LevelNumbered(3)->number);
}

TEST(Difficulty, ARouteAskedForIsMetWithinTwoPercentOfTheCellsFromTheLeastToTheMost)
{
    ClockRandom random;
    for (MazeSize size : {MazeSize{8, 8}, MazeSize{21, 21}, MazeSize{50, 30}}) {
        const int cells = static_cast<int>(size.Cells());
        const int least = size.width + size.height - 1;
        const int most = cells * 8 / 10;
        const int tolerance = std::max(1, cells * 2 / 100);
        const Algorithm ways[] = {Algorithm::Regions, Algorithm::Backtracker, Algorithm::Prim, Algorithm::Wilson};
        for (int route : {least, cells / 4, cells / 2, most}) {
            for (int i = 0; i < 8; ++i) {
                MazeState maze(size);
                const Algorithm way = ways[i % 4];
                ASSERT_TRUE(BuildRouteMaze(maze, random, way, route, tolerance)) << size.width << " " << route;
                EXPECT_EQ("", PerfectWallsProblem(maze));
                const int found = static_cast<int>(ShortestPath(maze).size());
                EXPECT_LE(std::abs(found - route), tolerance) << size.width << "x" << size.height << " asked " << route;
                EXPECT_TRUE(MazeFromRecipe(*random.LastSeed(), size, {way, 0, true}).Walls == maze.Walls);
            }
        }
    }
}

}  // namespace
}  // namespace tolvane::testing
