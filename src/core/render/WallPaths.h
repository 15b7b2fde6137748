// The walls that stand, joined into runs: one path for each run of walls that meet end to end.
#pragma once

#include <span>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/shape/Shape.h"

namespace tolvane {

struct WallRun {
    PointF from;
    std::vector<PathPiece> pieces;
};

// The frame and every closed wall of `shape` as runs in shape units. Each edge is in exactly
// one run. A run starts where an odd number of drawn edges meet, while there is such a corner,
// and goes on through any corner it reaches until it finds no edge left there; the loops left
// after that start anywhere. So a corridor's two sides and a closed ring come out as single
// strokes rather than as hundreds of pieces. Straight edges that go on in one direction are one
// piece.
std::vector<WallRun> WallRuns(const Shape& shape, const Passages& passages);

// The same for edges that are all drawn, in any units: `drawn`'s walls are not read.
std::vector<WallRun> WallRuns(std::span<const Edge> drawn);

}  // namespace tolvane
