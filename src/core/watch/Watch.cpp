// Recording what can be watched.
#include "core/watch/Watch.h"

#include <array>

#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/graph/RegionsBuild.h"
#include "core/maze/BuildMaze.h"
#include "core/platform/Random.h"

namespace tolvane {
namespace {

constexpr std::array<std::pair<std::string_view, WatchKind>, 3> kKinds{{
    {"build", WatchKind::Build},
    {"search", WatchKind::Search},
    {"route", WatchKind::Route},
}};

}  // namespace

const WatchKind* WatchKindNamed(std::string_view name)
{
    for (const auto& kind : kKinds)
        if (kind.first == name)
            return &kind.second;
    return nullptr;
}

std::vector<StepEvent> RecordSearch(const MazeState& maze, const SearchWay& way)
{
    StepRecord record;
    const MazeGraph graph = RectangleGraph(maze.size);
    way.run(graph, PassagesOf(graph, maze), RectanglePlaces(maze.size), &record);
    return std::move(record.steps);
}

std::vector<StepEvent> RecordRoute(const MazeState& maze)
{
    const MazeGraph graph = RectangleGraph(maze.size);
    const GraphRoute route = SearchDepthFirst(graph, PassagesOf(graph, maze));
    std::vector<StepEvent> steps;
    steps.reserve(route.cells.size());
    for (CellId c : route.cells)
        steps.push_back({StepKind::Route, c});
    return steps;
}

Watched RecordWatch(WatchKind kind, std::uint64_t seed, MazeSize size, const SearchWay* way, const BuildChoice& how)
{
    if (kind == WatchKind::Build && how.Classic()) {
        StepRecord record;
        RegionsBuildSteps steps(size, record);
        MazeState maze = MazeFromSeed(seed, size, &steps);
        return {std::move(maze), std::move(record.steps)};
    }
    if (kind == WatchKind::Build) {
        // As MazeFromRecipe builds it, draw for draw, telling each step.
        StepRecord record;
        ClockRandom random;
        random.QueueSeed(seed);
        MazeState maze(size);
        BuildMazeBy(maze, how, random, &record);
        return {std::move(maze), std::move(record.steps)};
    }
    Watched watched{MazeFromRecipe(seed, size, how), {}};
    watched.steps = kind == WatchKind::Route ? RecordRoute(watched.maze)
                                             : RecordSearch(watched.maze, way ? *way : SearchWays().front());
    return watched;
}

CellPlaces ShapePlaces(const Shape& shape)
{
    CellPlaces places;
    for (const PointF c : shape.centres) {
        places.x.push_back(c.x);
        places.y.push_back(c.y);
    }
    return places;
}

std::vector<StepEvent> RecordShapeSearch(const ShapeMaze& maze, const SearchWay& way)
{
    StepRecord record;
    way.run(maze.shape.graph, maze.passages, ShapePlaces(maze.shape), &record);
    return std::move(record.steps);
}

std::vector<StepEvent> RecordShapeRoute(const ShapeMaze& maze)
{
    std::vector<StepEvent> steps;
    steps.reserve(maze.route.size());
    for (const CellId c : maze.route)
        steps.push_back({StepKind::Route, c});
    return steps;
}

WatchedShape RecordShapeWatch(WatchKind kind, Shape shape, const BuildChoice& how, std::uint64_t seed, const SearchWay* way)
{
    if (kind != WatchKind::Build) {
        WatchedShape watched{BuildShapeMaze(std::move(shape), how, seed), {}};
        const ShapeMaze& m = watched.maze;
        watched.steps = kind == WatchKind::Route ? RecordShapeRoute(m) : RecordShapeSearch(m, way ? *way : SearchWays().front());
        return watched;
    }
    // As BuildShapeMaze builds it, draw for draw, telling each step.
    StepRecord record;
    ClockRandom random;
    random.QueueSeed(seed);
    ShapeMaze maze{std::move(shape), {}, {}};
    maze.passages = BuildPassages(maze.shape.graph, how, random, &record);
    maze.route = SearchDepthFirst(maze.shape.graph, maze.passages).cells;
    return {std::move(maze), std::move(record.steps)};
}

std::vector<WayCount> CountEveryWay(const MazeState& maze)
{
    const MazeGraph graph = RectangleGraph(maze.size);
    return CountEveryWay(graph, PassagesOf(graph, maze), RectanglePlaces(maze.size));
}

std::vector<WayCount> CountEveryWay(const MazeGraph& graph, const Passages& passages, const CellPlaces& places)
{
    std::vector<WayCount> counts;
    for (const SearchWay& way : SearchWays()) {
        const GraphRoute route = way.run(graph, passages, places, nullptr);
        counts.push_back({way.name, route.visited, static_cast<int>(route.cells.size())});
    }
    return counts;
}

}  // namespace tolvane
