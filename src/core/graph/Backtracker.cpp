// The randomized depth-first walk over a maze graph.
#include "core/graph/Backtracker.h"

#include "core/platform/Random.h"

namespace tolvane {

Passages BuildBacktracker(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    Passages passages(graph);
    const int cells = graph.CellCount();
    std::vector<std::uint8_t> taken(static_cast<std::size_t>(cells), 0);
    std::vector<CellId> path;
    std::vector<Link> choices;
    const CellId first = RandomIndex(random.NextRandom(), cells);
    taken[static_cast<std::size_t>(first)] = 1;
    path.push_back(first);
    Report(sink, {StepKind::Enter, first});
    while (!path.empty()) {
        const CellId c = path.back();
        choices.clear();
        for (const Link& l : graph.Neighbours(c))
            if (!taken[static_cast<std::size_t>(l.to)])
                choices.push_back(l);
        if (choices.empty()) {
            Report(sink, {StepKind::BackUp, c});
            path.pop_back();
            continue;
        }
        const Link next = choices.size() == 1 ? choices.front()
                                              : choices[static_cast<std::size_t>(
                                                    RandomIndex(random.NextRandom(), static_cast<int>(choices.size())))];
        passages.Carve(next.wall);
        taken[static_cast<std::size_t>(next.to)] = 1;
        path.push_back(next.to);
        Report(sink, {StepKind::Open, c, next.wall});
        Report(sink, {StepKind::Enter, next.to});
    }
    return passages;
}

}  // namespace tolvane
