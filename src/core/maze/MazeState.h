// The maze state: walls, regions, search marks and the route, shared by every handler.
#pragma once

#include <cstdint>

#include "core/platform/Checked.h"

namespace tolvane {

inline constexpr int kSide = 21;      // the classic maze: playable cells per row and column, 0..20
inline constexpr int kLast = kSide - 1;
inline constexpr int kCells = kSide * kSide;  // 441: also the last index of its route
inline constexpr Int16 kTrue = -1;
inline constexpr Int16 kFalse = 0;

// Wall codes: a cell owns the wall along its bottom edge (1) and along its right edge (2).
inline constexpr Int16 kBottomWall = 1;
inline constexpr Int16 kRightWall = 2;

// A maze is width x height cells, each side from kMinSide to kMaxSide; 21 x 21 unless asked.
inline constexpr int kMinSide = 2;
inline constexpr int kMaxSide = 1001;

struct MazeSize {
    int width = kSide;
    int height = kSide;

    long long Cells() const { return static_cast<long long>(width) * height; }
    bool Valid() const { return width >= kMinSide && width <= kMaxSide && height >= kMinSide && height <= kMaxSide; }
    friend bool operator==(const MazeSize&, const MazeSize&) = default;
};

inline constexpr MazeSize kClassicSize{};

// The 2-D arrays carry a border ring at -1 and at width / height so that every playable cell
// has four neighbours inside the array; the route holds entries 0..cells. Region numbers pass
// 16 bits from about 140 x 140 cells on, and so do the route's length and the replay's counter:
// those three are 32-bit, checked like the rest. A cell costs 12 bytes.
using Grid = SizedGrid<Int16>;
using Route = SizedArray<Int16>;

struct MazeState {
    explicit MazeState(MazeSize size = kClassicSize)
        : size(size), Walls(size.width, size.height), Region(size.width, size.height),
          Visited(size.width, size.height), PathX(static_cast<int>(size.Cells())),
          PathY(static_cast<int>(size.Cells()))
    {
        CheckIndex(size.width, kMinSide, kMaxSide);
        CheckIndex(size.height, kMinSide, kMaxSide);
    }

    int Width() const { return size.width; }
    int Height() const { return size.height; }
    int LastX() const { return size.width - 1; }
    int LastY() const { return size.height - 1; }

    MazeSize size;
    Grid Walls;
    SizedGrid<std::int32_t> Region;  // 0 = no region yet, 1.. = region number; the border ring stays 0
    Grid Visited;                    // -1 = entered by the current search
    Route PathX;
    Route PathY;
    std::int32_t PathLen = 0;    // index of the route's last entry
    Int16 Found = kFalse;
    std::int32_t StepCount = 0;  // index of the last segment the next replay tick draws

    friend bool operator==(const MazeState&, const MazeState&) = default;
};

}  // namespace tolvane
