// Depth-first search over a maze graph, and over a rectangle's state.
#include "core/graph/Rectangle.h"
#include "core/search/Searches.h"

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

namespace {

// Writes the search's steps into a rectangle's state: each cell entered goes into the route one
// entry deeper and is marked, each backed out of shortens the route by one and keeps its entry.
class IntoState final : public StepSink {
public:
    explicit IntoState(MazeState& state) : s_(state) {}

    void Record(const StepEvent& step) override
    {
        if (step.kind == StepKind::Enter) {
            const int x = step.cell % s_.Width();
            const int y = step.cell / s_.Width();
            s_.PathLen = Add32(s_.PathLen, 1);
            s_.PathX(s_.PathLen) = To16(x);
            s_.PathY(s_.PathLen) = To16(y);
            s_.Visited(x, y) = kTrue;
        } else if (step.kind == StepKind::BackUp) {
            s_.PathLen = Add32(s_.PathLen, -1);
        }
    }

private:
    MazeState& s_;
};

}  // namespace

void Solve(MazeState& s)
{
    for (int x = -1; x <= s.LastX(); ++x)
        for (int y = -1; y <= s.LastY(); ++y)
            s.Visited(x, y) = kFalse;
    s.PathX(0) = 0;
    s.PathY(0) = 0;
    s.PathLen = 0;
    IntoState into(s);
    const MazeGraph& graph = KeptRectangleGraph(s.size);
    s.Found = SearchDepthFirst(graph, PassagesOf(graph, s), &into).cells.empty() ? kFalse : kTrue;
    s.StepCount = 0;
}

}  // namespace tolvane
