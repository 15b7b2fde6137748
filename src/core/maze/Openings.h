// Which sides of a cell are open: the one reading of the wall codes for moves and measures.
#pragma once

#include "core/maze/MazeState.h"

namespace tolvane {

// A side is open when no wall stands between the cell and that neighbour. The frame closes
// every side towards the border ring.
struct Openings {
    bool right = false;
    bool left = false;
    bool down = false;
    bool up = false;

    int Count() const { return int{right} + int{left} + int{down} + int{up}; }
};

// (x, y) is a cell of the square.
inline Openings OpenSides(const MazeState& s, int x, int y)
{
    const auto walls = s.Walls.Around(x, y);
    return {.right = walls(0, 0) / kRightWall == 0,
            .left = walls(-1, 0) / kRightWall == 0,
            .down = walls(0, 0) % 2 == 0,
            .up = walls(0, -1) % 2 == 0};
}

}  // namespace tolvane
