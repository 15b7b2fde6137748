// Difficulty measures and levels.
#include "core/solve/Difficulty.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/generate/MakeMaze.h"
#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/search/Texture.h"
#include "core/maze/BuildMaze.h"

namespace tolvane {

Difficulty Measure(const MazeState& maze)
{
    const Texture t = MeasureTexture(maze);
    return {t.route, t.deadEnds, t.decisions};
}

std::optional<Level> LevelNumbered(int number)
{
    for (const Level& level : kLevels)
        if (level.number == number)
            return level;
    return std::nullopt;
}

std::optional<Level> LevelOn(ShapeKind shape, int number)
{
    if (shape == ShapeKind::Rectangle)
        return LevelNumbered(number);
    const auto rectangle = LevelNumbered(number);
    for (const ShapeLevel& level : kShapeLevels)
        if (rectangle && level.shape == shape && level.number == number)
            return Level{number, rectangle->ages, level.size, rectangle->algorithm, level.route,
                         level.decisions};
    return std::nullopt;
}

bool HasLevels(ShapeKind shape) { return LevelOn(shape, 1).has_value(); }

namespace {

// Draws seeds until one builds a maze on `graph`, `algorithm` route first, whose route lies
// within `tolerance` cells of `route` and whose measures `accept` takes. Seeds are cheap to
// pass over: one whose first draw, the route's length, is already too far off costs one
// seeding and one draw; the bound on those only guards against a target no seed meets.
std::optional<Difficulty> BuildNear(const MazeGraph& graph, Passages& passages, ClockRandom& random, Algorithm algorithm,
                                    int route, int tolerance, const std::function<bool(const Difficulty&)>& accept,
                                    int attempts, SeekCost* cost)
{
    const RouteRange range = RouteRangeOf(graph);
    const BuildChoice how{algorithm, 0, true};
    SeekCost spent;
    std::optional<Difficulty> found;
    for (; spent.built < attempts && spent.seeds < 1000LL * attempts && !found;) {
        random.Randomize();
        ++spent.seeds;
        const std::uint64_t seed = *random.LastSeed();
        if (std::abs(FirstRouteLength(range, random) - route) > tolerance)
            continue;
        ++spent.built;
        random.QueueSeed(seed);
        passages = BuildPassages(graph, how, random);
        const Texture t = MeasureTexture(graph, passages);
        const Difficulty d{t.route, t.deadEnds, t.decisions};
        if (std::abs(d.route - route) <= tolerance && accept(d))
            found = d;
    }
    if (cost)
        *cost = spent;
    return found;
}

// The rectangle's state after a search on its graph: the maze found, or as it was.
std::optional<Difficulty> OnState(MazeState& maze, const std::function<std::optional<Difficulty>(const MazeGraph&, Passages&, SeekCost*)>& seek,
                                  int* built)
{
    const MazeGraph graph = RectangleGraph(maze.size);
    Passages passages(graph);
    SeekCost cost;
    const auto found = seek(graph, passages, &cost);
    if (found) {
        for (int x = -1; x <= maze.LastX(); ++x)
            for (int y = -1; y <= maze.LastY(); ++y)
                maze.Region(x, y) = 0;
        ApplyPassages(passages, maze);
    }
    if (built)
        *built = cost.built;
    return found;
}

}  // namespace

Level LevelMeasuredOn(const MazeGraph& graph, const Level& level, ClockRandom& random, int samples)
{
    Level measured = level;
    const RouteRange range = RouteRangeOf(graph);
    const double share = static_cast<double>(level.route) / static_cast<double>(level.size.Cells());
    measured.route = std::clamp(static_cast<int>(std::lround(share * graph.CellCount())), range.least, range.most);
    std::vector<int> decisions;
    Passages passages(graph);
    for (int i = 0; i < samples; ++i)
        if (const auto d = BuildRouteMaze(graph, passages, random, level.algorithm, measured.route, measured.route / 10))
            decisions.push_back(d->junctions);
    std::sort(decisions.begin(), decisions.end());
    measured.decisions = decisions.empty() ? 0 : decisions[decisions.size() / 2];
    return measured;
}

std::optional<Difficulty> BuildLevelMaze(const MazeGraph& graph, Passages& passages, ClockRandom& random,
                                         const Level& level, int attempts, SeekCost* cost)
{
    return BuildNear(graph, passages, random, level.algorithm, level.route, level.route / 10,
                     [&](const Difficulty& d) { return level.Fits(d); }, attempts, cost);
}

std::optional<Difficulty> BuildRouteMaze(const MazeGraph& graph, Passages& passages, ClockRandom& random,
                                         Algorithm algorithm, int route, int tolerance, int attempts, SeekCost* cost)
{
    return BuildNear(graph, passages, random, algorithm, route, tolerance, [](const Difficulty&) { return true; },
                     attempts, cost);
}

std::optional<Difficulty> BuildLevelMaze(MazeState& maze, ClockRandom& random, const Level& level, int attempts, int* built)
{
    if (maze.size != level.size)
        maze = MazeState(level.size);
    return OnState(maze, [&](const MazeGraph& g, Passages& p, SeekCost* c) { return BuildLevelMaze(g, p, random, level, attempts, c); },
                   built);
}

std::optional<Difficulty> BuildRouteMaze(MazeState& maze, ClockRandom& random, Algorithm algorithm, int route,
                                         int tolerance, int attempts, int* built)
{
    return OnState(maze,
                   [&](const MazeGraph& g, Passages& p, SeekCost* c) {
                       return BuildRouteMaze(g, p, random, algorithm, route, tolerance, attempts, c);
                   },
                   built);
}

}  // namespace tolvane
