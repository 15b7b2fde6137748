// A maze's texture: the figures that say how hard it is, for a maze of any shape.
#pragma once

#include <functional>
#include <span>

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"

namespace tolvane {

struct Texture {
    int cells = 0;
    int route = 0;          // cells on the route from S to G, both included (0: G unreachable)
    int decisions = 0;      // cells of the route where two or more ways lead on to cells not yet seen
    int deadEnds = 0;       // cells other than S and G with one open wall
    int longestBranch = 0;  // cells of the longest way into a false branch, off the route
    double meanBranch = 0;  // the mean over the false branches of their longest way in
    int branches = 0;       // false branches: ways off the route
    int turns = -1;         // changes of direction along the route; -1 where the shape has no rule for it
    int longestPath = 0;    // cells on the longest way between any two cells (the maze's diameter)

    double RouteShare() const { return cells == 0 ? 0 : static_cast<double>(route) / cells; }
    double DeadEndShare() const { return cells == 0 ? 0 : static_cast<double>(deadEnds) / cells; }
    double LongestPathShare() const { return cells == 0 ? 0 : static_cast<double>(longestPath) / cells; }
};

// Whether going from a to b and on to c goes straight on. Turns are counted only with one.
using StraightOn = std::function<bool(CellId a, CellId b, CellId c)>;

// The rectangle's rule: the two moves go the same way.
StraightOn RectangleStraight();

// The route is the one the search shows (SearchDepthFirst): in a perfect maze the only one. A
// way "not yet seen" at a route cell leads to a cell that is neither on the route so far nor
// beside it through an open wall, so that in a maze with loops a way already looked into is not
// a new decision. The longest path is measured between the two ends a search from any cell
// finds farthest, exact in a perfect maze and a lower bound with loops.
Texture MeasureTexture(const MazeGraph& graph, const Passages& passages, const StraightOn& straight = {});

// The same for a rectangle's state.
Texture MeasureTexture(const MazeState& maze);

// What a worksheet's caption needs of a maze whose route is known already, without searching
// again: the route's cells, the dead ends, and the decisions along the route, as MeasureTexture
// counts them.
struct RouteMeasures {
    int route = 0;
    int deadEnds = 0;
    int decisions = 0;
};
RouteMeasures MeasureRoute(const MazeGraph& graph, const Passages& passages, std::span<const CellId> route);

}  // namespace tolvane
