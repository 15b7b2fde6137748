// The recursive backtracker, with a stack of its own instead of recursion.
#include "core/build/BuildKit.h"
#include "core/build/Builders.h"

namespace tolvane {

Passages BuildBacktracker(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    std::vector<CellId> path{Draw(random, graph.CellCount())};
    maze.TakeIn(path.back());
    std::vector<Link> ways;
    while (!path.empty()) {
        const CellId c = path.back();
        LinksWhere(graph, c, [&](const Link& l) { return !maze.In(l.to); }, ways);
        if (ways.empty()) {
            Report(sink, {StepKind::BackUp, c});
            path.pop_back();
            continue;
        }
        const Link& way = ways[static_cast<std::size_t>(Draw(random, static_cast<int>(ways.size())))];
        maze.OpenInto(way.wall, way.to);
        path.push_back(way.to);
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
