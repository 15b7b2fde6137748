// Shapes: every shape's graph and outlines hold together, and every shape builds a perfect maze.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/generate/Algorithms.h"
#include "core/shape/ShapeMaze.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/platform/Random.h"
#include "core/platform/surface/RecordingSurface.h"
#include "core/render/DrawShape.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Mask.h"
#include "core/shape/make/Polygons.h"
#include "core/shape/make/Tiling.h"
#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"

namespace tolvane {
namespace {

struct Named {
    std::string name;
    std::function<Shape()> make;
    int cells;  // how many cells it must have
};

std::vector<Named> SomeShapes()
{
    std::vector<Named> all;
    for (int n : {2, 3, 7, 12}) {
        all.push_back({"hexagon " + std::to_string(n), [n] { return HexagonShape(n); }, 3 * n * (n - 1) + 1});
        all.push_back({"triangle " + std::to_string(n), [n] { return TriangleShape(n); }, n * n});
    }
    for (MazeSize s : {MazeSize{1, 2}, MazeSize{2, 5}, MazeSize{9, 4}, MazeSize{15, 16}}) {
        const std::string wh = std::to_string(s.width) + "x" + std::to_string(s.height);
        all.push_back({"rectangle " + wh, [s] { return RectangleShape(s); }, s.width * s.height});
        all.push_back({"hexagon rectangle " + wh, [s] { return HexagonRectangleShape(s); }, s.width * s.height});
        all.push_back({"triangle rectangle " + wh, [s] { return TriangleRectangleShape(s); }, s.width * s.height});
    }
    for (int rings : {2, 3, 6, 25}) {
        int cells = 0;
        for (int c : RingCells(rings))
            cells += c;
        all.push_back({"circle " + std::to_string(rings), [rings] { return CircleShape(rings); }, cells});
    }
    return all;
}

bool Near(PointF a, PointF b) { return std::abs(a.x - b.x) < 1e-3f && std::abs(a.y - b.y) < 1e-3f; }

TEST(Shape, NeighboursAreMutualAndEveryWallIsOneEdgeOnTheOutlinesOfBothItsCells)
{
    for (const Named& named : SomeShapes()) {
        SCOPED_TRACE(named.name);
        const Shape s = named.make();
        const MazeGraph& g = s.graph;
        ASSERT_EQ(g.CellCount(), named.cells);
        ASSERT_EQ(s.centres.size(), static_cast<std::size_t>(g.CellCount()));
        std::map<std::int32_t, std::set<CellId>> edgeCells;  // which outlines hold each edge
        for (CellId c = 0; c < g.CellCount(); ++c) {
            for (const Link& l : g.Neighbours(c)) {
                int back = 0;
                for (const Link& r : g.Neighbours(l.to))
                    back += r.to == c && r.wall == l.wall;
                ASSERT_EQ(back, 1) << c << " -> " << l.to;
                const Edge& e = s.edges[static_cast<std::size_t>(s.wallEdge[static_cast<std::size_t>(l.wall)])];
                EXPECT_EQ(e.wall, l.wall);
            }
            for (std::int32_t e : s.Outline(c))
                edgeCells[e].insert(c);
        }
        ASSERT_EQ(edgeCells.size(), s.edges.size());
        for (const auto& [e, cells] : edgeCells) {
            const Edge& edge = s.edges[static_cast<std::size_t>(e)];
            if (edge.wall < 0) {
                EXPECT_EQ(cells.size(), 1u) << "frame edge " << e;
            } else {
                EXPECT_EQ(cells, (std::set<CellId>{g.SideA(edge.wall), g.SideB(edge.wall)})) << "wall " << edge.wall;
            }
        }
    }
}

TEST(Shape, EveryCellsOutlineClosesInsideThePictureAndHoldsItsCentre)
{
    for (const Named& named : SomeShapes()) {
        SCOPED_TRACE(named.name);
        const Shape s = named.make();
        for (CellId c = 0; c < s.graph.CellCount(); ++c) {
            // A closed outline meets every corner it reaches exactly twice.
            std::vector<std::pair<PointF, int>> ends;
            float left = s.width, right = 0, top = s.height, bottom = 0;
            for (std::int32_t i : s.Outline(c)) {
                const Edge& e = s.edges[static_cast<std::size_t>(i)];
                if (e.arc) {
                    EXPECT_TRUE(Near(e.from, OnCircle(e.centre, e.radius, e.startDeg)));
                    EXPECT_TRUE(Near(e.to, OnCircle(e.centre, e.radius, e.startDeg + e.sweepDeg)));
                }
                for (PointF p : {e.from, e.to}) {
                    EXPECT_TRUE(p.x > -1e-3f && p.y > -1e-3f && p.x < s.width + 1e-3f && p.y < s.height + 1e-3f);
                    left = std::min(left, p.x), right = std::max(right, p.x);
                    top = std::min(top, p.y), bottom = std::max(bottom, p.y);
                    auto found = std::find_if(ends.begin(), ends.end(), [p](const auto& q) { return Near(p, q.first); });
                    if (found == ends.end())
                        ends.push_back({p, 1});
                    else
                        ++found->second;
                }
            }
            for (const auto& [p, times] : ends)
                EXPECT_EQ(times, 2) << "cell " << c << " at " << p.x << "," << p.y;
            EXPECT_EQ(ends.size(), s.Outline(c).size()) << "cell " << c << ": one loop";
            // A ring's inner cell and the circle's centre span the whole turn; others hold their centre in their box.
            const PointF m = s.centres[static_cast<std::size_t>(c)];
            if (!s.pole) {
                EXPECT_TRUE(m.x > left && m.x < right && m.y > top && m.y < bottom) << "cell " << c;
            }
        }
    }
}

TEST(Shape, EveryWayBuildsAPerfectMazeOnEveryShapeWhoseRouteJoinsSToGThroughOpenWalls)
{
    std::uint64_t seed = 23;
    for (const Named& named : SomeShapes()) {
        for (const AlgorithmInfo& way : kAlgorithms) {
            SCOPED_TRACE(std::string(named.name) + ", " + std::string(way.name));
            const ShapeMaze maze = BuildShapeMaze(named.make(), {way.id, 0}, seed++);
            const MazeGraph& g = maze.shape.graph;
            const Passages& p = maze.passages;
            ASSERT_TRUE(IsPerfect(g, p));
            const std::vector<CellId>& route = maze.route;
            ASSERT_FALSE(route.empty());
            EXPECT_EQ(route.front(), g.start);
            EXPECT_EQ(route.back(), g.goal);
            std::set<CellId> seen;
            for (std::size_t i = 0; i + 1 < route.size(); ++i) {
                int open = 0;
                for (const Link& l : g.Neighbours(route[i]))
                    open += l.to == route[i + 1] && p.Open(l.wall);
                EXPECT_EQ(open, 1) << "step " << i;
                EXPECT_TRUE(seen.insert(route[i]).second) << "cell twice on the route";
            }
        }
    }
}

TEST(Shape, TheRectangleIsTheClassicGraphAndShapesPutSAndGWhereExpected)
{
    for (MazeSize size : {MazeSize{21, 21}, MazeSize{5, 3}}) {
        const Shape s = RectangleShape(size);
        const MazeGraph classic = RectangleGraph(size);
        ASSERT_EQ(s.graph.WallCount(), classic.WallCount());
        for (CellId c = 0; c < classic.CellCount(); ++c) {
            const auto a = s.graph.Neighbours(c), b = classic.Neighbours(c);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << c;
        }
        EXPECT_EQ(s.graph.start, classic.start);
        EXPECT_EQ(s.graph.goal, classic.goal);
        EXPECT_EQ(s.width, size.width);
        EXPECT_EQ(s.height, size.height);
        // Laid out directly, it is the shape the squares make as tiles, edge for edge.
        static constexpr std::array<int, 4> kRightLeftDownUp{1, 3, 2, 0};
        std::vector<Tile> squares;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
                squares.push_back({{{fx, fy}, {fx + 1, fy}, {fx + 1, fy + 1}, {fx, fy + 1}}, {fx + 0.5f, fy + 0.5f}, kRightLeftDownUp});
            }
        const Shape tiled = ShapeOfTiles(ShapeKind::Rectangle, squares, 0, size.width * size.height - 1);
        const auto same = [](PointF a, PointF b) { return a.x == b.x && a.y == b.y; };
        ASSERT_EQ(s.edges.size(), tiled.edges.size());
        for (std::size_t e = 0; e < tiled.edges.size(); ++e) {
            EXPECT_TRUE(same(s.edges[e].from, tiled.edges[e].from) && same(s.edges[e].to, tiled.edges[e].to)) << e;
            EXPECT_EQ(s.edges[e].wall, tiled.edges[e].wall) << e;
            EXPECT_FALSE(s.edges[e].arc);
        }
        EXPECT_EQ(s.wallEdge, tiled.wallEdge);
        EXPECT_EQ(s.outlineFirst, tiled.outlineFirst);
        EXPECT_EQ(s.outlineEdges, tiled.outlineEdges);
        ASSERT_EQ(s.centres.size(), tiled.centres.size());
        for (std::size_t c = 0; c < tiled.centres.size(); ++c)
            EXPECT_TRUE(same(s.centres[c], tiled.centres[c])) << c;
        // A classic maze read for its pictures has the depth-first route, its state solved or not.
        MazeState state = MazeFromRecipe(0x5EED, size, {Algorithm::Prim});
        const std::vector<CellId> route = SearchDepthFirst(s.graph, PassagesOf(s.graph, state)).cells;
        EXPECT_EQ(PictureMazeOf(state).route, route);
        Solve(state);
        EXPECT_EQ(PictureMazeOf(state).route, route);
    }
    // The circle runs from its centre to the rim's cell at six o'clock.
    const Shape circle = CircleShape(9);
    EXPECT_TRUE(Near(circle.centres[static_cast<std::size_t>(circle.graph.start)], PointF{9, 9}));
    const PointF g = circle.centres[static_cast<std::size_t>(circle.graph.goal)];
    EXPECT_NEAR(std::hypot(g.x - 9, g.y - 9), 8.5, 1e-3);
    EXPECT_GT(g.y, 17.0f);
    EXPECT_NEAR(g.x, 9, 0.6);
    // The triangle from its apex to its bottom-right corner; the hexagon from corner to corner.
    const Shape tri = TriangleShape(6);
    EXPECT_TRUE(Near(tri.centres[static_cast<std::size_t>(tri.graph.start)], PointF{3, 0.8660254f * 2 / 3}));
    EXPECT_NEAR(tri.centres[static_cast<std::size_t>(tri.graph.goal)].x, 5.5, 1e-4);
    const Shape hex = HexagonShape(4);
    const PointF hs = hex.centres[static_cast<std::size_t>(hex.graph.start)];
    const PointF hg = hex.centres[static_cast<std::size_t>(hex.graph.goal)];
    EXPECT_TRUE(Near(PointF{hex.width - hg.x, hex.height - hg.y}, hs)) << "opposite corners";
    EXPECT_LT(hs.y, 1.0f);
}

TEST(Shape, RingsDoubleOnlyWhenTheirCellsWouldGrowTooWideUpTo1000Rings)
{
    EXPECT_EQ(RingCells(6), (std::vector<int>{1, 6, 12, 24, 24, 24}));
    const std::vector<int> rings = RingCells(kMostRings);
    ASSERT_EQ(rings.size(), static_cast<std::size_t>(kMostRings));
    for (std::size_t i = 2; i < rings.size(); ++i) {
        const double width = 2 * 3.14159265358979 * static_cast<double>(i) / rings[i];  // at the inner edge
        EXPECT_GE(width, 0.75) << i;
        EXPECT_LT(width, 1.5) << i;
        EXPECT_TRUE(rings[i] == rings[i - 1] || rings[i] == 2 * rings[i - 1]) << i;
    }
}

TEST(Shape, AMaskKeepsExactlyItsLargestIslandTheTopMostOfEqualsAndPutsSAndGAtTheEndsOfItsLongestWay)
{
    // Two islands: a U of 9 cells and, touching it only at a corner, a single cell; another
    // cell stands alone at the far right.
    const char* rows[] = {
        "#...#..#",
        "#...#...",
        "#####...",
        ".....#..",
    };
    Mask mask{8, 4, {}};
    for (const char* row : rows)
        for (int x = 0; x < 8; ++x)
            mask.inside.push_back(row[x] == '#');
    const std::optional<Shape> s = MaskShape(mask);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->graph.CellCount(), 9);
    std::set<std::pair<float, float>> kept;
    for (PointF c : s->centres)
        kept.insert({c.x, c.y});
    std::set<std::pair<float, float>> expected;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            if (rows[y][x] == '#')
                expected.insert({x + 0.5f, y + 0.5f});
    EXPECT_EQ(kept, expected);
    // The U's two tips are the ends of its longest way: (0, 0) and (4, 0), S the left one, where
    // reading starts (the first sweep from the top-left cell ends at the right tip).
    EXPECT_TRUE(Near(s->centres[static_cast<std::size_t>(s->graph.start)], PointF{0.5f, 0.5f}));
    EXPECT_TRUE(Near(s->centres[static_cast<std::size_t>(s->graph.goal)], PointF{4.5f, 0.5f}));
    // A bar read left to right, whichever end the sweeps find first; two ends as far left: the upper.
    for (const auto& [width, height] : {std::pair{9, 1}, std::pair{1, 6}}) {
        const std::optional<Shape> bar = MaskShape(Mask{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), 1)});
        ASSERT_TRUE(bar);
        EXPECT_TRUE(Near(bar->centres[static_cast<std::size_t>(bar->graph.start)], PointF{0.5f, 0.5f})) << width;
        EXPECT_TRUE(Near(bar->centres[static_cast<std::size_t>(bar->graph.goal)], PointF{width - 0.5f, height - 0.5f})) << width;
    }
    EXPECT_FALSE(MaskShape(Mask{3, 2, std::vector<std::uint8_t>(6, 0)}));
    // Of two islands of four cells the top-most is kept (the bar, not the square), though the
    // other lies further left.
    const char* equal[] = {
        "....####",
        "........",
        "##......",
        "##......",
    };
    Mask twins{8, 4, {}};
    for (const char* row : equal)
        for (int x = 0; x < 8; ++x)
            twins.inside.push_back(row[x] == '#');
    const std::optional<Shape> top = MaskShape(twins);
    ASSERT_TRUE(top);
    ASSERT_EQ(top->graph.CellCount(), 4);
    for (PointF c : top->centres)
        EXPECT_FLOAT_EQ(c.y, top->centres.front().y) << c.x << "," << c.y;
}

TEST(Shape, TheSquaresAMaskClosesRoundAreHatchedAndAGapToTheOutsideIsNot)
{
    // A ring round a hole of eight squares and a lone cell (left out of the maze), moved one
    // square in from the mask's edge; joined to it, an arch whose gap opens only downwards.
    const char* rows[] = {
        "..........",
        ".#####.###",
        ".#...#.#.#",
        ".#.#.###.#",
        ".#...#....",
        ".#####....",
    };
    Mask mask{10, 6, {}};
    for (const char* row : rows)
        for (int x = 0; x < 10; ++x)
            mask.inside.push_back(row[x] == '#');
    const std::optional<Shape> s = MaskShape(mask);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->graph.CellCount(), 24);
    std::set<std::pair<float, float>> enclosed, expected;
    for (const PointF p : s->enclosed)
        enclosed.insert({p.x, p.y});
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x)
            expected.insert({static_cast<float>(x), static_cast<float>(y)});  // the ring's left and top at 0
    EXPECT_EQ(enclosed, expected);

    // Drawn, the hatching is three lines a square, each inside its square, from its top or
    // right side to its left or bottom side; the walls are all paths.
    RecordingSurface surface;
    const ShapeView view{10, 0, 0};
    DrawShapeWalls(*s, Passages(s->graph), surface, view);
    std::map<std::pair<int, int>, int> lines;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind != DrawOp::Kind::Line)
            continue;
        const int x = static_cast<int>(std::min(op.from.x, op.to.x) / 10), y = static_cast<int>(std::min(op.from.y, op.to.y) / 10);
        EXPECT_NEAR(op.from.x - op.to.x, op.to.y - op.from.y, 1e-3) << "down to the left";
        EXPECT_TRUE(std::max(op.from.x, op.to.x) <= (x + 1) * 10 + 1e-3 && std::max(op.from.y, op.to.y) <= (y + 1) * 10 + 1e-3);
        ++lines[{x, y}];
    }
    std::map<std::pair<int, int>, int> want;
    for (const auto& [x, y] : expected)
        want[{static_cast<int>(x), static_cast<int>(y)}] = 3;
    EXPECT_EQ(lines, want);
}

}  // namespace
}  // namespace tolvane
