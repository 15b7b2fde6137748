// Building a maze around a route of a chosen length: the route first, the rest grown around it.
#pragma once

#include <vector>

#include "core/generate/Algorithms.h"

namespace tolvane {

// The route lengths, in cells with S and G, that route-first building reaches on a graph: from
// the least possible (a shortest way from S to G) up to kMostRouteShare of the cells.
inline constexpr double kMostRouteShare = 0.8;
struct RouteRange {
    int least = 0;
    int most = 0;
    bool Holds(int cells) const { return cells >= least && cells <= most; }
};
RouteRange RouteRangeOf(const MazeGraph& graph);

// A way from S to G of `length` cells or as near below as the graph allows (on a rectangle a
// route's length is always odd or always even): a random shortest way, then lengthened by
// detours, each replacing a step between two route cells by one or two cells beside both,
// at random places, until it is long enough, no detour is left, or `tries` were looked for.
std::vector<CellId> StretchedRoute(const MazeGraph& graph, int length, RandomSource& random, long long tries);

// A perfect maze whose route is `route`: its walls opened, and the rest grown the chosen way
// on the graph with the route's cells taken as one cell, so that every way builds around it
// unchanged. Where a cell touches the route more than once, its first wall to it in the shape's
// order is the one that may open.
Passages BuildAroundRoute(const MazeGraph& graph, const std::vector<CellId>& route, Algorithm algorithm,
                          RandomSource& random, StepSink* sink);

// Route-first building from `random` as it stands: the route's length drawn first, uniformly
// over the graph's range, then the route, then the maze around it.
Passages BuildRouteFirst(const MazeGraph& graph, Algorithm algorithm, RandomSource& random, StepSink* sink);

// The length BuildRouteFirst will draw first after random.Randomize(), without building.
int FirstRouteLength(const RouteRange& range, RandomSource& random);

}  // namespace tolvane
