// The difficulty measures and the levels' bands.
#include <gtest/gtest.h>

#include <set>

#include "core/MazeCheck.h"
#include "core/generate/MakeMaze.h"
#include "core/generate/RouteFirst.h"
#include "core/search/Texture.h"
#include "core/platform/Random.h"
#include "core/shape/ShapeChoice.h"
#include "core/shape/ShapeMaze.h"
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

// The maze a seed names on `shape`, built `how` as its code rebuilds it: perfect, and its
// route and decisions as the search for it measured them.
Texture Rebuilt(const Shape& shape, const BuildChoice& how, std::uint64_t seed, const Difficulty& measured)
{
    const ShapeMaze maze = BuildShapeMaze(shape, how, seed);
    EXPECT_TRUE(IsPerfect(shape.graph, maze.passages));
    const Texture t = MeasureTexture(shape.graph, maze.passages);
    EXPECT_EQ(measured.route, t.route);
    EXPECT_EQ(static_cast<int>(maze.route.size()), t.route);
    EXPECT_EQ(measured.junctions, t.decisions);
    return t;
}

TEST(Difficulty, ALevelsClassSetOnEveryShapeWithLevelsLiesWithinItsTargets)
{
    ClockRandom random;
    for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Hexagon, ShapeKind::Triangle, ShapeKind::HexagonRectangle,
                           ShapeKind::TriangleRectangle}) {
        for (const Level& rectangle : kLevels) {
            const Level level = *LevelOn(kind, rectangle.number);
            const Shape shape = *MakeShape({kind, level.size, {}});
            // About as many cells as the level's rectangle, its way to build, its route's share.
            const double cells = shape.graph.CellCount();
            EXPECT_NEAR(cells / static_cast<double>(rectangle.size.Cells()), 1.0, 0.12) << InfoOf(kind).name << rectangle.number;
            // A rectangle of hexagons or triangles is about as wide as it is tall.
            if (InfoOf(kind).twoSides) {
                EXPECT_NEAR(shape.width / shape.height, 1.0, 0.2) << InfoOf(kind).name << rectangle.number;
            }
            EXPECT_EQ(rectangle.algorithm, level.algorithm);
            EXPECT_NEAR(level.route / cells, rectangle.route / static_cast<double>(rectangle.size.Cells()), 0.01);
            Passages passages(shape.graph);
            std::set<std::uint64_t> seeds;
            for (int i = 0; i < 25; ++i) {
                const auto d = BuildLevelMaze(shape.graph, passages, random, level);
                ASSERT_TRUE(d) << InfoOf(kind).name << " level " << level.number;
                const Texture t = Rebuilt(shape, level.How(), *random.LastSeed(), *d);
                EXPECT_GE(t.route, level.LeastRoute());
                EXPECT_LE(t.route, level.MostRoute());
                EXPECT_GE(t.decisions, level.LeastDecisions()) << InfoOf(kind).name << " level " << level.number;
                EXPECT_LE(t.decisions, level.MostDecisions()) << InfoOf(kind).name << " level " << level.number;
                seeds.insert(*random.LastSeed());
            }
            EXPECT_EQ(25u, seeds.size());
        }
    }
    // The measure the table came from gives it again: level 3 on a circle, from 101 mazes.
    const Shape circle = *MakeShape({ShapeKind::Circle, {13, 13}, {}});
    const Level again = LevelMeasuredOn(circle.graph, kLevels[2], random);
    EXPECT_EQ(LevelOn(ShapeKind::Circle, 3)->route, again.route);
    EXPECT_TRUE(Level::Near(again.decisions, LevelOn(ShapeKind::Circle, 3)->decisions)) << again.decisions;
    EXPECT_EQ(kLevels[2].size, LevelOn(ShapeKind::Rectangle, 3)->size);
    EXPECT_EQ(MazeSize(13, 13), LevelOn(ShapeKind::Circle, 3)->size);
    EXPECT_FALSE(LevelOn(ShapeKind::Circle, 6));
    EXPECT_FALSE(LevelOn(ShapeKind::Hexagon, 0));
    EXPECT_FALSE(HasLevels(ShapeKind::Outline));
    EXPECT_TRUE(HasLevels(ShapeKind::TriangleRectangle));
}

TEST(Difficulty, ARouteAskedOnShapesIsMetFromTheLeastToTheMost)
{
    ClockRandom random;
    const ShapeChoice shapes[] = {{ShapeKind::Triangle, {12, 12}, {}}, {ShapeKind::TriangleRectangle, {24, 9}, {}},
                                  {ShapeKind::Circle, {8, 8}, {}}, {ShapeKind::HexagonRectangle, {15, 11}, {}}};
    for (const ShapeChoice& choice : shapes) {
        const Shape shape = *MakeShape(choice);
        const MazeGraph& g = shape.graph;
        const RouteRange range = RouteRangeOf(g);
        const int tolerance = std::max(1, g.CellCount() * 2 / 100);
        Passages passages(g);
        for (int route : {range.least, g.CellCount() / 4, g.CellCount() / 2, range.most}) {
            // The route laid first is a way from S to G through different cells, never longer than
            // asked (it may stop short: the seeds below are drawn until one reaches the length).
            const std::vector<CellId> laid = StretchedRoute(g, route, random, 64LL * g.CellCount());
            EXPECT_LE(static_cast<int>(laid.size()), route);
            EXPECT_EQ(laid.size(), std::set<CellId>(laid.begin(), laid.end()).size());
            ASSERT_EQ(g.start, laid.front());
            ASSERT_EQ(g.goal, laid.back());
            for (std::size_t i = 1; i < laid.size(); ++i)
                EXPECT_TRUE(std::ranges::any_of(g.Neighbours(laid[i - 1]), [&](const Link& l) { return l.to == laid[i]; }));
            for (int i = 0; i < 4; ++i) {
                const Algorithm way = i % 2 ? Algorithm::Backtracker : Algorithm::Kruskal;
                const auto d = BuildRouteMaze(g, passages, random, way, route, tolerance);
                ASSERT_TRUE(d) << InfoOf(choice.kind).name << " " << route;
                EXPECT_LE(std::abs(Rebuilt(shape, {way, 0, true}, *random.LastSeed(), *d).route - route), tolerance);
            }
        }
    }
}

}  // namespace
}  // namespace tolvane::testing
