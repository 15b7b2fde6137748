// Recording what can be watched.
#include "core/watch/Watch.h"

#include <array>

#include "core/graph/Rectangle.h"
#include "core/graph/RegionsBuild.h"
#include "core/maze/BuildMaze.h"

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
    way.run(RectangleGraph(maze.size), PassagesOf(maze), RectanglePlaces(maze.size), &record);
    return std::move(record.steps);
}

std::vector<StepEvent> RecordRoute(const MazeState& maze)
{
    const GraphRoute route = SearchDepthFirst(RectangleGraph(maze.size), PassagesOf(maze));
    std::vector<StepEvent> steps;
    steps.reserve(route.cells.size());
    for (CellId c : route.cells)
        steps.push_back({StepKind::Route, c});
    return steps;
}

Watched RecordWatch(WatchKind kind, std::uint64_t seed, MazeSize size, const SearchWay* way)
{
    if (kind == WatchKind::Build) {
        StepRecord record;
        RegionsBuildSteps steps(size, record);
        MazeState maze = MazeFromSeed(seed, size, &steps);
        return {std::move(maze), std::move(record.steps)};
    }
    Watched watched{MazeFromSeed(seed, size), {}};
    watched.steps = kind == WatchKind::Route ? RecordRoute(watched.maze)
                                             : RecordSearch(watched.maze, way ? *way : SearchWays().front());
    return watched;
}

std::vector<WayCount> CountEveryWay(const MazeState& maze)
{
    const MazeGraph graph = RectangleGraph(maze.size);
    const Passages passages = PassagesOf(maze);
    const CellPlaces places = RectanglePlaces(maze.size);
    std::vector<WayCount> counts;
    for (const SearchWay& way : SearchWays()) {
        const GraphRoute route = way.run(graph, passages, places, nullptr);
        counts.push_back({way.name, route.visited, static_cast<int>(route.cells.size())});
    }
    return counts;
}

}  // namespace tolvane
