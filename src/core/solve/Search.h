// The recursive depth-first search for the route from S (0, 0) to G (20, 20).
#pragma once

#include "core/maze/MazeState.h"

namespace tolvane {

// Clears Visited over -1..20, puts the start in entry 0, searches from (0, 0) and sets
// StepCount to 0. Afterwards the route is in entries 0..PathLen and Found tells whether
// the goal was reached.
void Solve(MazeState& state);

// Enters (x, y) unless it lies outside the square or was entered already, then tries right,
// left, down and up through open walls, and backs out unless the goal was reached. The
// coordinates are never assigned, so passing them by reference is the same as by value.
void SolveFrom(MazeState& state, const Int16& x, const Int16& y);

}  // namespace tolvane
