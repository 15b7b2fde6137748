// Route-first building.
#include "core/generate/RouteFirst.h"

#include <algorithm>
#include <array>
#include <deque>

#include "core/generate/ways/BuildKit.h"

namespace tolvane {
namespace {

using build::Draw;

std::size_t At(CellId c) { return static_cast<std::size_t>(c); }

// Steps from every cell to G through any wall (-1: cut off).
std::vector<int> StepsToGoal(const MazeGraph& g)
{
    std::vector<int> steps(At(g.CellCount()), -1);
    std::deque<CellId> queue{g.goal};
    steps[At(g.goal)] = 0;
    while (!queue.empty()) {
        const CellId c = queue.front();
        queue.pop_front();
        for (const Link& l : g.Neighbours(c)) {
            if (steps[At(l.to)] < 0) {
                steps[At(l.to)] = steps[At(c)] + 1;
                queue.push_back(l.to);
            }
        }
    }
    return steps;
}

// The longest detour a step of the route takes. Where two cells side by side share a neighbour
// (hexagons) or two neighbours that touch (squares), one or two cells reach round; where the
// shortest ring of cells is longer (triangles: six round a corner), the detour goes round it,
// and one ring further, so that the route's length can change by two cells as on a rectangle.
constexpr int kLongestDetour = 6;

bool Touch(const MazeGraph& g, CellId a, CellId b);

// The fewest cells of a ring through a cell in the middle of the graph, looked for up to
// kLongestDetour: for each wall of it, the shortest way between its two sides that does not
// cross that wall. Two detour cells where that ring has 3 or 4 cells; kLongestDetour otherwise.
int DetourSpan(const MazeGraph& g)
{
    const CellId middle = g.CellCount() / 2;
    int ring = kLongestDetour + 1;
    for (const Link& wall : g.Neighbours(middle)) {
        std::vector<std::pair<CellId, int>> seen{{middle, 1}};  // a cell, the cells of the way to it
        const auto known = [&](CellId c) { return std::any_of(seen.begin(), seen.end(), [c](const auto& s) { return s.first == c; }); };
        for (std::size_t i = 0; i < seen.size() && seen[i].second < std::min(ring, kLongestDetour); ++i) {
            for (const Link& l : g.Neighbours(seen[i].first)) {
                if (i == 0 && l.to == wall.to)
                    continue;
                if (l.to == wall.to)
                    ring = std::min(ring, seen[i].second + 1);
                else if (!known(l.to))
                    seen.push_back({l.to, seen[i].second + 1});
            }
        }
    }
    return ring <= 4 ? 2 : kLongestDetour;
}

bool Touch(const MazeGraph& g, CellId a, CellId b)
{
    for (const Link& l : g.Neighbours(a))
        if (l.to == b)
            return true;
    return false;
}

}  // namespace

RouteRange RouteRangeOf(const MazeGraph& g)
{
    const int least = StepsToGoal(g)[At(g.start)] + 1;
    return {least, std::max(least, static_cast<int>(g.CellCount() * kMostRouteShare))};
}

int FirstRouteLength(const RouteRange& range, RandomSource& random)
{
    return range.least + Draw(random, range.most - range.least + 1);
}

std::vector<CellId> StretchedRoute(const MazeGraph& g, int length, RandomSource& random, long long tries)
{
    // A random shortest way: from S, each step to a random neighbour one step nearer G.
    const std::vector<int> steps = StepsToGoal(g);
    std::vector<CellId> next(At(g.CellCount()), kNoCell);
    std::vector<std::uint8_t> on(At(g.CellCount()), 0);
    std::vector<CellId> cells{g.start};
    on[At(g.start)] = 1;
    std::vector<CellId> nearer;
    for (CellId c = g.start; c != g.goal;) {
        nearer.clear();
        for (const Link& l : g.Neighbours(c))
            if (steps[At(l.to)] == steps[At(c)] - 1)
                nearer.push_back(l.to);
        const CellId to = nearer[At(Draw(random, static_cast<int>(nearer.size())))];
        next[At(c)] = to;
        on[At(to)] = 1;
        cells.push_back(to);
        c = to;
    }
    // Detours: a step a -> b becomes a -> c -> b, a -> c -> d -> b, ... through cells off the
    // route, at most `span` of them, found depth first in the shape's order. Where the rings are
    // longer (triangles), a route along the border has cells no detour reaches round, so there
    // two steps a -> b -> e may also become a way round b of two or more cells, b left off.
    const int span = DetourSpan(g);
    struct Detour {
        std::array<CellId, kLongestDetour> cells;
        int count;
        bool skips;  // b is left off
    };
    std::vector<Detour> detours;
    std::array<CellId, kLongestDetour> path{};
    int size = static_cast<int>(cells.size());
    // Every way on from path[0..depth-1] that ends beside `to` and keeps the route no longer
    // than `length`; a cell is used once on a way.
    const auto look = [&](auto&& self, CellId from, CellId to, int depth, bool skips) -> void {
        for (const Link& l : g.Neighbours(from)) {
            const CellId c = l.to;
            if (on[At(c)] || std::find(path.begin(), path.begin() + depth, c) != path.begin() + depth)
                continue;
            path[At(depth)] = c;
            const int grows = depth + 1 - int(skips);
            if (grows > 0 && size + grows <= length && Touch(g, c, to))
                detours.push_back({path, depth + 1, skips});
            if (depth + 1 < span && size + grows + 1 <= length)
                self(self, c, to, depth + 1, skips);
        }
    };
    // A cell that has no detour after it seldom gets one later: the cells beside it only fill
    // up, and its step changes only by a detour of its own. So each is dropped when it fails once
    // (and when a way round has left it off the route).
    std::vector<CellId> open = cells;
    for (long long t = 0; t < tries && size < length && !open.empty(); ++t) {
        const std::size_t at = At(Draw(random, static_cast<int>(open.size())));
        const CellId a = open[at];
        const CellId b = a == g.goal ? kNoCell : next[At(a)];
        detours.clear();
        if (on[At(a)] && a != g.goal) {
            look(look, a, b, 0, false);
            if (span > 2 && b != g.goal)
                look(look, a, next[At(b)], 0, true);
        }
        if (detours.empty()) {
            open[at] = open.back();
            open.pop_back();
            continue;
        }
        const Detour& d = detours[At(Draw(random, static_cast<int>(detours.size())))];
        CellId after = b;
        if (d.skips) {
            after = next[At(b)];
            on[At(b)] = 0;
            next[At(b)] = kNoCell;
        }
        CellId before = a;
        for (int i = 0; i < d.count; ++i) {
            const CellId c = d.cells[At(i)];
            next[At(before)] = c;
            on[At(c)] = 1;
            open.push_back(c);
            before = c;
        }
        next[At(before)] = after;
        size += d.count - int(d.skips);
    }
    std::vector<CellId> route{g.start};
    while (route.back() != g.goal)
        route.push_back(next[At(route.back())]);
    return route;
}

Passages BuildAroundRoute(const MazeGraph& g, const std::vector<CellId>& route, Algorithm algorithm,
                          RandomSource& random, StepSink* sink)
{
    Passages passages(g);
    // Each cell's number in the smaller graph; the route is the last, so that the one cell with
    // many neighbours names them all in one go instead of being looked up by each.
    std::vector<CellId> merged(At(g.CellCount()), 0);
    std::vector<std::uint8_t> on(At(g.CellCount()), 0);
    for (std::size_t i = 0; i < route.size(); ++i) {
        on[At(route[i])] = 1;
        if (i > 0) {
            for (const Link& l : g.Neighbours(route[i - 1]))
                if (l.to == route[i])
                    passages.Carve(l.wall);
        }
    }
    int count = 0;
    for (CellId c = 0; c < g.CellCount(); ++c)
        if (!on[At(c)])
            merged[At(c)] = count++;
    const CellId hub = count++;
    // Each smaller cell's links as (neighbour, the wall in the whole graph), in the shape's order.
    std::vector<std::vector<Link>> links(At(count));
    for (CellId c = 0; c < g.CellCount(); ++c) {
        if (on[At(c)])
            continue;
        bool toRoute = false;
        for (const Link& l : g.Neighbours(c)) {
            if (!on[At(l.to)]) {
                links[At(merged[At(c)])].push_back({merged[At(l.to)], l.wall});
            } else if (!toRoute) {
                toRoute = true;
                links[At(merged[At(c)])].push_back({hub, l.wall});
                links[At(hub)].push_back({merged[At(c)], l.wall});
            }
        }
    }
    GraphBuilder builder(count);
    for (CellId c = 0; c < count; ++c) {
        builder.BeginCell(c);
        for (const Link& l : links[At(c)])
            builder.Link(l.to);
    }
    const MazeGraph small = builder.Finish(hub, hub);
    const Passages grown = InfoOf(algorithm).build(small, random, nullptr);
    for (CellId c = 0; c < count; ++c) {
        const auto smallLinks = small.Neighbours(c);
        for (std::size_t i = 0; i < smallLinks.size(); ++i) {
            if (grown.Open(smallLinks[i].wall) && !passages.Open(links[At(c)][i].wall)) {
                passages.Carve(links[At(c)][i].wall);
                Report(sink, {StepKind::Open, g.SideA(links[At(c)][i].wall), links[At(c)][i].wall});
            }
        }
    }
    return passages;
}

Passages BuildRouteFirst(const MazeGraph& g, Algorithm algorithm, RandomSource& random, StepSink* sink)
{
    const int length = FirstRouteLength(RouteRangeOf(g), random);
    // Enough tries that a route of up to the most cells is met in all but the rarest mazes.
    const long long tries = 64LL * g.CellCount() + 1000;
    return BuildAroundRoute(g, StretchedRoute(g, length, random, tries), algorithm, random, sink);
}

}  // namespace tolvane
