// Following the left-hand wall through a maze graph.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/search/Searches.h"

namespace tolvane {
namespace {

// The direction from cell a to cell b on the picture: 0 to the right, growing clockwise (y
// points down), from -pi to pi.
double Heading(const CellPlaces& p, CellId a, CellId b)
{
    const auto i = static_cast<std::size_t>(a);
    const auto j = static_cast<std::size_t>(b);
    return std::atan2(p.y[j] - p.y[i], p.x[j] - p.x[i]);
}

// The open way out of `cell` first met turning clockwise from `back`, the direction the walker
// came in from; the way straight back comes last. Null when the cell has no open way.
const Link* NextWay(const MazeGraph& graph, const Passages& passages, const CellPlaces& places, CellId cell, double back)
{
    constexpr double kTurn = 2 * std::numbers::pi;
    const Link* best = nullptr;
    double bestTurn = 0;
    for (const Link& l : graph.Neighbours(cell)) {
        if (!passages.Open(l.wall))
            continue;
        double turn = Heading(places, cell, l.to) - back;
        while (turn <= 1e-9)
            turn += kTurn;  // straight back is a whole turn, the last way tried
        if (best == nullptr || turn < bestTurn) {
            best = &l;
            bestTurn = turn;
        }
    }
    return best;
}

}  // namespace

GraphRoute SearchLeftHand(const MazeGraph& graph, const Passages& passages, const CellPlaces& places, StepSink* sink)
{
    GraphRoute result;
    std::vector<CellId>& path = result.cells;  // the walk so far with its detours taken out
    std::vector<int> onPath(static_cast<std::size_t>(graph.CellCount()), -1);
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(graph.CellCount()), 0);
    auto enter = [&](CellId c, WallId through) {
        onPath[static_cast<std::size_t>(c)] = static_cast<int>(path.size());
        path.push_back(c);
        if (!seen[static_cast<std::size_t>(c)]) {
            seen[static_cast<std::size_t>(c)] = 1;
            ++result.visited;
        }
        Report(sink, {StepKind::Enter, c, through});
    };
    enter(graph.start, -1);
    double back = -std::numbers::pi / 2;  // as if it had come in from above
    // Each open wall can be walked once each way before the walk repeats itself.
    const long long maxMoves = 2LL * graph.WallCount() + 1;
    for (long long moves = 0; path.back() != graph.goal; ++moves) {
        const CellId c = path.back();
        const Link* way = moves < maxMoves ? NextWay(graph, passages, places, c, back) : nullptr;
        if (way == nullptr) {
            path.clear();  // shut in, or walking in circles round an island: G cannot be reached this way
            return result;
        }
        back = Heading(places, way->to, c);
        const int at = onPath[static_cast<std::size_t>(way->to)];
        if (at < 0) {
            enter(way->to, way->wall);
            continue;
        }
        // Back into a cell of the walk: everything after it was a detour.
        while (static_cast<int>(path.size()) > at + 1) {
            Report(sink, {StepKind::BackUp, path.back()});
            onPath[static_cast<std::size_t>(path.back())] = -1;
            path.pop_back();
        }
    }
    for (CellId c : path)
        Report(sink, {StepKind::Route, c});
    return result;
}

}  // namespace tolvane
