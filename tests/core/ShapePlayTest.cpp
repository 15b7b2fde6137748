// Playing a maze of any shape: keys by their direction on the picture, the trail, G, the hint,
// the cell under the pointer, the names of the ways and the game's picture.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/graph/Rectangle.h"
#include "core/search/Searches.h"
#include "core/maze/Openings.h"
#include "core/play/CellFinder.h"
#include "core/play/Compass.h"
#include "core/play/DrawPlay.h"
#include "core/play/Play.h"
#include "core/platform/surface/RecordingSurface.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {
namespace {

// A circle whose rings 2 and 3 split (6, 12, 24, 24 cells round the centre), a hexagon and a triangle.
std::vector<std::pair<const char*, Shape>> Shapes()
{
    std::vector<std::pair<const char*, Shape>> all;
    all.emplace_back("circle", CircleShape(5));
    all.emplace_back("hexagon", HexagonShape(4));
    all.emplace_back("triangle", TriangleShape(5));
    return all;
}

ShapeMaze Built(Shape shape, int braid = 0) { return BuildShapeMaze(std::move(shape), {Algorithm::Backtracker, braid}, 7); }

Passages AllOpen(const MazeGraph& graph)
{
    Passages p(graph);
    for (WallId w = 0; w < graph.WallCount(); ++w)
        p.Carve(w);
    return p;
}

PointF CentreOf(const Shape& s, CellId c) { return s.centres[static_cast<std::size_t>(c)]; }

// The neighbour of `at` whose centre lies exactly `deg` degrees away on the picture.
CellId NeighbourAt(const Shape& s, CellId at, double deg)
{
    for (const Link& l : s.graph.Neighbours(at))
        if (std::abs(DegreesTo(CentreOf(s, at), CentreOf(s, l.to)) - deg) < 0.01)
            return l.to;
    return kNoCell;
}

// The first cell with every one of `count` neighbours: one inside the shape.
CellId Inner(const Shape& s, std::size_t count, int from = 0)
{
    for (CellId c = from; c < s.graph.CellCount(); ++c)
        if (s.graph.Neighbours(c).size() == count)
            return c;
    return kNoCell;
}

// A triangle pointing up with all three neighbours, and one pointing down.
CellId UpTriangle(const Shape& tri)
{
    for (CellId c = 0; c < tri.graph.CellCount(); ++c)
        if (tri.graph.Neighbours(c).size() == 3 && NeighbourAt(tri, c, 30) != kNoCell)
            return c;
    return kNoCell;
}

WallId WallBetween(const MazeGraph& g, CellId a, CellId b)
{
    for (const Link& l : g.Neighbours(a))
        if (l.to == b)
            return l.wall;
    return -1;
}

TEST(ShapePlay, KeysGoToTheOpenNeighbourNearestTheirDirectionAndZigZagBetweenEqualOnes)
{
    const Shape hex = HexagonShape(4);
    const Passages open = AllOpen(hex.graph);
    const CellId at = Inner(hex, 6);
    const auto aim = [&](double key, std::optional<CellId> previous = std::nullopt, const Passages* p = nullptr) {
        return Aimed(hex.graph, p ? *p : open, hex.centres, at, key, previous).to;
    };
    EXPECT_EQ(NeighbourAt(hex, at, 0), aim(kRightDeg));
    EXPECT_EQ(NeighbourAt(hex, at, 180), aim(kLeftDeg));
    // Up and Down lie 30° from two neighbours each: clockwise of the key first, ...
    EXPECT_EQ(NeighbourAt(hex, at, 60), aim(kUpDeg));
    EXPECT_EQ(NeighbourAt(hex, at, -120), aim(kDownDeg));
    // ... never back where the marker came from, and otherwise the other side from the last step.
    EXPECT_EQ(NeighbourAt(hex, at, 120), aim(kUpDeg, NeighbourAt(hex, at, 60)));
    EXPECT_EQ(NeighbourAt(hex, at, 120), aim(kUpDeg, NeighbourAt(hex, at, -120)));  // came up to the right
    EXPECT_EQ(NeighbourAt(hex, at, 60), aim(kUpDeg, NeighbourAt(hex, at, -60)));    // came up to the left
    // A wall: Right turns to the nearest open neighbour within 67.5°, and with none is refused,
    // naming the wall it met.
    Passages walled = open;
    walled.Close(WallBetween(hex.graph, at, NeighbourAt(hex, at, 0)));
    walled.Close(WallBetween(hex.graph, at, NeighbourAt(hex, at, 60)));
    EXPECT_EQ(NeighbourAt(hex, at, -60), aim(kRightDeg, std::nullopt, &walled));
    walled.Close(WallBetween(hex.graph, at, NeighbourAt(hex, at, -60)));
    const Aim refused = Aimed(hex.graph, walled, hex.centres, at, kRightDeg);
    EXPECT_FALSE(refused.open);
    EXPECT_EQ(NeighbourAt(hex, at, 0), refused.to);
    EXPECT_EQ(WallBetween(hex.graph, at, refused.to), refused.wall);
    // The frame refuses with no wall to name: S, the top-left corner, has nothing above.
    EXPECT_EQ(kNoCell, Aimed(hex.graph, open, hex.centres, hex.graph.start, kUpDeg).to);

    // A triangle pointing up: its upper neighbours lie 60° off Up, its lower one straight down.
    const Shape tri = TriangleShape(5);
    const CellId up = UpTriangle(tri);
    ASSERT_NE(kNoCell, up);
    EXPECT_EQ(NeighbourAt(tri, up, 30), Aimed(tri.graph, AllOpen(tri.graph), tri.centres, up, kUpDeg).to);
    EXPECT_EQ(NeighbourAt(tri, up, 150), Aimed(tri.graph, AllOpen(tri.graph), tri.centres, up, kLeftDeg).to);
    EXPECT_EQ(NeighbourAt(tri, up, -90), Aimed(tri.graph, AllOpen(tri.graph), tri.centres, up, kDownDeg).to);

    // A circle: at the top Right goes clockwise and Up outward; at the bottom the other way round.
    const Shape circle = CircleShape(5);
    const Passages all = AllOpen(circle.graph);
    const auto way = [&](CellId c, double key) {
        return WayTo(circle, c, Aimed(circle.graph, all, circle.centres, c, key).to);
    };
    const CellId top = 1 + 6 + 12;  // ring 3's first cell, just clockwise of twelve
    const CellId bottom = top + 12;
    EXPECT_EQ(Way::Clockwise, way(top, kRightDeg));
    EXPECT_EQ(Way::Outward, way(top, kUpDeg));
    EXPECT_EQ(Way::Inward, way(top, kDownDeg));
    EXPECT_EQ(Way::Anticlockwise, way(bottom, kRightDeg));
    EXPECT_EQ(Way::Inward, way(bottom, kUpDeg));
}

TEST(ShapePlay, OnTheRectangleTheKeysAreTheFourSidesAsBefore)
{
    // The compass on the rectangle's graph goes exactly where a step to that side goes, or nowhere.
    const ShapeMaze m = Built(RectangleShape({5, 4}));
    MazeState state({5, 4});
    ApplyPassages(m.passages, state);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            for (auto [d, deg] : {std::pair{Direction::Right, kRightDeg}, std::pair{Direction::Left, kLeftDeg},
                                  std::pair{Direction::Down, kDownDeg}, std::pair{Direction::Up, kUpDeg}}) {
                const Aim a = Aimed(m.shape.graph, m.passages, m.shape.centres, RectangleCell({5, 4}, x, y), deg);
                const Cell to = Step({x, y}, d);
                EXPECT_EQ(IsOpen(state, {x, y}, d), a.open) << x << "," << y << " " << deg;
                if (a.open) {
                    EXPECT_EQ(RectangleCell({5, 4}, to.x, to.y), a.to);
                    continue;
                }
                // Refused: what the key met is the one side it faces, wall or frame.
                const auto met = EdgesInTheWay(m.shape, m.passages, RectangleCell({5, 4}, x, y), deg);
                ASSERT_EQ(1u, met.size()) << x << "," << y << " " << deg;
                const Edge& e = m.shape.edges[static_cast<std::size_t>(met[0])];
                const PointF c = CentreOf(m.shape, RectangleCell({5, 4}, x, y));
                EXPECT_FLOAT_EQ(c.x + 0.5f * (to.x - x), (e.from.x + e.to.x) / 2);
                EXPECT_FLOAT_EQ(c.y + 0.5f * (to.y - y), (e.from.y + e.to.y) / 2);
            }
}

TEST(ShapePlay, TheTrailStepsBackAWallBlocksAndGStopsTheClockWithTheShortestMoves)
{
    for (auto& [name, shape] : Shapes()) {
        SCOPED_TRACE(name);
        const ShapeMaze m = Built(std::move(shape));
        const MazeGraph& g = m.shape.graph;
        ASSERT_GE(m.route.size(), 4u);
        Game game;
        game.Start(g);
        EXPECT_EQ(MoveOutcome::Blocked, game.Move(g, m.passages, m.route[2], 0)) << "not a neighbour";
        for (const Link& l : g.Neighbours(g.start))
            if (!m.passages.Open(l.wall)) {
                EXPECT_EQ(MoveOutcome::Blocked, game.Move(g, m.passages, l.to, 0));
            }
        EXPECT_EQ(0, game.Moves());
        EXPECT_FALSE(game.clock().Started());
        EXPECT_EQ(MoveOutcome::Moved, game.Move(g, m.passages, m.route[1], 1000));
        EXPECT_EQ(MoveOutcome::Moved, game.Move(g, m.passages, m.route[2], 1000));
        EXPECT_EQ(MoveOutcome::SteppedBack, game.Move(g, m.passages, m.route[1], 1000));
        EXPECT_EQ((std::vector<CellId>{m.route[0], m.route[1]}), game.Trail());
        for (std::size_t i = 2; i < m.route.size(); ++i)
            ASSERT_EQ(i + 1 == m.route.size() ? MoveOutcome::Reached : MoveOutcome::Moved,
                      game.Move(g, m.passages, m.route[i], 1000 + static_cast<Millis>(i)));
        EXPECT_EQ(m.route, game.Trail());
        EXPECT_TRUE(game.Finished());
        EXPECT_EQ(static_cast<int>(m.route.size()) - 1, game.ShortestMoves());
        EXPECT_EQ(static_cast<int>(m.route.size()) + 1, game.Moves());
        const Millis end = static_cast<Millis>(m.route.size()) - 1;
        EXPECT_EQ(end, game.clock().Elapsed(99'000));
        EXPECT_EQ(MoveOutcome::Ignored, game.Move(g, m.passages, m.route[m.route.size() - 2], 99'000));
    }
}

TEST(ShapePlay, AHintIsAStepAlongAShortestWayToGEvenInAMazeWithLoops)
{
    for (auto& [name, shape] : Shapes()) {
        SCOPED_TRACE(name);
        const ShapeMaze m = Built(std::move(shape), 100);
        const MazeGraph& g = m.shape.graph;
        const auto movesToG = [&](CellId c) {
            return static_cast<int>(SearchBreadthFirst(g, m.passages, c, g.goal).cells.size()) - 1;
        };
        Game game;
        game.Start(g);
        // Wander: always the last open way, which leaves the route sooner or later.
        int hints = 0;
        for (int step = 0; step < 12 && !game.Finished(); ++step) {
            const CellId at = game.Marker();
            const std::optional<CellId> next = game.Hint(g, m.passages);
            ASSERT_TRUE(next);
            ++hints;
            EXPECT_EQ(movesToG(at) - 1, movesToG(*next)) << "from " << at;
            EXPECT_NE(-1, WallBetween(g, at, *next));
            CellId wander = kNoCell;
            for (const Link& l : g.Neighbours(at))
                if (m.passages.Open(l.wall))
                    wander = l.to;
            game.Move(g, m.passages, step % 3 == 2 ? *next : wander, 0);
        }
        EXPECT_EQ(hints, game.Hints());
        // With loops the shortest route at G is the breadth-first one, not whatever a
        // depth-first search meets first.
        game.Start(g);
        for (const CellId c : SearchBreadthFirst(g, m.passages, g.start, g.goal).cells)
            if (c != g.start)
                game.Move(g, m.passages, c, 0);
        EXPECT_TRUE(game.Finished() && game.TookShortestRoute());
        EXPECT_EQ(movesToG(g.start), game.ShortestMoves());
    }
}

// The cell under a point, worked out from a circle's rings: the ring from the distance to the
// centre, the cell from the turn clockwise from twelve o'clock.
CellId PolarCell(int rings, PointF p)
{
    const std::vector<int> count = RingCells(rings);
    const double dx = p.x - rings, dy = p.y - rings;
    const auto ring = static_cast<std::size_t>(std::hypot(dx, dy));
    if (ring >= count.size())
        return kNoCell;
    double turn = std::atan2(dx, -dy) / (2 * std::numbers::pi);
    turn -= std::floor(turn);
    CellId first = 0;
    for (std::size_t r = 0; r < ring; ++r)
        first += count[r];
    return first + static_cast<CellId>(turn * count[ring]);
}

TEST(ShapePlay, TheCellUnderAPointIsTheOneWhoseOutlineHoldsIt)
{
    for (auto& [name, shape] : Shapes()) {
        SCOPED_TRACE(name);
        const CellFinder finder(shape);
        for (CellId c = 0; c < shape.graph.CellCount(); ++c)
            ASSERT_EQ(c, finder.At(shape, CentreOf(shape, c))) << "the centre of " << c;
        // Just off the middle of every wall, on each side, the cell on that side.
        for (WallId w = 0; w < shape.graph.WallCount(); ++w) {
            const Edge& e = shape.edges[static_cast<std::size_t>(shape.wallEdge[static_cast<std::size_t>(w)])];
            const PointF mid = e.arc ? OnCircle(e.centre, e.radius, e.startDeg + e.sweepDeg / 2)
                                     : PointF{(e.from.x + e.to.x) / 2, (e.from.y + e.to.y) / 2};
            for (CellId side : {shape.graph.SideA(w), shape.graph.SideB(w)}) {
                const PointF c = CentreOf(shape, side);
                const float d = std::hypot(c.x - mid.x, c.y - mid.y);
                const PointF near{mid.x + (c.x - mid.x) * 0.02f / d, mid.y + (c.y - mid.y) * 0.02f / d};
                EXPECT_EQ(side, finder.At(shape, near)) << "wall " << w;
            }
        }
        EXPECT_FALSE(finder.At(shape, {0.01f, 0.01f})) << "a corner outside";
        EXPECT_FALSE(finder.At(shape, {-1, 1}));
    }
    // A circle everywhere: the centre cell, the innermost ring, the rings that split, the rim.
    const Shape circle = CircleShape(5);
    const CellFinder finder(circle);
    int tested = 0;
    for (float y = 0.013f; y < 10; y += 0.047f)
        for (float x = 0.011f; x < 10; x += 0.047f) {
            const double r = std::hypot(x - 5.0, y - 5.0);
            if (std::abs(r - std::round(r)) < 1e-3)
                continue;  // on a ring's line
            const CellId polar = PolarCell(5, {x, y});
            const auto found = finder.At(circle, {x, y});
            if (polar == kNoCell) {
                EXPECT_FALSE(found) << x << "," << y;
            } else if (found != polar) {  // off by a radial line's width only
                ASSERT_TRUE(found) << x << "," << y;
                EXPECT_NE(-1, WallBetween(circle.graph, *found, polar)) << x << "," << y;
                EXPECT_EQ(RingOf(circle, *found), RingOf(circle, polar));
            }
            ++tested;
        }
    EXPECT_GT(tested, 30000);
}

TEST(ShapePlay, AnOutlineHoldsAPointInsideAnArcThatTurnsPastAQuarter)
{
    // One cell, a half disc bulging left: an arc from twelve o'clock round through nine to six,
    // closed by the upright diameter.
    Shape half;
    half.edges = {ArcEdge({2, 2}, 1, 90, 180)};
    half.edges.push_back({half.edges[0].to, half.edges[0].from});
    half.outlineFirst = {0, 2};
    half.outlineEdges = {0, 1};
    EXPECT_TRUE(InOutline(half, 0, {1.5f, 2.1f}));
    EXPECT_TRUE(InOutline(half, 0, {1.1f, 1.9f}));
    EXPECT_FALSE(InOutline(half, 0, {2.3f, 2}));
    EXPECT_FALSE(InOutline(half, 0, {0.9f, 2}));
}

TEST(ShapePlay, TheWaysAreNamedForTheShape)
{
    const Shape circle = CircleShape(5);
    // The centre's ways lead out at the odd hours; ring 2's first cell has the ring both ways,
    // two cells outward and one inward.
    for (CellId c = 1; c <= 6; ++c) {
        EXPECT_EQ(Way::Outward, WayTo(circle, 0, c));
        EXPECT_EQ(2 * c - 1, ClockHour(circle, c));
    }
    const CellId ring2 = 7;
    std::vector<Way> ways;
    for (const Link& l : circle.graph.Neighbours(ring2))
        ways.push_back(WayTo(circle, ring2, l.to));
    EXPECT_EQ((std::vector<Way>{Way::Clockwise, Way::Anticlockwise, Way::Outward, Way::Outward, Way::Inward}), ways);
    EXPECT_EQ(2, RingOf(circle, ring2));

    const Shape hex = HexagonShape(3);  // neighbours east, west, south-east, south-west, north-east, north-west
    ways.clear();
    for (const Link& l : hex.graph.Neighbours(Inner(hex, 6)))
        ways.push_back(WayTo(hex, Inner(hex, 6), l.to));
    EXPECT_EQ((std::vector<Way>{Way::East, Way::West, Way::SouthEast, Way::SouthWest, Way::NorthEast, Way::NorthWest}), ways);

    const Shape tri = TriangleShape(5);
    const CellId up = UpTriangle(tri), down = Inner(tri, 3);
    EXPECT_EQ(Way::NorthEast, WayTo(tri, up, NeighbourAt(tri, up, 30)));
    EXPECT_EQ(Way::NorthWest, WayTo(tri, up, NeighbourAt(tri, up, 150)));
    EXPECT_EQ(Way::South, WayTo(tri, up, NeighbourAt(tri, up, -90)));
    EXPECT_EQ(Way::North, WayTo(tri, down, NeighbourAt(tri, down, 90)));
    EXPECT_EQ(Way::SouthWest, WayTo(tri, down, NeighbourAt(tri, down, -150)));

    const Shape square = RectangleShape({3, 3});
    ways.clear();
    for (const Link& l : square.graph.Neighbours(4))
        ways.push_back(WayTo(square, 4, l.to));
    EXPECT_EQ((std::vector<Way>{Way::Right, Way::Left, Way::Down, Way::Up}), ways);
}

TEST(ShapePlay, TheGamesPictureRunsTheTrailThroughTheCentresAndKeepsTheMarkerInItsCell)
{
    for (auto& [name, shape] : Shapes()) {
        SCOPED_TRACE(name);
        const ShapeMaze m = Built(std::move(shape));
        const MazeGraph& g = m.shape.graph;
        Game game;
        game.Start(g);
        for (std::size_t i = 1; i < 5; ++i)
            game.Move(g, m.passages, m.route[i], 0);
        const ShapeView view = ShapeView::Fit(m.shape, 400, 400, 10);
        RecordingSurface surface;
        DrawShapePlay(m.shape, m.passages, game, surface, view, m.route);
        const std::vector<DrawOp>& ops = surface.ops();
        // The trail is the stroke the route would draw through those cells, in the trail's colour.
        const auto trail = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.colour == kTrailColour; });
        ASSERT_NE(ops.end(), trail);
        const CentreStroke wanted = StrokeThroughCentres(m.shape, game.Trail(), view);
        EXPECT_EQ(wanted.from, trail->from);
        EXPECT_EQ(wanted.pieces, trail->pieces);
        // Then the whole route, the marker on its cell's centre and S and G over them all.
        const auto route = std::find_if(trail, ops.end(), [](const DrawOp& op) { return op.colour == kRed; });
        const auto marker = std::find_if(route, ops.end(), [](const DrawOp& op) { return op.colour == kMarkerColour; });
        ASSERT_NE(ops.end(), marker);
        EXPECT_EQ(m.route.size() - 1, route->pieces.size());
        EXPECT_EQ(view.Map(CentreOf(m.shape, game.Marker())), marker->from);
        EXPECT_EQ(2, std::count_if(marker, ops.end(), [](const DrawOp& op) {
                      return op.kind == DrawOp::Kind::PrintFitted || (op.kind == DrawOp::Kind::Line && op.colour == kBlue);
                  }));
        // The marker's corners lie inside the narrowest cell of the shape; the trail is narrower.
        const float half = static_cast<float>(ShapeMarkerSide(m.shape, view)) / 2 / view.unit;
        EXPECT_LT(ShapeTrailWidth(m.shape, view), ShapeMarkerSide(m.shape, view));
        const CellId narrow = name == std::string("circle") ? 1 + 6 + 12 : m.shape.graph.CellCount() - 1;
        const PointF c = CentreOf(m.shape, narrow);
        for (PointF corner : {PointF{c.x - half, c.y - half}, PointF{c.x + half, c.y - half}, PointF{c.x - half, c.y + half},
                              PointF{c.x + half, c.y + half}})
            EXPECT_TRUE(InOutline(m.shape, narrow, corner)) << corner.x << "," << corner.y;
    }
}

TEST(ShapePlay, AShapeGameTakesKeysClicksAndDragsAndNamesTheWallAKeyMet)
{
    const ShapeMaze m = Built(CircleShape(5));
    Play play;
    EXPECT_FALSE(play.CellUnder(m, CentreOf(m.shape, 3))) << "no cells filed before a game";
    play.Start(m);
    EXPECT_EQ(m.route[2], play.CellUnder(m, CentreOf(m.shape, m.route[2])));
    // From the centre every key meets a neighbour: a refused one names a closed wall of S.
    for (Direction key : {Direction::Right, Direction::Up, Direction::Left, Direction::Down}) {
        play.Start(m);
        const MoveOutcome outcome = play.Key(m, key, 0);
        if (outcome == MoveOutcome::Blocked) {
            ASSERT_NE(-1, play.Bumped());
            EXPECT_FALSE(m.passages.Open(play.Bumped()));
            EXPECT_TRUE(m.shape.graph.SideA(play.Bumped()) == m.route[0] || m.shape.graph.SideB(play.Bumped()) == m.route[0]);
        } else {
            EXPECT_EQ(MoveOutcome::Moved, outcome);
            EXPECT_EQ(-1, play.Bumped());
        }
    }
    // A drag: one open step towards the cell under the pointer, never through a wall.
    play.Start(m);
    EXPECT_EQ(m.route[1], play.StepToward(m, m.route[1]));
    EXPECT_FALSE(play.StepToward(m, m.route[0]));
    for (const Link& l : m.shape.graph.Neighbours(m.route[0]))
        if (!m.passages.Open(l.wall)) {
            EXPECT_NE(l.to, play.StepToward(m, l.to));
        }
    // A click across a wall is refused and flashes that wall, the one edge drawn for it.
    int walls = 0;
    for (const Link& l : m.shape.graph.Neighbours(m.route[0]))
        if (!m.passages.Open(l.wall)) {
            ++walls;
            EXPECT_EQ(MoveOutcome::Blocked, play.MoveTo(m, l.to, 0));
            EXPECT_EQ(l.wall, play.Bumped());
            ASSERT_EQ(1u, play.BumpedEdges().size());
            EXPECT_EQ(l.wall, m.shape.edges[static_cast<std::size_t>(play.BumpedEdges()[0])].wall);
        }
    EXPECT_GT(walls, 0);
    EXPECT_EQ(MoveOutcome::Moved, play.MoveTo(m, m.route[1], 0));
    EXPECT_EQ(m.route[1], play.game().Marker());
    EXPECT_EQ(-1, play.Bumped());
    EXPECT_TRUE(play.BumpedEdges().empty());

    // A new maze of another shape: the pointer finds its cells, not the circle's.
    const ShapeMaze hex = Built(HexagonShape(4));
    play.Clear();
    play.Start(hex);
    for (CellId c = 0; c < hex.shape.graph.CellCount(); ++c)
        EXPECT_EQ(c, play.CellUnder(hex, CentreOf(hex.shape, c)));
}

}  // namespace
}  // namespace tolvane
