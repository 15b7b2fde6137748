// Small pieces every builder shares: a draw below n, and the set of cells taken in.
#pragma once

#include <cstdint>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/platform/Random.h"

namespace tolvane::build {

inline int Draw(RandomSource& random, int n) { return RandomIndex(random.NextRandom(), n); }

// Which cells are in the maze so far, and the passages opened to take them in.
class Carving {
public:
    Carving(const MazeGraph& graph, StepSink* sink)
        : passages(graph), in_(static_cast<std::size_t>(graph.CellCount()), 0), sink_(sink) {}

    bool In(CellId c) const { return in_[static_cast<std::size_t>(c)] != 0; }
    void TakeIn(CellId c)
    {
        in_[static_cast<std::size_t>(c)] = 1;
        Report(sink_, {StepKind::Enter, c});
    }
    // Opens `wall` and takes in `to`, the cell beyond it.
    void OpenInto(WallId wall, CellId to)
    {
        passages.Carve(wall);
        Report(sink_, {StepKind::Open, to, wall});
        TakeIn(to);
    }

    Passages passages;

private:
    std::vector<std::uint8_t> in_;
    StepSink* sink_;
};

// The links of `c` that satisfy `keep`, in the shape's order, into `out` (cleared first).
template <class Keep>
void LinksWhere(const MazeGraph& graph, CellId c, Keep keep, std::vector<Link>& out)
{
    out.clear();
    for (const Link& l : graph.Neighbours(c))
        if (keep(l))
            out.push_back(l);
}

}  // namespace tolvane::build
