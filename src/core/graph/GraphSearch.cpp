// Depth-first search over a maze graph.
#include "core/graph/GraphSearch.h"

namespace tolvane {

GraphRoute SearchDepthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink)
{
    GraphRoute result;
    std::vector<std::uint8_t> entered(static_cast<std::size_t>(graph.CellCount()), 0);
    // The path being tried, and for each of its cells the next neighbour slot to try.
    std::vector<CellId>& path = result.cells;
    std::vector<std::size_t> next;
    auto enter = [&](CellId c, WallId through) {
        entered[static_cast<std::size_t>(c)] = 1;
        ++result.visited;
        path.push_back(c);
        next.push_back(0);
        Report(sink, {StepKind::Enter, c, through});
    };
    enter(graph.start, -1);
    while (!path.empty()) {
        const CellId c = path.back();
        if (c == graph.goal)
            break;
        const auto links = graph.Neighbours(c);
        std::size_t& slot = next.back();
        while (slot < links.size() && !(passages.Open(links[slot].wall) && !entered[static_cast<std::size_t>(links[slot].to)]))
            ++slot;
        if (slot < links.size()) {
            const Link to = links[slot];
            ++slot;
            enter(to.to, to.wall);
            continue;
        }
        Report(sink, {StepKind::BackUp, c});
        path.pop_back();
        next.pop_back();
    }
    for (CellId c : path)
        Report(sink, {StepKind::Route, c});
    return result;
}

}  // namespace tolvane
