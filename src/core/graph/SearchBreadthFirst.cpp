// Breadth-first search over a maze graph.
#include <vector>

#include "core/graph/RouteBack.h"
#include "core/graph/Searches.h"

namespace tolvane {

GraphRoute SearchBreadthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink)
{
    GraphRoute result;
    const auto cells = static_cast<std::size_t>(graph.CellCount());
    std::vector<WallId> through(cells, -1);
    std::vector<std::uint8_t> queued(cells, 0);
    std::vector<std::pair<CellId, WallId>> queue;  // the cells in the order they are entered
    queue.reserve(cells);
    queue.emplace_back(graph.start, -1);
    queued[static_cast<std::size_t>(graph.start)] = 1;
    bool reached = false;
    for (std::size_t head = 0; head < queue.size() && !reached; ++head) {
        const auto [c, wall] = queue[head];
        ++result.visited;
        Report(sink, {StepKind::Enter, c, wall});
        if (c == graph.goal) {
            reached = true;
            break;
        }
        for (const Link& l : graph.Neighbours(c)) {
            const auto to = static_cast<std::size_t>(l.to);
            if (passages.Open(l.wall) && !queued[to]) {
                queued[to] = 1;
                through[to] = l.wall;
                queue.emplace_back(l.to, l.wall);
            }
        }
    }
    RouteBack(graph, through, reached, result, sink);
    return result;
}

}  // namespace tolvane
