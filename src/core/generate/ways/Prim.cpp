// Prim's algorithm with random choices: the maze grows at a random cell of its frontier.
#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {

Passages BuildPrim(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    std::vector<std::uint8_t> listed(static_cast<std::size_t>(graph.CellCount()), 0);
    std::vector<CellId> frontier;  // cells outside the maze beside it; a taken one gives its place to the last
    auto takeIn = [&](CellId c) {
        for (const Link& l : graph.Neighbours(c)) {
            if (!maze.In(l.to) && !listed[static_cast<std::size_t>(l.to)]) {
                listed[static_cast<std::size_t>(l.to)] = 1;
                frontier.push_back(l.to);
            }
        }
    };
    const CellId first = Draw(random, graph.CellCount());
    maze.TakeIn(first);
    takeIn(first);
    std::vector<Link> ways;
    while (!frontier.empty()) {
        const std::size_t at = static_cast<std::size_t>(Draw(random, static_cast<int>(frontier.size())));
        const CellId c = frontier[at];
        frontier[at] = frontier.back();
        frontier.pop_back();
        LinksWhere(graph, c, [&](const Link& l) { return maze.In(l.to); }, ways);
        const Link& way = ways[static_cast<std::size_t>(Draw(random, static_cast<int>(ways.size())))];
        maze.OpenInto(way.wall, c);
        takeIn(c);
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
