// Small pieces every builder shares: a draw below n, and the set of cells taken in.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
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

// A random way from a cell to a neighbour not yet taken in, or none. A cell with more
// neighbours than any shape gives one (the route, taken as one cell, when building around it)
// keeps the list of its ways and drops those found taken in, so that coming back to it again
// and again costs only what changed.
class WayOut {
public:
    WayOut(const MazeGraph& graph, const Carving& maze) : graph_(graph), maze_(maze) {}

    std::optional<Link> From(CellId c, RandomSource& random)
    {
        const auto links = graph_.Neighbours(c);
        if (links.size() <= kManyNeighbours) {
            LinksWhere(graph_, c, [&](const Link& l) { return !maze_.In(l.to); }, ways_);
            if (ways_.empty())
                return std::nullopt;
            return ways_[static_cast<std::size_t>(Draw(random, static_cast<int>(ways_.size())))];
        }
        auto [at, added] = many_.try_emplace(c, links.begin(), links.end());
        std::vector<Link>& left = at->second;
        while (!left.empty()) {
            const std::size_t i = static_cast<std::size_t>(Draw(random, static_cast<int>(left.size())));
            if (!maze_.In(left[i].to))
                return left[i];
            left[i] = left.back();
            left.pop_back();
        }
        return std::nullopt;
    }

private:
    static constexpr std::size_t kManyNeighbours = 16;
    const MazeGraph& graph_;
    const Carving& maze_;
    std::vector<Link> ways_;
    std::unordered_map<CellId, std::vector<Link>> many_;
};

}  // namespace tolvane::build
