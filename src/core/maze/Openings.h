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

inline Openings OpenSides(const MazeState& s, int x, int y)
{
    return {.right = s.Walls(x, y) / kRightWall == 0,
            .left = s.Walls(x - 1, y) / kRightWall == 0,
            .down = s.Walls(x, y) % 2 == 0,
            .up = s.Walls(x, y - 1) % 2 == 0};
}

}  // namespace tolvane
