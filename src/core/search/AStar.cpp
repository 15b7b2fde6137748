// A* search over a maze graph.
#include <cmath>
#include <cstdint>
#include <queue>
#include <vector>

#include "core/search/RouteBack.h"
#include "core/search/Searches.h"

namespace tolvane {
namespace {

// The least number of steps from cell c to G that the places allow.
class Estimate {
public:
    Estimate(const MazeGraph& graph, const CellPlaces& places) : graph_(graph), places_(places)
    {
        if (places.squareGrid)
            return;
        for (WallId w = 0; w < graph.WallCount(); ++w)
            longestStep_ = std::max(longestStep_, Distance(graph.SideA(w), graph.SideB(w)));
    }

    double operator()(CellId c) const
    {
        if (places_.squareGrid)
            return std::abs(X(c) - X(graph_.goal)) + std::abs(Y(c) - Y(graph_.goal));
        return longestStep_ > 0 ? Distance(c, graph_.goal) / longestStep_ : 0;
    }

private:
    double X(CellId c) const { return places_.x[static_cast<std::size_t>(c)]; }
    double Y(CellId c) const { return places_.y[static_cast<std::size_t>(c)]; }
    double Distance(CellId a, CellId b) const { return std::hypot(X(a) - X(b), Y(a) - Y(b)); }

    const MazeGraph& graph_;
    const CellPlaces& places_;
    double longestStep_ = 0;
};

struct Candidate {
    double total;       // steps so far and the estimate
    int steps;          // steps from S
    std::int64_t order; // when it was found
    CellId cell;
    WallId wall;
    // The queue's top is the least total, then the most steps, then the earliest found.
    bool operator<(const Candidate& o) const
    {
        if (total != o.total)
            return total > o.total;
        if (steps != o.steps)
            return steps < o.steps;
        return order > o.order;
    }
};

}  // namespace

GraphRoute SearchAStar(const MazeGraph& graph, const Passages& passages, const CellPlaces& places, StepSink* sink)
{
    GraphRoute result;
    const auto cells = static_cast<std::size_t>(graph.CellCount());
    const Estimate estimate(graph, places);
    std::vector<WallId> through(cells, -1);
    std::vector<int> best(cells, -1);  // the fewest steps from S found so far, -1 for none
    std::vector<std::uint8_t> entered(cells, 0);
    std::priority_queue<Candidate> open;
    std::int64_t found = 0;
    open.push({estimate(graph.start), 0, found++, graph.start, -1});
    best[static_cast<std::size_t>(graph.start)] = 0;
    bool reached = false;
    while (!open.empty()) {
        const Candidate next = open.top();
        open.pop();
        const auto c = static_cast<std::size_t>(next.cell);
        if (entered[c] || next.steps != best[c])
            continue;  // a longer way to a cell already found shorter
        entered[c] = 1;
        through[c] = next.wall;
        ++result.visited;
        Report(sink, {StepKind::Enter, next.cell, next.wall});
        if (next.cell == graph.goal) {
            reached = true;
            break;
        }
        for (const Link& l : graph.Neighbours(next.cell)) {
            const auto to = static_cast<std::size_t>(l.to);
            const int steps = next.steps + 1;
            if (!passages.Open(l.wall) || entered[to] || (best[to] >= 0 && best[to] <= steps))
                continue;
            best[to] = steps;
            open.push({steps + estimate(l.to), steps, found++, l.to, l.wall});
        }
    }
    RouteBack(graph, through, reached, result, sink);
    return result;
}

}  // namespace tolvane
