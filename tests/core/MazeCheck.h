// Independent checks of a maze and a route, written apart from the code they check.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/MazeState.h"

namespace tolvane::testing {

using Cell = std::pair<int, int>;

// Empty when Walls holds a perfect maze with a closed frame; otherwise what is wrong.
std::string PerfectMazeProblem(const MazeState& s);

// Whether the wall between two neighbouring playable cells is open.
bool Open(const MazeState& s, Cell a, Cell b);

// The shortest path from (0, 0) to (20, 20) by breadth-first search; empty when there is none.
std::vector<Cell> ShortestPath(const MazeState& s);

// The route entries 1..PathLen as cells.
std::vector<Cell> RouteCells(const MazeState& s);

}  // namespace tolvane::testing
