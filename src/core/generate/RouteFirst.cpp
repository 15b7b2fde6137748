// Route-first building.
#include "core/generate/RouteFirst.h"

#include <algorithm>
#include <deque>

#include "core/generate/BuildKit.h"

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
    // Detours: a step a -> b becomes a -> c -> b or a -> c -> d -> b through cells off the route.
    struct Detour {
        CellId c, d;
    };
    std::vector<Detour> detours;
    // A cell that has no detour after it never gets one: the cells beside it only fill up, and
    // its step changes only by a detour of its own. So each is dropped when it fails once.
    std::vector<CellId> open = cells;
    int size = static_cast<int>(cells.size());
    for (long long t = 0; t < tries && size < length && !open.empty(); ++t) {
        const std::size_t at = At(Draw(random, static_cast<int>(open.size())));
        const CellId a = open[at];
        const CellId b = next[At(a)];
        detours.clear();
        if (a != g.goal) {
            for (const Link& ac : g.Neighbours(a)) {
                const CellId c = ac.to;
                if (on[At(c)])
                    continue;
                if (Touch(g, c, b))
                    detours.push_back({c, kNoCell});
                if (size + 2 > length)
                    continue;
                for (const Link& cd : g.Neighbours(c))
                    if (!on[At(cd.to)] && cd.to != a && Touch(g, cd.to, b))
                        detours.push_back({c, cd.to});
            }
        }
        if (detours.empty()) {
            open[at] = open.back();
            open.pop_back();
            continue;
        }
        const Detour& d = detours[At(Draw(random, static_cast<int>(detours.size())))];
        next[At(a)] = d.c;
        on[At(d.c)] = 1;
        open.push_back(d.c);
        ++size;
        if (d.d == kNoCell) {
            next[At(d.c)] = b;
        } else {
            next[At(d.c)] = d.d;
            next[At(d.d)] = b;
            on[At(d.d)] = 1;
            open.push_back(d.d);
            ++size;
        }
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
