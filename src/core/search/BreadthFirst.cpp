// Breadth-first search over a maze graph.
#include <vector>

#include "core/search/RouteBack.h"
#include "core/search/Searches.h"

namespace tolvane {

GraphRoute SearchBreadthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink)
{
    return SearchBreadthFirst(graph, passages, graph.start, graph.goal, sink);
}

GraphRoute SearchBreadthFirst(const MazeGraph& graph, const Passages& passages, CellId from, CellId to, StepSink* sink)
{
    GraphRoute result;
    const auto cells = static_cast<std::size_t>(graph.CellCount());
    std::vector<WallId> through(cells, -1);
    std::vector<std::uint8_t> queued(cells, 0);
    std::vector<std::pair<CellId, WallId>> queue;  // the cells in the order they are entered
    queue.reserve(cells);
    queue.emplace_back(from, -1);
    queued[static_cast<std::size_t>(from)] = 1;
    bool reached = false;
    for (std::size_t head = 0; head < queue.size() && !reached; ++head) {
        const auto [c, wall] = queue[head];
        ++result.visited;
        Report(sink, {StepKind::Enter, c, wall});
        if (c == to) {
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
    RouteBack(graph, through, reached, result, sink, from, to);
    return result;
}

}  // namespace tolvane
