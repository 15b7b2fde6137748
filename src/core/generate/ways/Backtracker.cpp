// The recursive backtracker, with a stack of its own instead of recursion.
#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {

Passages BuildBacktracker(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    std::vector<CellId> path{Draw(random, graph.CellCount())};
    maze.TakeIn(path.back());
    WayOut out(graph, maze);
    while (!path.empty()) {
        const CellId c = path.back();
        const auto way = out.From(c, random);
        if (!way) {
            Report(sink, {StepKind::BackUp, c});
            path.pop_back();
            continue;
        }
        maze.OpenInto(way->wall, way->to);
        path.push_back(way->to);
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
