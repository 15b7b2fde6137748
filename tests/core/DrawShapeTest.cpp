// Drawing shapes: the walls joined into runs that draw each standing wall once, the marks in
// their cells, the route through the centres and along the rings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "core/generate/ways/Builders.h"
#include "core/generate/MakeMaze.h"
#include "core/graph/Rectangle.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawMaze.h"
#include "core/solve/Replay.h"
#include "core/search/Searches.h"
#include "core/platform/Random.h"
#include "core/platform/surface/RecordingSurface.h"
#include "core/platform/surface/SvgSurface.h"
#include "core/render/DrawShape.h"
#include "core/render/WallPaths.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"

namespace tolvane {
namespace {

bool Near(PointF a, PointF b, float tolerance = 1e-3f)
{
    return std::abs(a.x - b.x) < tolerance && std::abs(a.y - b.y) < tolerance;
}

// Where a piece starts: an arc's own start, or else wherever the one before ended.
PointF StartOf(const PathPiece& p, PointF previous)
{
    return p.arc ? OnCircle(p.centre, p.radius, p.startDeg) : previous;
}

// An edge's two ends as a key that does not depend on its direction.
std::pair<std::pair<long, long>, std::pair<long, long>> Key(PointF a, PointF b)
{
    auto k = [](PointF p) { return std::pair{std::lround(p.x * 64), std::lround(p.y * 64)}; };
    return std::minmax(k(a), k(b));
}

// The classic picture of a game, built from the classic state's own drawing: its walls, the
// trail a line a step through the cell centres, the route when shown, the marker a square, and
// S and G over them.
void DrawClassicGame(const MazeState& state, const Game& game, Surface& surface, const CellGeometry& g, Answer answer)
{
    DrawWalls(state, surface, g);
    const auto centre = [&](CellId c) { return g.Centre(c % state.Width(), c / state.Width()); };
    const std::vector<CellId>& trail = game.Trail();
    surface.SetDrawWidth(TrailWidth(g));
    for (std::size_t i = 1; i < trail.size(); ++i)
        surface.Line(centre(trail[i - 1]), centre(trail[i]), EndPoint::Absolute, kTrailColour);
    surface.SetDrawWidth(1);
    if (answer == Answer::Shown)
        DrawWholeRoute(state, surface, g);
    surface.SetDrawWidth(MarkerSide(g));
    surface.Line(centre(game.Marker()), centre(game.Marker()), EndPoint::Absolute, kMarkerColour);
    surface.SetDrawWidth(1);
    PrintMarks(state, surface, g);
}

struct Built {
    Shape shape;
    Passages passages;
};

Built Build(Shape shape, std::uint64_t seed)
{
    ClockRandom random;
    random.Seed(seed);
    Passages p = BuildBacktracker(shape.graph, random, nullptr);
    return {std::move(shape), std::move(p)};
}

// Straight pieces broken at every corner of the shape's lattice that lies on them: a straight
// run of walls drawn as one line stands for each wall along it.
std::vector<std::pair<PointF, PointF>> Split(PointF from, PointF to, const std::vector<PointF>& corners)
{
    std::vector<std::pair<float, PointF>> along{{0.0f, from}, {1.0f, to}};
    const float dx = to.x - from.x, dy = to.y - from.y, length2 = dx * dx + dy * dy;
    for (const PointF c : corners) {
        const float t = ((c.x - from.x) * dx + (c.y - from.y) * dy) / length2;
        if (t > 1e-4f && t < 1 - 1e-4f && Near(c, {from.x + t * dx, from.y + t * dy}))
            along.push_back({t, c});
    }
    std::sort(along.begin(), along.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<PointF, PointF>> pieces;
    for (std::size_t i = 1; i < along.size(); ++i)
        if (!Near(pieces.empty() ? from : pieces.back().second, along[i].second))
            pieces.push_back({pieces.empty() ? from : pieces.back().second, along[i].second});
    return pieces;
}

TEST(DrawShape, WallRunsDrawEveryStandingWallAndTheFrameOnceAsFewJoinedStrokes)
{
    for (Built b : {Build(CircleShape(7), 1), Build(HexagonShape(5), 2), Build(TriangleRectangleShape({9, 5}), 3),
                    Build(RectangleShape({12, 8}), 4)}) {
        std::map<decltype(Key({}, {})), int> expected, drawn;
        std::vector<PointF> corners;
        for (const Edge& e : b.shape.edges) {
            if (e.wall < 0 || !b.passages.Open(e.wall))
                ++expected[Key(e.from, e.to)];
            corners.push_back(e.from);
            corners.push_back(e.to);
        }
        const std::vector<WallRun> runs = WallRuns(b.shape, b.passages);
        std::size_t pieces = 0;
        for (const WallRun& run : runs) {
            PointF at = run.from;
            for (std::size_t i = 0; i < run.pieces.size(); ++i) {
                const PathPiece& p = run.pieces[i];
                EXPECT_TRUE(Near(StartOf(p, at), at)) << "a run is one unbroken stroke";
                if (p.arc)
                    ++drawn[Key(at, p.to)];
                else
                    for (const auto& [a, z] : Split(at, p.to, corners))
                        ++drawn[Key(a, z)];
                // A straight piece never goes on straight in the next: they would be one.
                if (i > 0 && !p.arc && !run.pieces[i - 1].arc) {
                    const PointF before = i > 1 ? run.pieces[i - 2].to : run.from;
                    const float cross = (at.x - before.x) * (p.to.y - at.y) - (at.y - before.y) * (p.to.x - at.x);
                    const float dot = (at.x - before.x) * (p.to.x - at.x) + (at.y - before.y) * (p.to.y - at.y);
                    EXPECT_FALSE(std::abs(cross) < 1e-3f && dot > 0) << "two pieces going on in one line";
                }
                at = p.to;
                ++pieces;
            }
        }
        EXPECT_EQ(drawn, expected);
        // A perfect maze's walls hang together in a handful of trees: far fewer runs than walls.
        EXPECT_LT(runs.size() * 4, expected.size());
    }
    // The frame of a lone square is one closed stroke.
    const Shape one = RectangleShape({1, 1});
    const auto runs = WallRuns(one, Passages(one.graph));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].pieces.size(), 4u);
    EXPECT_TRUE(Near(runs[0].pieces.back().to, runs[0].from));
}

// The classic picture's strokes and the shape's are the same. The classic build leaves walls in
// its border ring that run from the picture's edge out to its left or above it: they draw nothing
// the frame does not, and a shape has none.
void ExpectSameStrokes(const RecordingSurface& classic, const RecordingSurface& shaped)
{
    std::vector<DrawOp> a = classic.ops();
    std::erase_if(a, [](const DrawOp& op) {
        const bool relative = op.kind == DrawOp::Kind::Line && op.end == EndPoint::Relative;
        const auto outside = [](float from, float to) { return std::min(from, to) < 0 && std::max(from, to) <= 0; };
        return relative && (outside(op.from.x, op.from.x + op.to.x) || outside(op.from.y, op.from.y + op.to.y));
    });
    const std::vector<DrawOp>& b = shaped.ops();
    const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    EXPECT_TRUE(x == a.end() && y == b.end()) << "the strokes part at " << (x - a.begin()) << " of " << a.size() << " and "
                                              << b.size();
}

// The rectangle drawn as a shape is the classic picture stroke for stroke: its walls cell by cell
// from the border ring, bottom before right, S and G as the classic state's, the route as the
// replay's last tick draws it and a game as the classic game's picture, on a surface that draws
// a line a wall and on one that joins them into runs.
TEST(DrawShape, TheRectangleIsTheClassicPictureStrokeForStroke)
{
    struct Case {
        MazeSize size;
        CellGeometry g;
        Algorithm how;
    };
    const Case cases[] = {{kClassicSize, kWindowGeometry, Algorithm::Regions},
                          {{30, 20}, {7, 3, 5}, Algorithm::Prim},
                          {{101, 64}, {3, 1, 2}, Algorithm::Kruskal},
                          {{7, 5}, {40, 2, 1}, Algorithm::Backtracker}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size.width);
        MazeState state(c.size);
        ClockRandom random;
        random.QueueSeed(0x5EED'0000ull + static_cast<std::uint64_t>(c.size.width));
        BuildMazeBy(state, {c.how}, random);
        const Shape shape = RectangleShape(c.size);
        const Passages passages = PassagesOf(shape.graph, state);
        const ShapeView view = ShapeView::Of(c.g);
        // The recursive search's route on the state, the graph's depth-first route on the shape.
        Solve(state);
        const std::vector<CellId> route = SearchDepthFirst(shape.graph, passages).cells;
        RecordingSurface classic, shaped;
        DrawMaze(state, classic, c.g);
        DrawRoute(state, classic, state.PathLen - 1, c.g);
        DrawShape(shape, passages, shaped, view);
        DrawShapeRoute(shape, route, shaped, view);
        ExpectSameStrokes(classic, shaped);
        SvgSurface classicSvg(400, 400, "maze"), shapedSvg(400, 400, "maze");
        DrawMaze(state, classicSvg, c.g);
        DrawRoute(state, classicSvg, state.PathLen - 1, c.g);
        DrawShape(shape, passages, shapedSvg, view);
        DrawShapeRoute(shape, route, shapedSvg, view);
        EXPECT_EQ(classicSvg.Document(), shapedSvg.Document());

        // A game five steps along the route and one back, the route shown and not.
        Game play;
        play.Start(shape.graph);
        for (std::size_t i = 1; i <= 5; ++i)
            play.Move(shape.graph, passages, route[i], static_cast<Millis>(i));
        play.Move(shape.graph, passages, route[4], 6);
        ASSERT_EQ(play.Trail().size(), 5u);
        for (const Answer answer : {Answer::Hidden, Answer::Shown}) {
            RecordingSurface classicGame, shapedGame;
            DrawClassicGame(state, play, classicGame, c.g, answer);
            DrawShapePlay(shape, passages, play, shapedGame, view,
                          answer == Answer::Shown ? std::span(route) : std::span<const CellId>());
            ExpectSameStrokes(classicGame, shapedGame);
        }
    }
}

TEST(DrawShape, TheMarksStandCentredInTheirCellsAndTheViewFitsThePicture)
{
    const Built b = Build(HexagonShape(4), 5);
    const ShapeView view = ShapeView::Fit(b.shape, 400, 300, 10);
    EXPECT_FLOAT_EQ(view.unit, std::min(380 / b.shape.width, 280 / b.shape.height));
    EXPECT_TRUE(Near(view.Map({b.shape.width / 2, b.shape.height / 2}), PointF{200, 150}));
    RecordingSurface surface;
    DrawShape(b.shape, b.passages, surface, view);
    ASSERT_FALSE(surface.ops().empty());
    EXPECT_EQ(surface.ops().front().kind, DrawOp::Kind::Cls);
    // Each letter fills the largest upright square centred in its hexagon, less the wall and a
    // pixel clear of it: with the hexagon's corner radius R (one unit across its flat sides, so
    // R = 1 / sqrt 3), that square's corners lie on the slanted sides, half a side of R / (1 + R).
    const double r = 1 / std::sqrt(3.0);
    const double side = std::floor(2 * r / (1 + r) * view.unit) - 3;
    int marks = 0;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind != DrawOp::Kind::PrintFitted)
            continue;
        ++marks;
        const CellId cell = op.text == "S" ? b.shape.graph.start : b.shape.graph.goal;
        const PointF centre = view.Map(b.shape.centres[static_cast<std::size_t>(cell)]);
        EXPECT_NEAR(op.value, side, 1) << op.text;
        EXPECT_NEAR(op.from.x + op.value / 2, centre.x, 0.5) << op.text;
        EXPECT_NEAR(op.from.y + op.value / 2, centre.y, 0.5) << op.text;
    }
    EXPECT_EQ(2, marks);
}

TEST(DrawShape, ACirclesRouteGoesThroughTheCentresAndAlongItsRingsToG)
{
    const Built b = Build(CircleShape(6), 11);
    const GraphRoute route = SearchDepthFirst(b.shape.graph, b.passages);
    const ShapeView view{10, 5, 5};
    RecordingSurface surface;
    DrawShapeRoute(b.shape, route.cells, surface, view);
    std::vector<DrawOp> paths;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Path)
            paths.push_back(op);
    ASSERT_EQ(paths.size(), 1u);
    const DrawOp& path = paths[0];
    EXPECT_EQ(path.colour, kRed);
    EXPECT_EQ(path.value, 3);
    ASSERT_EQ(path.pieces.size(), route.cells.size() - 1);
    const PointF pole = view.Map(*b.shape.pole);
    EXPECT_TRUE(Near(path.from, pole));
    int arcs = 0;
    PointF at = path.from;
    for (std::size_t i = 0; i < path.pieces.size(); ++i) {
        const PathPiece& p = path.pieces[i];
        const PointF a = b.shape.centres[static_cast<std::size_t>(route.cells[i])];
        const PointF c = b.shape.centres[static_cast<std::size_t>(route.cells[i + 1])];
        EXPECT_TRUE(Near(p.to, view.Map(c), 1e-2f)) << i;
        const bool sameRing = std::abs(std::hypot(a.x - 6, a.y - 6) - std::hypot(c.x - 6, c.y - 6)) < 1e-3 && !Near(a, {6, 6});
        EXPECT_EQ(p.arc, sameRing) << i;
        if (p.arc) {
            ++arcs;
            EXPECT_TRUE(Near(p.centre, pole));
            EXPECT_NEAR(p.radius, std::hypot(a.x - 6, a.y - 6) * 10, 1e-3);
            EXPECT_TRUE(Near(StartOf(p, at), at, 1e-2f)) << i;
            EXPECT_LE(std::abs(p.sweepDeg), 180.0f);
        }
        at = p.to;
    }
    EXPECT_GT(arcs, 0) << "seed 11 has a route that runs along a ring";
    // Only the first steps while the replay runs.
    RecordingSurface part;
    DrawShapeRoute(b.shape, route.cells, part, view, 2);
    ASSERT_EQ(part.ops().size(), 3u);  // width, the path, the width back
    EXPECT_EQ(part.ops()[1].pieces.size(), 2u);
}

}  // namespace
}  // namespace tolvane

namespace tolvane {
namespace {

// The SVG writer: an arc anticlockwise on the picture is SVG's sweep 0, clockwise 1, one over
// 180 degrees the large one; letters printed bold (four times a pixel apart) are one text, last.
TEST(DrawShape, TheSvgWriterGivesEachArcItsSweepAndWritesTheLettersOnceOverTheStrokes)
{
    SvgSurface svg(100, 100, "t");
    svg.Cls();
    const PathPiece pieces[] = {{{50, 10}, true, {50, 50}, 40, 0, 90},      // up to twelve o'clock
                                {{10, 50}, true, {50, 50}, 40, 90, -270},   // on clockwise to nine
                                {{10.125f, 90}}};
    svg.Path({90, 50}, pieces, kRed);
    for (const PointF step : {PointF{5, 5}, PointF{6, 5}, PointF{5, 6}, PointF{6, 6}}) {
        svg.SetCurrentX(step.x);
        svg.SetCurrentY(step.y);
        svg.Print("S");
    }
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("<path d=\"M90 50A40 40 0 0 0 50 10A40 40 0 1 1 10 50L10.13 90\"/>"), std::string::npos) << doc;
    EXPECT_NE(doc.find("stroke=\"#ff0000\""), std::string::npos);
    EXPECT_EQ(doc.find("<text"), doc.rfind("<text")) << "one letter";
    EXPECT_GT(doc.find("<text"), doc.find("<path"));
}

}  // namespace
}  // namespace tolvane
