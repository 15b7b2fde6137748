// Texture figures.
#include "core/search/Texture.h"

#include <algorithm>
#include <deque>

#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"

namespace tolvane {
namespace {

// Distances in steps from `from` through open walls (-1 unreached), and the farthest cell.
CellId Farthest(const MazeGraph& g, const Passages& p, CellId from, std::vector<int>& distance)
{
    distance.assign(static_cast<std::size_t>(g.CellCount()), -1);
    std::deque<CellId> queue{from};
    distance[static_cast<std::size_t>(from)] = 0;
    CellId last = from;
    while (!queue.empty()) {
        last = queue.front();
        queue.pop_front();
        for (const Link& l : g.Neighbours(last)) {
            auto& d = distance[static_cast<std::size_t>(l.to)];
            if (p.Open(l.wall) && d < 0) {
                d = distance[static_cast<std::size_t>(last)] + 1;
                queue.push_back(l.to);
            }
        }
    }
    return last;
}

}  // namespace

StraightOn RectangleStraight()
{
    // Cells are numbered row by row, so equal steps in the numbers are equal moves.
    return [](CellId a, CellId b, CellId c) { return c - b == b - a; };
}

RouteMeasures MeasureRoute(const MazeGraph& g, const Passages& p, std::span<const CellId> route)
{
    RouteMeasures m;
    m.route = static_cast<int>(route.size());
    for (CellId c = 0; c < g.CellCount(); ++c) {
        int open = 0;
        for (const Link& l : g.Neighbours(c))
            open += p.Open(l.wall);
        m.deadEnds += open == 1 && c != g.start && c != g.goal;
    }
    // Decisions: walking the route, the ways at each cell to cells not yet seen.
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(g.CellCount()), 0);
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        seen[static_cast<std::size_t>(route[i])] = 1;
        int fresh = 0;
        for (const Link& l : g.Neighbours(route[i])) {
            if (p.Open(l.wall) && !seen[static_cast<std::size_t>(l.to)]) {
                ++fresh;
                seen[static_cast<std::size_t>(l.to)] = 1;
            }
        }
        m.decisions += fresh >= 2;
    }
    return m;
}

Texture MeasureTexture(const MazeGraph& g, const Passages& p, const StraightOn& straight)
{
    Texture t;
    t.cells = g.CellCount();
    const auto index = [](CellId c) { return static_cast<std::size_t>(c); };
    std::vector<int> distance;
    if (g.CellCount() > 0) {
        const CellId end = Farthest(g, p, g.start, distance);
        const CellId other = Farthest(g, p, end, distance);
        t.longestPath = distance[index(other)] + 1;
    }
    const std::vector<CellId> route = SearchDepthFirst(g, p).cells;
    const RouteMeasures along = MeasureRoute(g, p, route);
    t.route = along.route;
    t.deadEnds = along.deadEnds;
    t.decisions = along.decisions;
    if (route.empty())
        return t;
    for (std::size_t i = 1; straight && i + 1 < route.size(); ++i)
        if (!straight(route[i - 1], route[i], route[i + 1]))
            ++t.turns;
    if (straight)
        ++t.turns;  // counted from -1
    // False branches: every cell off the route belongs to the branch it is nearest by, a branch
    // being a way off the route; its length is its deepest cell's distance from the route.
    std::vector<int> depth(static_cast<std::size_t>(g.CellCount()), -1);
    std::vector<int> branchOf(static_cast<std::size_t>(g.CellCount()), -1);
    std::deque<CellId> queue;
    for (const CellId c : route)
        depth[index(c)] = 0;
    std::vector<int> branchLength;
    for (const CellId c : route) {
        for (const Link& l : g.Neighbours(c)) {
            if (p.Open(l.wall) && depth[index(l.to)] < 0) {
                depth[index(l.to)] = 1;
                branchOf[index(l.to)] = static_cast<int>(branchLength.size());
                branchLength.push_back(1);
                queue.push_back(l.to);
            }
        }
    }
    while (!queue.empty()) {
        const CellId c = queue.front();
        queue.pop_front();
        for (const Link& l : g.Neighbours(c)) {
            if (p.Open(l.wall) && depth[index(l.to)] < 0) {
                depth[index(l.to)] = depth[index(c)] + 1;
                branchOf[index(l.to)] = branchOf[index(c)];
                auto& length = branchLength[static_cast<std::size_t>(branchOf[index(c)])];
                length = std::max(length, depth[index(l.to)]);
                queue.push_back(l.to);
            }
        }
    }
    t.branches = static_cast<int>(branchLength.size());
    long long total = 0;
    for (const int length : branchLength) {
        total += length;
        t.longestBranch = std::max(t.longestBranch, length);
    }
    t.meanBranch = t.branches == 0 ? 0 : static_cast<double>(total) / t.branches;
    return t;
}

Texture MeasureTexture(const MazeState& maze)
{
    const MazeGraph& graph = KeptRectangleGraph(maze.size);
    return MeasureTexture(graph, PassagesOf(graph, maze), RectangleStraight());
}

}  // namespace tolvane
