// Dead-end filling over a maze graph.
#include <vector>

#include "core/search/Searches.h"

namespace tolvane {

GraphRoute FillDeadEnds(const MazeGraph& graph, const Passages& passages, StepSink* sink)
{
    const auto cells = static_cast<std::size_t>(graph.CellCount());
    // The open ways of every cell into cells not filled yet.
    std::vector<int> ways(cells, 0);
    for (CellId c = 0; c < graph.CellCount(); ++c)
        for (const Link& l : graph.Neighbours(c))
            ways[static_cast<std::size_t>(c)] += passages.Open(l.wall);
    std::vector<std::uint8_t> filled(cells, 0);
    Passages open = passages;  // the filled cells walled off
    int filledCount = 0;
    auto isDeadEnd = [&](CellId c) {
        return !filled[static_cast<std::size_t>(c)] && ways[static_cast<std::size_t>(c)] <= 1 && c != graph.start &&
               c != graph.goal;
    };
    for (CellId first = 0; first < graph.CellCount(); ++first) {
        // Fill the corridor from this dead end until it meets a junction.
        for (CellId c = first; c != kNoCell && isDeadEnd(c);) {
            filled[static_cast<std::size_t>(c)] = 1;
            ++filledCount;
            Report(sink, {StepKind::BackUp, c});
            CellId next = kNoCell;
            for (const Link& l : graph.Neighbours(c)) {
                if (!open.Open(l.wall))
                    continue;
                open.Close(l.wall);
                --ways[static_cast<std::size_t>(l.to)];
                next = l.to;
            }
            c = next;
        }
    }
    // What is left joins S to G; on a maze with loops it may hold more than one way, and the
    // shortest of them is read.
    GraphRoute result = SearchBreadthFirst(graph, open, nullptr);
    result.visited = filledCount + static_cast<int>(result.cells.size());
    for (CellId c : result.cells)
        Report(sink, {StepKind::Route, c});
    return result;
}

}  // namespace tolvane
