// Measures what a level means on each shape, and what finding its mazes costs.
//
//   tolvane_level_targets measure
//       For each shape with levels and each level: the size whose cell count is nearest the
//       level's rectangle, the route at the level's share of the cells, and the median of the
//       decisions on the route over 400 mazes of that route built the level's way: the rows of
//       kShapeLevels.
//   tolvane_level_targets cost
//       For every level on every shape: a 25-maze class set, its time, and the seeds drawn and
//       mazes built per maze, on average and at worst. Then routes asked on each shape: the
//       share met within 2 % of the cells on the first try.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/generate/RouteFirst.h"
#include "core/search/Texture.h"
#include "core/platform/Random.h"
#include "core/shape/ShapeChoice.h"
#include "core/solve/Difficulty.h"

using namespace tolvane;

namespace {

constexpr ShapeKind kKinds[] = {ShapeKind::Rectangle,        ShapeKind::Circle,   ShapeKind::Hexagon,
                                ShapeKind::HexagonRectangle, ShapeKind::Triangle, ShapeKind::TriangleRectangle};

MazeGraph GraphOf(ShapeKind kind, MazeSize size) { return MakeShape({kind, size, {}})->graph; }

// The size of `kind` whose cell count is nearest `wanted`; of two sides for the rectangles of
// hexagons and triangles, among those within 3 % of it, the one whose picture is nearest a square.
MazeSize NearestSize(ShapeKind kind, long long wanted)
{
    MazeSize best{2, 2};
    double bestScore = 1e18;
    const bool twoSides = InfoOf(kind).twoSides;
    for (int w = 2; w <= 90; ++w)
        for (int h = twoSides ? 2 : w; h <= (twoSides ? 60 : w); ++h) {
            const std::optional<Shape> shape = MakeShape({kind, {w, h}, {}});
            const double off = std::abs(static_cast<double>(shape->graph.CellCount() - wanted)) / static_cast<double>(wanted);
            const double aspect = std::abs(std::log(shape->width / shape->height));
            const double score = twoSides ? (off > 0.03 ? 1e9 + off : aspect) : off;
            if (score < bestScore) {
                bestScore = score;
                best = {w, h};
            }
        }
    return best;
}

void Measure()
{
    ClockRandom random;
    for (ShapeKind kind : kKinds) {
        if (kind == ShapeKind::Rectangle)
            continue;
        for (const Level& level : kLevels) {
            const MazeSize best = NearestSize(kind, level.size.Cells());
            const MazeGraph graph = GraphOf(kind, best);
            const Level measured = LevelMeasuredOn(graph, level, random, 400);
            const int route = measured.route;
            std::printf("{ShapeKind::%s, %d, {%d, %d}, %d, %d},  // %d cells, range %d..%d\n",
                        std::string(InfoOf(kind).name).c_str(), level.number, best.width, best.height, route,
                        measured.decisions, graph.CellCount(), RouteRangeOf(graph).least, RouteRangeOf(graph).most);
        }
    }
}

void Cost()
{
    ClockRandom random;
    for (ShapeKind kind : kKinds) {
        for (int number = 1; number <= 5; ++number) {
            const Level level = *LevelOn(kind, number);
            const MazeGraph graph = GraphOf(kind, level.size);
            Passages passages(graph);
            long long seeds = 0, worstSeeds = 0;
            int built = 0, worstBuilt = 0, failed = 0;
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 25; ++i) {
                SeekCost cost;
                if (!BuildLevelMaze(graph, passages, random, level, 200, &cost))
                    ++failed;
                seeds += cost.seeds;
                built += cost.built;
                worstSeeds = std::max(worstSeeds, cost.seeds);
                worstBuilt = std::max(worstBuilt, cost.built);
            }
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::printf("%-9s level %d: %4d cells, 25 mazes in %6.1f ms; seeds %.1f (worst %lld), built %.1f (worst %d)%s\n",
                        std::string(InfoOf(kind).name).c_str(), number, graph.CellCount(), ms, seeds / 25.0, worstSeeds,
                        built / 25.0, worstBuilt, failed ? " FAILED" : "");
        }
    }
    // Routes asked for: one maze built per try, the share met at once and the tries at worst.
    for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Hexagon, ShapeKind::Triangle, ShapeKind::HexagonRectangle,
                           ShapeKind::TriangleRectangle}) {
        for (int side : {10, 30}) {
            const MazeGraph graph = MakeShape({kind, {side, side}, {}})->graph;
            const RouteRange range = RouteRangeOf(graph);
            const int tolerance = std::max(1, graph.CellCount() * 2 / 100);
            int first = 0, total = 0, worst = 0, failed = 0;
            for (double share : {0.0, 0.25, 0.5, 0.8}) {
                const int route = std::max(range.least, static_cast<int>(share * graph.CellCount()));
                Passages passages(graph);
                for (int i = 0; i < 40; ++i, ++total) {
                    SeekCost cost;
                    if (!BuildRouteMaze(graph, passages, random, Algorithm::Backtracker, route, tolerance, 200, &cost))
                        ++failed;
                    first += cost.built == 1;
                    worst = std::max(worst, cost.built);
                }
            }
            std::printf("route on %-18s %2d: %4d cells, range %d..%d, met at the first build %d of %d, worst %d builds%s\n",
                        std::string(InfoOf(kind).name).c_str(), side, graph.CellCount(), range.least, range.most, first,
                        total, worst, failed ? " FAILED" : "");
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "measure") == 0)
        Measure();
    else
        Cost();
    return 0;
}
