// Loops: dead ends opened into their neighbours.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {

void Braid(const MazeGraph& graph, Passages& passages, int percent, RandomSource& random, StepSink* sink)
{
    using namespace build;
    if (percent <= 0)
        return;
    auto openWays = [&](CellId c) {
        int n = 0;
        for (const Link& l : graph.Neighbours(c))
            n += passages.Open(l.wall);
        return n;
    };
    auto deadEnd = [&](CellId c) { return c != graph.start && c != graph.goal && openWays(c) == 1; };
    std::vector<CellId> ends;
    for (CellId c = 0; c < graph.CellCount(); ++c)
        if (deadEnd(c))
            ends.push_back(c);
    const int total = static_cast<int>(ends.size());
    long long toRemove = std::lround(total * std::min(percent, 100) / 100.0);
    // Fisher-Yates, from the end: the order the dead ends are taken in.
    for (int i = total - 1; i > 0; --i)
        std::swap(ends[static_cast<std::size_t>(i)], ends[static_cast<std::size_t>(Draw(random, i + 1))]);
    std::vector<Link> closed;
    std::vector<Link> toDeadEnd;
    for (const CellId c : ends) {
        if (toRemove <= 0)
            break;
        if (!deadEnd(c))  // an earlier opening reached it
            continue;
        LinksWhere(graph, c, [&](const Link& l) { return !passages.Open(l.wall); }, closed);
        if (closed.empty())  // a cell with one neighbour only stays a dead end
            continue;
        // Opening into another dead end removes two at once; only when one more may go.
        LinksWhere(graph, c, [&](const Link& l) { return !passages.Open(l.wall) && deadEnd(l.to); }, toDeadEnd);
        const auto& from = toRemove >= 2 && !toDeadEnd.empty() ? toDeadEnd : closed;
        const Link& way = from[static_cast<std::size_t>(Draw(random, static_cast<int>(from.size())))];
        toRemove -= deadEnd(way.to) ? 2 : 1;
        passages.Carve(way.wall);
        Report(sink, {StepKind::Open, c, way.wall});
    }
}

}  // namespace tolvane
