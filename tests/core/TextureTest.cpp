// Texture figures: exact on a maze worked by hand, the classic measures on classic mazes, and
// each way to build where its texture is known to fall.
#include <gtest/gtest.h>

#include "core/generate/MakeMaze.h"
#include "core/graph/Rectangle.h"
#include "core/search/Texture.h"
#include "core/maze/BuildMaze.h"
#include "core/solve/Difficulty.h"
#include "core/platform/Random.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"

#include <cmath>
#include "core/BuildCheck.h"

namespace tolvane {
namespace {

// Opens the walls between the listed pairs of cells of `g`.
Passages Opened(const MazeGraph& g, std::initializer_list<std::pair<CellId, CellId>> pairs)
{
    Passages p(g);
    for (const auto& [a, b] : pairs)
        for (const Link& l : g.Neighbours(a))
            if (l.to == b)
                p.Carve(l.wall);
    return p;
}

TEST(Texture, AMazeWorkedByHandGivesEveryFigure)
{
    // 4 x 3, cells numbered row by row:    S 0  1  2  3
    //                                         4  5  6  7
    //                                         8  9 10 11 G
    // Route 0-4-5-6-10-11; branches 5-1-2-3 (3 deep, 2-3 a dead end), 4-8-9 (2 deep, 9 a dead
    // end), 6-7 (7 a dead end); decisions at 4 (5 and 8 new) and 5 (1 and 6 new) and 6 (7, 10).
    const MazeGraph g = RectangleGraph({4, 3});
    const Passages p = Opened(g, {{0, 4}, {4, 5}, {5, 6}, {6, 10}, {10, 11}, {5, 1}, {1, 2}, {2, 3}, {4, 8}, {8, 9}, {6, 7}});
    ASSERT_TRUE(IsPerfect(g, p));
    const Texture t = MeasureTexture(g, p, RectangleStraight());
    EXPECT_EQ(t.cells, 12);
    EXPECT_EQ(t.route, 6);
    EXPECT_EQ(t.decisions, 3);
    EXPECT_EQ(t.deadEnds, 3);
    EXPECT_EQ(t.branches, 3);
    EXPECT_EQ(t.longestBranch, 3);
    EXPECT_DOUBLE_EQ(t.meanBranch, 2.0);
    EXPECT_EQ(t.turns, 3);        // down, right, right, down, right: three changes
    EXPECT_EQ(t.longestPath, 7);  // 3-2-1-5-4-8-9, or 3-2-1-5-6-10-11
}

TEST(Texture, OnClassicMazesTheFiguresAgreeWithTheClassicMeasures)
{
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const MazeSize size{static_cast<int>(5 + seed % 30), static_cast<int>(4 + seed % 17)};
        const MazeState maze = MazeFromSeed(seed, size);
        const Difficulty d = Measure(maze);
        const Texture t = MeasureTexture(maze);
        EXPECT_EQ(t.route, d.route) << seed;
        EXPECT_EQ(t.deadEnds, d.deadEnds) << seed;
        EXPECT_EQ(t.decisions, d.junctions) << seed;
    }
}

TEST(Texture, LoopsAlreadySeenAreNoNewDecision)
{
    // 2 x 2 with every wall open: from S both neighbours are new (one decision); at the next
    // cell the way on to G is new but nothing else is, and the route's last step is no choice.
    const MazeGraph g = RectangleGraph({2, 2});
    const Passages p = Opened(g, {{0, 1}, {0, 2}, {1, 3}, {2, 3}});
    const Texture t = MeasureTexture(g, p);
    EXPECT_EQ(t.route, 3);
    EXPECT_EQ(t.decisions, 1);
    EXPECT_EQ(t.deadEnds, 0);
    EXPECT_EQ(t.turns, -1);  // no rule given
}

// Where each way's texture falls on 20 x 20 over 100 mazes: the mean dead-end share and the
// mean share of cells on the longest path. The depth-first ways leave about a tenth of the
// cells as dead ends and run their longest path through a third to a half of the maze; Prim's
// leaves the most dead ends and the shortest longest path; Wilson's uniform trees sit just
// below Kruskal's in dead ends and just above in longest path.
struct Band {
    Algorithm algorithm;
    double deadLow, deadHigh, longLow, longHigh;
};
const Band kBands[] = {
    {Algorithm::Backtracker, 0.09, 0.12, 0.50, 0.65},
    {Algorithm::HuntAndKill, 0.085, 0.115, 0.32, 0.43},
    {Algorithm::GrowingTree, 0.22, 0.265, 0.235, 0.30},
    {Algorithm::Prim, 0.33, 0.37, 0.12, 0.17},
    {Algorithm::Kruskal, 0.294, 0.315, 0.185, 0.217},
    {Algorithm::Wilson, 0.275, 0.294, 0.217, 0.25},
    {Algorithm::Regions, 0.29, 0.33, 0.16, 0.205},
};

TEST(Texture, EachWayToBuildFallsWhereItsTextureIsKnownToFall)
{
    const MazeGraph g = RectangleGraph({20, 20});
    constexpr int kMazes = 100;
    for (const Band& band : kBands) {
        testing::SeededRandom random(2024);
        double dead = 0;
        double longest = 0;
        for (int i = 0; i < kMazes; ++i) {
            const Texture t = MeasureTexture(g, InfoOf(band.algorithm).build(g, random, nullptr));
            dead += t.DeadEndShare() / kMazes;
            longest += t.LongestPathShare() / kMazes;
        }
        const std::string name(InfoOf(band.algorithm).name);
        EXPECT_GE(dead, band.deadLow) << name;
        EXPECT_LE(dead, band.deadHigh) << name;
        EXPECT_GE(longest, band.longLow) << name;
        EXPECT_LE(longest, band.longHigh) << name;
    }
}

}  // namespace
}  // namespace tolvane

namespace tolvane {
namespace {

// Turns on any shape are changes of direction between cell centres of more than 30 degrees: on
// the rectangle exactly the rectangle's own rule; along a circle's ring straight on, however it
// bends, and off the ring a turn; across a hexagon straight on to the opposite side only.
TEST(Texture, TurnsOnShapesAreChangesOfDirectionBetweenCentres)
{
    const Shape square = RectangleShape({12, 9});
    ClockRandom random;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        random.Seed(seed);
        const Passages p = BuildPassages(square.graph, {Algorithm::Backtracker}, random);
        EXPECT_EQ(MeasureTexture(square.graph, p, CentresStraight(square)).turns,
                  MeasureTexture(square.graph, p, RectangleStraight()).turns);
    }
    const Shape circle = CircleShape(5);
    const StraightOn onCircle = CentresStraight(circle);
    const auto radius = [&](CellId c) {
        const PointF p = circle.centres[static_cast<std::size_t>(c)];
        return std::hypot(p.x - circle.pole->x, p.y - circle.pole->y);
    };
    int checked = 0;
    for (CellId b = 0; b < circle.graph.CellCount(); ++b) {
        std::vector<CellId> ring, across;
        for (const Link& l : circle.graph.Neighbours(b))
            (std::abs(radius(l.to) - radius(b)) < 1e-3 ? ring : across).push_back(l.to);
        if (ring.size() == 2 && !across.empty() && radius(b) > 1.5) {
            EXPECT_TRUE(onCircle(ring[0], b, ring[1])) << "along the ring at " << b;
            EXPECT_FALSE(onCircle(ring[0], b, across[0])) << "off the ring at " << b;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
    const Shape hexagon = HexagonShape(3);
    const StraightOn onHexagon = CentresStraight(hexagon);
    const CellId middle = hexagon.graph.CellCount() / 2;
    const auto at = [&](CellId c) { return hexagon.centres[static_cast<std::size_t>(c)]; };
    int straight = 0, turns = 0;
    for (const Link& a : hexagon.graph.Neighbours(middle))
        for (const Link& c : hexagon.graph.Neighbours(middle)) {
            if (a.to == c.to)
                continue;
            const bool opposite = std::hypot(at(a.to).x + at(c.to).x - 2 * at(middle).x, at(a.to).y + at(c.to).y - 2 * at(middle).y) < 1e-3;
            EXPECT_EQ(onHexagon(a.to, middle, c.to), opposite);
            (opposite ? straight : turns) += 1;
        }
    EXPECT_EQ(straight, 6);
    EXPECT_EQ(turns, 24);
}

}  // namespace
}  // namespace tolvane
