// The depth-first search for the route from S (0, 0) to G, the bottom-right cell.
#pragma once

#include "core/maze/MazeState.h"

namespace tolvane {

// Clears Visited over -1..width-1 and -1..height-1, puts the start in entry 0, searches from
// (0, 0) and sets StepCount to 0. Afterwards the route is in entries 0..PathLen and Found
// tells whether the goal was reached.
void Solve(MazeState& state);

// Enters (x, y) unless it lies outside the square or was entered already, then tries right,
// left, down and up through open walls, going as deep as each leads before the next, and
// backs out unless the goal was reached. The cells it is in the middle of trying are exactly
// the route's entries above the PathLen it started at, so it keeps no stack of its own and
// needs none: a maze of a million cells would need a million nested calls if it recursed.
void SolveFrom(MazeState& state, const Int16& x, const Int16& y);

}  // namespace tolvane
