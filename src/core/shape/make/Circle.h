// The circle: rings of cells around a centre cell.
#pragma once

#include <vector>

#include "core/shape/Shape.h"

namespace tolvane {

inline constexpr int kFewestRings = 2;
inline constexpr int kMostRings = 1000;

// How many cells each ring holds, the centre (one cell) first. Every ring is one unit deep.
// Ring 1 holds 6 cells; each ring after holds as many as the one inside it, or twice as many
// when the cells of the ring inside, carried out to this ring's inner edge, would be 1.5 units
// wide or more: so every cell is between 0.75 and 1.5 units wide where it is narrowest, close
// to square, and each cell has one or two neighbours outward.
std::vector<int> RingCells(int rings);

// `rings` rings (the centre counts as one) of radius `rings` units. Cells are numbered from
// the centre out, each ring clockwise from twelve o'clock; each names its neighbours
// clockwise, anticlockwise, outward (one or two, clockwise) and inward. S is the centre and G
// the rim's cell at six o'clock. Walls between rings are arcs; the rest straight.
Shape CircleShape(int rings);

}  // namespace tolvane
