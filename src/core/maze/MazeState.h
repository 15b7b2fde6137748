// The maze state: walls, regions, search marks and the route, shared by every handler.
#pragma once

#include "core/platform/Checked.h"

namespace tolvane {

inline constexpr int kSide = 21;      // playable cells per row and column, 0..20
inline constexpr int kLast = kSide - 1;
inline constexpr int kCells = kSide * kSide;  // 441: also the last index of the route
inline constexpr Int16 kTrue = -1;
inline constexpr Int16 kFalse = 0;

// Wall codes: a cell owns the wall along its bottom edge (1) and along its right edge (2).
inline constexpr Int16 kBottomWall = 1;
inline constexpr Int16 kRightWall = 2;

// The 2-D arrays carry a border ring at -1 and 21 so that every playable cell has four
// neighbours inside the array; the route holds entries 0..441.
using Grid = Array2<Int16, -1, kSide>;
using Route = Array1<Int16, 0, kCells>;

struct MazeState {
    Grid Walls;
    Grid Region;   // 0 = no region yet, 1..100 = region number; the border ring stays 0
    Grid Visited;  // -1 = entered by the current search
    Route PathX;
    Route PathY;
    Int16 PathLen = 0;    // index of the route's last entry
    Int16 Found = kFalse;
    Int16 StepCount = 0;  // index of the last segment the next replay tick draws
};

}  // namespace tolvane
