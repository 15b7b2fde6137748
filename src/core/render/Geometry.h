// Where a maze's cells lie on its picture: the one place that turns cells into pixels.
#pragma once

#include <algorithm>

#include "core/maze/MazeState.h"
#include "core/platform/surface/Surface.h"

namespace tolvane {

inline constexpr int kCell = 17;  // pixels per cell of the classic maze in the window
// The window's maze square: lines from 0 to 357 on both axes, 21 cells of 17 pixels.
inline constexpr int kSquare = kSide * kCell;

// Cell (x, y) covers left + x * cell to left + (x + 1) * cell across, and likewise down.
struct CellGeometry {
    int cell = kCell;
    int left = 0;
    int top = 0;

    // Whole-pixel cells as large as fit a square of `square` pixels, the maze centred in it.
    // A maze too big for one pixel a cell gets one pixel a cell and overflows the square.
    static constexpr CellGeometry For(MazeSize size, int square = kSquare)
    {
        const int cell = std::max(1, square / std::max(size.width, size.height));
        return {cell, (square - cell * size.width) / 2, (square - cell * size.height) / 2};
    }

    // The picture a maze needs at `cell` pixels a cell: lines from 0 to side on both axes.
    static constexpr int SquareFor(MazeSize size, int cell) { return cell * std::max(size.width, size.height); }

    // The top-left corner of cell (x, y); (x + 1, y + 1) gives its bottom-right corner.
    PointF Corner(int x, int y) const
    {
        return {static_cast<float>(left + x * cell), static_cast<float>(top + y * cell)};
    }

    // The centre of cell (x, y). Computed in double and handed over in single precision, which
    // is exact for every centre of a picture below 2^23 pixels: a multiple of 0.5.
    PointF Centre(int x, int y) const
    {
        constexpr double kToCentre = 0.5;
        return {static_cast<float>(left + (static_cast<double>(x) + kToCentre) * cell),
                static_cast<float>(top + (static_cast<double>(y) + kToCentre) * cell)};
    }

    friend constexpr bool operator==(const CellGeometry&, const CellGeometry&) = default;
};

// The classic maze's picture in the window: 17-pixel cells from the top-left corner.
inline constexpr CellGeometry kWindowGeometry{};
static_assert(CellGeometry::For(kClassicSize) == kWindowGeometry);

}  // namespace tolvane
