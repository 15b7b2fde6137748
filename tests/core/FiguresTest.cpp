// The figures a maze's facts print (route, decisions, turns, dead ends, false branches, the
// longest path) and the searches' counts of cells entered, each against a reference written
// plainly here: on many mazes of every shape and way, with and without loops, and on small
// mazes counted by hand where a definition has a corner (loops, a ring's seam, ties).
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <numbers>

#include "core/BuildCheck.h"
#include "core/generate/MakeMaze.h"
#include "core/graph/Rectangle.h"
#include "core/search/Searches.h"
#include "core/search/Texture.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"
#include "core/watch/Watch.h"

namespace tolvane::testing {
namespace {

std::size_t At(CellId c) { return static_cast<std::size_t>(c); }

Passages Opened(const MazeGraph& g, std::initializer_list<std::pair<CellId, CellId>> pairs)
{
    Passages p(g);
    for (const auto& [a, b] : pairs) {
        bool found = false;
        for (const Link& l : g.Neighbours(a))
            if (l.to == b) {
                p.Carve(l.wall);
                found = true;
            }
        EXPECT_TRUE(found) << a << " and " << b << " are no neighbours";
    }
    return p;
}

// Steps from `from` to every cell through open walls, -1 where it cannot go.
std::vector<int> StepsFrom(const MazeGraph& g, const Passages& p, std::vector<CellId> from)
{
    std::vector<int> d(At(g.CellCount()), -1);
    std::deque<CellId> queue(from.begin(), from.end());
    for (const CellId c : from)
        d[At(c)] = 0;
    while (!queue.empty()) {
        const CellId c = queue.front();
        queue.pop_front();
        for (const Link& l : g.Neighbours(c))
            if (p.Open(l.wall) && d[At(l.to)] < 0) {
                d[At(l.to)] = d[At(c)] + 1;
                queue.push_back(l.to);
            }
    }
    return d;
}

// The route the facts measure: depth first from S, neighbours in the shape's order, written
// as plain recursion.
bool Walk(const MazeGraph& g, const Passages& p, CellId c, std::vector<std::uint8_t>& been, std::vector<CellId>& route)
{
    been[At(c)] = 1;
    route.push_back(c);
    if (c == g.goal)
        return true;
    for (const Link& l : g.Neighbours(c))
        if (p.Open(l.wall) && !been[At(l.to)] && Walk(g, p, l.to, been, route))
            return true;
    route.pop_back();
    return false;
}

std::vector<CellId> DepthFirstRoute(const MazeGraph& g, const Passages& p)
{
    std::vector<std::uint8_t> been(At(g.CellCount()), 0);
    std::vector<CellId> route;
    Walk(g, p, g.start, been, route);
    return route;
}

struct Figures {
    int route = 0, decisions = 0, turns = -1, deadEnds = 0, branches = 0, longestBranch = 0, longestPath = 0;
    double meanBranch = 0;  // in a perfect maze: each branch is a tree hanging off the route
};

// Every figure by its definition: a decision is a route cell (not G) with two or more open
// ways to cells neither on the route so far nor beside it through an open wall; a false
// branch is an open way from the route to a cell off it; its depth is the steps from the route.
Figures Reference(const MazeGraph& g, const Passages& p, const StraightOn& straight)
{
    Figures f;
    const std::vector<CellId> route = DepthFirstRoute(g, p);
    f.route = static_cast<int>(route.size());
    f.deadEnds = DeadEnds(g, p);
    for (CellId a = 0; a < g.CellCount(); ++a) {
        const std::vector<int> d = StepsFrom(g, p, {a});
        for (const int steps : d)
            f.longestPath = std::max(f.longestPath, steps + 1);
    }
    if (route.empty())
        return f;
    std::vector<std::uint8_t> onRoute(At(g.CellCount()), 0);
    for (const CellId c : route)
        onRoute[At(c)] = 1;
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        int fresh = 0;
        for (const Link& l : g.Neighbours(route[i])) {
            bool seen = false;
            for (std::size_t j = 0; j <= i && !seen; ++j) {
                seen = route[j] == l.to;
                for (const Link& k : g.Neighbours(route[j]))
                    seen = seen || (j < i && p.Open(k.wall) && k.to == l.to);
            }
            fresh += p.Open(l.wall) && !seen;
        }
        f.decisions += fresh >= 2;
    }
    if (straight) {
        f.turns = 0;
        for (std::size_t i = 1; i + 1 < route.size(); ++i)
            f.turns += !straight(route[i - 1], route[i], route[i + 1]);
    }
    for (CellId c = 0; c < g.CellCount(); ++c) {
        bool besideRoute = false;
        for (const Link& l : g.Neighbours(c))
            besideRoute = besideRoute || (p.Open(l.wall) && onRoute[At(l.to)]);
        f.branches += !onRoute[At(c)] && besideRoute;
    }
    const std::vector<int> depth = StepsFrom(g, p, route);
    for (const int d : depth)
        f.longestBranch = std::max(f.longestBranch, d);
    // Each branch's depth: the farthest it goes from where it leaves the route, the route shut.
    Passages shut = p;
    for (WallId w = 0; w < g.WallCount(); ++w)
        if (onRoute[At(g.SideA(w))] || onRoute[At(g.SideB(w))])
            shut.Close(w);
    for (CellId c = 0; c < g.CellCount(); ++c) {
        bool root = false;
        for (const Link& l : g.Neighbours(c))
            root = root || (p.Open(l.wall) && onRoute[At(l.to)]);
        if (onRoute[At(c)] || !root)
            continue;
        int deepest = 0;
        for (const int d : StepsFrom(g, shut, {c}))
            deepest = std::max(deepest, d);
        f.meanBranch += (deepest + 1.0) / f.branches;
    }
    return f;
}

void ExpectFigures(const Figures& want, const Texture& t, const std::string& what)
{
    EXPECT_EQ(t.route, want.route) << what;
    EXPECT_EQ(t.decisions, want.decisions) << what;
    EXPECT_EQ(t.turns, want.turns) << what;
    EXPECT_EQ(t.deadEnds, want.deadEnds) << what;
    EXPECT_EQ(t.branches, want.branches) << what;
    EXPECT_EQ(t.longestBranch, want.longestBranch) << what;
}

// Straight on across a picture: the two steps between centres turn by at most 30 degrees.
StraightOn AcrossThePicture(const Shape& s)
{
    return [&s](CellId a, CellId b, CellId c) {
        const PointF pa = s.centres[At(a)], pb = s.centres[At(b)], pc = s.centres[At(c)];
        const double ux = pb.x - pa.x, uy = pb.y - pa.y, vx = pc.x - pb.x, vy = pc.y - pb.y;
        return (ux * vx + uy * vy) >= std::cos(std::numbers::pi / 6) * std::hypot(ux, uy) * std::hypot(vx, vy);
    };
}

TEST(Figures, OnEveryShapeAndWayWithAndWithoutLoopsEachFigureIsItsDefinitions)
{
    const Shape shapes[] = {RectangleShape({7, 6}), CircleShape(4), HexagonShape(3), TriangleShape(6),
                            HexagonRectangleShape({6, 5}), TriangleRectangleShape({7, 5})};
    for (const Shape& s : shapes) {
        // The circle's rule is its own (along a ring is straight on); it is counted by hand below.
        const StraightOn rule = s.pole ? CentresStraight(s) : AcrossThePicture(s);
        for (const AlgorithmInfo& way : kAlgorithms)
            for (const int loops : {0, 40})
                for (std::uint64_t seed = 1; seed <= 2; ++seed) {
                    const BuildChoice how{way.id, loops, false};
                    const Passages p = BuildShapeMaze(s, how, seed * 7919 + loops).passages;
                    const std::string what = std::string(InfoOf(s.kind).name) + " " + std::string(way.name) + " loops " +
                                             std::to_string(loops) + " seed " + std::to_string(seed);
                    const Figures want = Reference(s.graph, p, rule);
                    const Texture t = MeasureTexture(s.graph, p, CentresStraight(s));
                    ExpectFigures(want, t, what);
                    // Exact without loops; with them the two sweeps give a way no longer than the longest.
                    if (loops == 0) {
                        EXPECT_EQ(t.longestPath, want.longestPath) << what;
                        EXPECT_NEAR(t.meanBranch, want.meanBranch, 1e-9) << what;
                    } else {
                        EXPECT_LE(t.longestPath, want.longestPath) << what;
                    }
                }
    }
}

TEST(Figures, OnClassicRectanglesTheFiguresAreTheirDefinitions)
{
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        const MazeSize size{static_cast<int>(6 + seed), static_cast<int>(9 - seed % 4)};
        const MazeState maze = MazeFromRecipe(seed, size, {Algorithm::Regions, seed % 2 ? 0 : 30, false});
        const MazeGraph g = RectangleGraph(size);
        // Straight on when both steps move the same way, read from the cells' columns and rows.
        const auto straight = [w = size.width](CellId a, CellId b, CellId c) {
            return b % w - a % w == c % w - b % w && b / w - a / w == c / w - b / w;
        };
        const Passages p = PassagesOf(g, maze);
        const Figures want = Reference(g, p, straight);
        const Texture t = MeasureTexture(maze);
        ExpectFigures(want, t, "seed " + std::to_string(seed));
        EXPECT_EQ(t.cells, size.Cells());
        EXPECT_LE(t.longestPath, want.longestPath);
        if (seed % 2) {
            EXPECT_EQ(t.longestPath, want.longestPath);
            EXPECT_NEAR(t.meanBranch, want.meanBranch, 1e-9);
        }
    }
}

// 3 x 3, cells row by row, S at 0 and G at 8:   0 - 1 - 2
//                                               |   |   |
//                                               3 - 4 - 5
//                                               |       |
//                                               6 - 7   8
// The route is 0-1-2-5-8. At 0 the ways to 1 and 3 are new (a decision); at 1 those to 2 and 4
// (a decision); at 5 the way to 4 was seen from 1, so only the way to G is new: no decision.
TEST(Figures, OnARectangleWithALoopAWaySeenBeforeIsNoNewDecision)
{
    const MazeGraph g = RectangleGraph({3, 3});
    const Passages p = Opened(g, {{0, 1}, {1, 2}, {2, 5}, {5, 8}, {0, 3}, {3, 4}, {1, 4}, {4, 5}, {3, 6}, {6, 7}});
    const Texture t = MeasureTexture(g, p, RectangleStraight());
    EXPECT_EQ(t.route, 5);
    EXPECT_EQ(t.decisions, 2);
    EXPECT_EQ(t.turns, 1);     // right, right, down, down
    EXPECT_EQ(t.deadEnds, 1);  // 7
    // Two ways off the route, at 3 and at 4; 3-6-7 runs three deep.
    EXPECT_EQ(t.branches, 2);
    EXPECT_EQ(t.longestBranch, 3);
    EXPECT_DOUBLE_EQ(t.meanBranch, 2.0);
    EXPECT_EQ(t.longestPath, 6);  // 7-6-3-4-1-2 (or -5-8)
}

// A circle of two rings: the middle cell 0 (S) and a ring of six, 1 at the top right and on
// clockwise to 6 at the top left; G is 4, at the bottom left. The ring's numbers start again
// between 6 and 1.
TEST(Figures, OnACircleFollowingTheRingPastItsSeamIsStraightOnAndALoopCountsOnce)
{
    const Shape s = CircleShape(2);
    ASSERT_EQ(s.graph.CellCount(), 7);
    ASSERT_EQ(s.graph.start, 0);
    ASSERT_EQ(s.graph.goal, 4);
    // Out to 5, then round the ring through 6, 1, 2, 3 to G: one turn, where it leaves the middle.
    const Passages ring = Opened(s.graph, {{0, 5}, {5, 6}, {6, 1}, {1, 2}, {2, 3}, {3, 4}});
    Texture t = MeasureTexture(s.graph, ring, CentresStraight(s));
    EXPECT_EQ(t.route, 7);
    EXPECT_EQ(t.turns, 1);
    EXPECT_EQ(t.decisions, 0);
    EXPECT_EQ(t.deadEnds, 0);
    EXPECT_EQ(t.branches, 0);
    EXPECT_EQ(t.longestBranch, 0);
    EXPECT_EQ(t.longestPath, 7);
    // A spoke to 2 as well: the route 0-2-3-4; at 0 the ways to 2 and 5 are new, at 2 those to
    // 3 and 1 (1 is reached the other way round too, but was not seen yet). Two ways off the
    // route (5 and 1) meet at 6, two steps deep. The longest way is 4-3-2-1-6.
    const Passages looped = Opened(s.graph, {{0, 5}, {5, 6}, {6, 1}, {1, 2}, {2, 3}, {3, 4}, {0, 2}});
    t = MeasureTexture(s.graph, looped, CentresStraight(s));
    EXPECT_EQ(t.route, 4);
    EXPECT_EQ(t.turns, 1);
    EXPECT_EQ(t.decisions, 2);
    EXPECT_EQ(t.deadEnds, 0);
    EXPECT_EQ(t.branches, 2);
    EXPECT_EQ(t.longestBranch, 2);
    EXPECT_EQ(t.longestPath, 5);
    // A hand on the wall, starting as if come in from above, goes right to 2, then round the
    // ring the other way (1, 6, 5) back into the middle, and round again: it walks in circles
    // round the middle, never reaching G, and gives up with the five cells it entered.
    const GraphRoute hand = FindSearch("left-hand")->run(s.graph, looped, ShapePlaces(s), nullptr);
    EXPECT_TRUE(hand.cells.empty());
    EXPECT_EQ(hand.visited, 5);
}

// A hexagon of two cells a side:     0   1
//                                  2   3   4
//                                    5   6
// S is 0 and G is 6; 3 is the middle, with six neighbours.
TEST(Figures, OnAHexagonTurnsAreSixtyDegreesAndALoopRoundTheMiddleCountsOnce)
{
    const Shape s = HexagonShape(2);
    ASSERT_EQ(s.graph.CellCount(), 7);
    ASSERT_EQ(s.graph.start, 0);
    ASSERT_EQ(s.graph.goal, 6);
    // Straight through the middle: no turn.
    Texture t = MeasureTexture(s.graph, Opened(s.graph, {{0, 3}, {3, 6}}), CentresStraight(s));
    EXPECT_EQ(t.route, 3);
    EXPECT_EQ(t.turns, 0);
    // The loop 0-1-4-3-2-0 and a dead end 5 off the middle: the route 0-1-4-6 (right, down
    // right, down left: two turns); decisions at 0 (1 and 2 new) and at 4 (3 and G new).
    const Passages p = Opened(s.graph, {{0, 1}, {1, 4}, {4, 6}, {4, 3}, {3, 2}, {2, 0}, {3, 5}});
    t = MeasureTexture(s.graph, p, CentresStraight(s));
    EXPECT_EQ(t.route, 4);
    EXPECT_EQ(t.turns, 2);
    EXPECT_EQ(t.decisions, 2);
    EXPECT_EQ(t.deadEnds, 1);
    EXPECT_EQ(t.branches, 2);  // to 2 and to 3
    EXPECT_EQ(t.longestBranch, 2);
    EXPECT_EQ(t.longestPath, 4);
    // A hand on the wall, as if come in from above: left first is east, to 1; then down right
    // to 4 and down left to G, entering nothing else.
    StepRecord record;
    const GraphRoute hand = FindSearch("left-hand")->run(s.graph, p, ShapePlaces(s), &record);
    std::vector<CellId> entered;
    for (const StepEvent& e : record.steps)
        if (e.kind == StepKind::Enter)
            entered.push_back(e.cell);
    EXPECT_EQ(entered, (std::vector<CellId>{0, 1, 4, 6}));
    EXPECT_EQ(hand.cells, (std::vector<CellId>{0, 1, 4, 6}));
    // Dead-end filling fills 5 alone (3 still has two ways) and reads the shorter way of the
    // loop: one cell filled and four on the route.
    const GraphRoute filled = FindSearch("dead-end-filling")->run(s.graph, p, ShapePlaces(s), nullptr);
    EXPECT_EQ(filled.cells, (std::vector<CellId>{0, 1, 4, 6}));
    EXPECT_EQ(filled.visited, 5);
}

// A* by its definition, written as a plain scan rather than a queue: it enters the cell not yet
// entered with the least steps found plus estimate, the most steps among equals, then the one
// whose steps were found first. The estimate is the Manhattan distance on a square grid, and
// otherwise the straight line to G divided by the longest step between neighbours.
GraphRoute ReferenceAStar(const MazeGraph& g, const Passages& p, const CellPlaces& places)
{
    const auto n = At(g.CellCount());
    double longest = 0;
    for (WallId w = 0; w < g.WallCount(); ++w)
        longest = std::max(longest, std::hypot(places.x[At(g.SideA(w))] - places.x[At(g.SideB(w))],
                                               places.y[At(g.SideA(w))] - places.y[At(g.SideB(w))]));
    const auto estimate = [&](CellId c) {
        const double dx = places.x[At(c)] - places.x[At(g.goal)], dy = places.y[At(c)] - places.y[At(g.goal)];
        return places.squareGrid ? std::abs(dx) + std::abs(dy) : std::hypot(dx, dy) / longest;
    };
    std::vector<int> steps(n, -1);
    std::vector<long> found(n, -1);
    std::vector<CellId> cameFrom(n, kNoCell);
    std::vector<std::uint8_t> entered(n, 0);
    long order = 0;
    steps[At(g.start)] = 0;
    found[At(g.start)] = order++;
    GraphRoute result;
    for (;;) {
        CellId next = kNoCell;
        for (CellId c = 0; c < g.CellCount(); ++c) {
            if (entered[At(c)] || steps[At(c)] < 0)
                continue;
            if (next == kNoCell) {
                next = c;
                continue;
            }
            const double tc = steps[At(c)] + estimate(c), tn = steps[At(next)] + estimate(next);
            if (tc != tn ? tc < tn : steps[At(c)] != steps[At(next)] ? steps[At(c)] > steps[At(next)] : found[At(c)] < found[At(next)])
                next = c;
        }
        if (next == kNoCell)
            return result;
        entered[At(next)] = 1;
        ++result.visited;
        if (next == g.goal)
            break;
        for (const Link& l : g.Neighbours(next))
            if (p.Open(l.wall) && !entered[At(l.to)] && (steps[At(l.to)] < 0 || steps[At(l.to)] > steps[At(next)] + 1)) {
                steps[At(l.to)] = steps[At(next)] + 1;
                found[At(l.to)] = order++;
                cameFrom[At(l.to)] = next;
            }
    }
    for (CellId c = g.goal; c != kNoCell; c = cameFrom[At(c)])
        result.cells.insert(result.cells.begin(), c);
    return result;
}

// Breadth-first by its definition: the cells by their steps from S, each step's in the order
// they were reached, until G.
int ReferenceBreadthFirstCount(const MazeGraph& g, const Passages& p)
{
    std::vector<CellId> queue{g.start};
    std::vector<std::uint8_t> queued(At(g.CellCount()), 0);
    queued[At(g.start)] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        if (queue[head] == g.goal)
            return static_cast<int>(head) + 1;
        for (const Link& l : g.Neighbours(queue[head]))
            if (p.Open(l.wall) && !queued[At(l.to)]) {
                queued[At(l.to)] = 1;
                queue.push_back(l.to);
            }
    }
    return static_cast<int>(queue.size());
}

// Depth-first enters every cell it tries before G; the recursion above enters the same ones.
int ReferenceDepthFirstCount(const MazeGraph& g, const Passages& p)
{
    std::vector<std::uint8_t> been(At(g.CellCount()), 0);
    std::vector<CellId> route;
    Walk(g, p, g.start, been, route);
    return static_cast<int>(std::count(been.begin(), been.end(), 1));
}

int CountOf(const std::vector<WayCount>& counts, std::string_view name)
{
    for (const WayCount& c : counts)
        if (c.name == name)
            return c.visited;
    ADD_FAILURE() << "no way " << name;
    return -1;
}

// The counts the watch window and the command line print for each search, against the
// references, on every shape: steps of one length (squares, hexagons), of two (triangles) and
// of many (a circle's rings), with loops, where A* meets ties and a too-long estimate would
// change the cells it enters and, with loops, the route it finds.
TEST(Figures, TheSearchesCountsOfCellsEnteredAreTheirDefinitions)
{
    const Shape shapes[] = {RectangleShape({9, 7}), CircleShape(5), CircleShape(8), HexagonShape(4), TriangleShape(8),
                            HexagonRectangleShape({8, 6}), TriangleRectangleShape({9, 6})};
    for (const Shape& s : shapes) {
        const CellPlaces places = ShapePlaces(s);
        for (const Algorithm way : {Algorithm::Backtracker, Algorithm::Kruskal, Algorithm::Prim})
            for (const int loops : {0, 50, 100})
                for (std::uint64_t seed = 1; seed <= 3; ++seed) {
                    const Passages p = BuildShapeMaze(s, {way, loops, false}, seed * 104729 + loops).passages;
                    const std::string what = std::string(InfoOf(s.kind).name) + " " + std::to_string(s.graph.CellCount()) + " " +
                                             std::string(InfoOf(way).name) + " loops " + std::to_string(loops) + " seed " +
                                             std::to_string(seed);
                    const std::vector<WayCount> counts = CountEveryWay(s.graph, p, places);
                    const GraphRoute aStar = ReferenceAStar(s.graph, p, places);
                    EXPECT_EQ(CountOf(counts, "a-star"), aStar.visited) << what;
                    EXPECT_EQ(SearchAStar(s.graph, p, places).cells, aStar.cells) << what;
                    EXPECT_EQ(CountOf(counts, "breadth-first"), ReferenceBreadthFirstCount(s.graph, p)) << what;
                    EXPECT_EQ(CountOf(counts, "depth-first"), ReferenceDepthFirstCount(s.graph, p)) << what;
                    // Every cell off the route of a perfect maze lies in a corridor that fills.
                    if (loops == 0) {
                        EXPECT_EQ(CountOf(counts, "dead-end-filling"), s.graph.CellCount()) << what;
                    }
                    // A* and breadth-first find a shortest route, loops or none.
                    const int shortest = StepsFrom(s.graph, p, {s.graph.start})[At(s.graph.goal)] + 1;
                    for (const WayCount& c : counts)
                        if (c.name == "a-star" || c.name == "breadth-first" || c.name == "dead-end-filling") {
                            EXPECT_EQ(c.route, shortest) << what << " " << c.name;
                        }
                }
    }
}

// Ties counted by hand on a 3 x 3 square grid with every wall open, S at 0 and G at 8: every
// cell lies on a shortest way, so each total is 4; the most steps first makes A* go straight
// for G, entering only the cells of one way: 0, 1, 2, 5, 8 (found first among equals: right).
TEST(Figures, AStarBreaksTiesTowardsTheCellFurthestFromS)
{
    const MazeGraph g = RectangleGraph({3, 3});
    const Passages p = Opened(g, {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {6, 7}, {7, 8}, {0, 3}, {3, 6}, {1, 4}, {4, 7}, {2, 5}, {5, 8}});
    StepRecord record;
    const GraphRoute route = SearchAStar(g, p, RectanglePlaces({3, 3}), &record);
    std::vector<CellId> entered;
    for (const StepEvent& e : record.steps)
        if (e.kind == StepKind::Enter)
            entered.push_back(e.cell);
    EXPECT_EQ(entered, (std::vector<CellId>{0, 1, 2, 5, 8}));
    EXPECT_EQ(route.visited, 5);
    EXPECT_EQ(route.cells, (std::vector<CellId>{0, 1, 2, 5, 8}));
}

}  // namespace
}  // namespace tolvane::testing
