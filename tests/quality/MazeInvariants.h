// Checks of the maze state that must hold between events, shared by the fuzzer and the soak run.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"
#include "core/play/Play.h"

namespace tolvane::quality {

// Each check returns a description of the first violation it finds, or nothing.
using Violation = std::optional<std::string>;

// Every check holds for a maze of any size; the classic one is 21 x 21, its cells 0..20.

// Every Walls value lies in 0..3, and the far ring (index 21) holds 0 in Walls and Region.
Violation CheckWallCodes(const MazeState& s);

// Exactly the start-up frame: closed edges, no inner wall, 0 everywhere else.
Violation CheckStartFrame(const MazeState& s);

// The frame after a build: column 20 keeps its right walls, row 20 its bottom walls, and the
// border cells of row -1 and column -1 hold 3 over -1..20.
Violation CheckBuiltFrame(const MazeState& s);

// A perfect maze: 440 open walls inside the square that join all 441 cells without a cycle,
// and every playable cell in one of the regions 1..100, each region used (at other sizes, one
// open wall fewer than cells, and RegionCount regions).
Violation CheckPerfectMaze(const MazeState& s);

// The open walls alone, whatever the regions: every cell reached from the start, and, when
// `perfect`, by one way only.
Violation CheckJoinedMaze(const MazeState& s, bool perfect);

// The route of a successful search: entries 0 and 1 are the start, entry PathLen the goal,
// consecutive entries are neighbours with an open wall between them, no cell repeats, and
// no border element of Visited is set.
Violation CheckRoute(const MazeState& s);

// A game's trail: a path from S through open walls between neighbours, no cell twice. Its last
// cell is the marker. Its cells are numbered row by row, as the rectangle numbers them.
Violation CheckTrail(const MazeState& s, std::span<const CellId> trail);

// A maze over any graph: every cell reached from S, and, when `perfect`, by one way only (one
// passage fewer than cells); with loops at least that many passages.
Violation CheckGraphMaze(const MazeGraph& graph, const Passages& passages, bool perfect);

// A route over any graph: S first, G last, each step to a neighbour through an open wall, no
// cell twice.
Violation CheckGraphRoute(const MazeGraph& graph, const Passages& passages, std::span<const CellId> route);

}  // namespace tolvane::quality
