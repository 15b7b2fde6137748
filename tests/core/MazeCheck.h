// Independent checks of a maze and a route, written apart from the code they check.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/graph/Rectangle.h"
#include "core/maze/MazeState.h"
#include "quality/MazeInvariants.h"

namespace tolvane::testing {

using Cell = std::pair<int, int>;

// Empty when the state holds a freshly built perfect maze in a closed frame, with every region
// in use; otherwise the first fault found.
inline std::string PerfectMazeProblem(const MazeState& s)
{
    for (auto check : {quality::CheckWallCodes, quality::CheckBuiltFrame, quality::CheckPerfectMaze})
        if (const auto violation = check(s))
            return *violation;
    return "";
}

// The same for a maze built another way than the regions algorithm, which leaves no regions:
// the walls' codes, the closed frame, and a perfect maze read as the rectangle's passages.
inline std::string PerfectWallsProblem(const MazeState& s)
{
    for (auto check : {quality::CheckWallCodes, quality::CheckBuiltFrame})
        if (const auto violation = check(s))
            return *violation;
    return IsPerfect(RectangleGraph(s.size), PassagesOf(s)) ? "" : "not a perfect maze";
}

// Whether the wall between two neighbouring playable cells is open.
bool Open(const MazeState& s, Cell a, Cell b);

// The shortest path from (0, 0) to the goal by breadth-first search; empty when there is none.
std::vector<Cell> ShortestPath(const MazeState& s);

// A maze carved by hand: every wall of `size` closed, then the passages between the given
// neighbours opened.
MazeState Carved(MazeSize size, const std::vector<std::pair<Cell, Cell>>& passages);

// The route entries 1..PathLen as cells.
std::vector<Cell> RouteCells(const MazeState& s);

}  // namespace tolvane::testing
