// Where a maze's cells lie on its picture: the one place that turns cells into pixels.
#pragma once

#include "core/platform/Surface.h"

namespace tolvane {

inline constexpr int kCell = 17;  // pixels per cell in the window

// Cell (x, y) covers left + x * cell to left + (x + 1) * cell across, and likewise down.
struct CellGeometry {
    int cell = kCell;
    int left = 0;
    int top = 0;

    // The centre of cell (x, y). Computed in double and handed over in single precision, which
    // is exact for every centre of a picture below 2^23 pixels: a multiple of 0.5.
    PointF Centre(int x, int y) const
    {
        constexpr double kToCentre = 0.5;
        return {static_cast<float>(left + (static_cast<double>(x) + kToCentre) * cell),
                static_cast<float>(top + (static_cast<double>(y) + kToCentre) * cell)};
    }
};

// The window's picture: 17-pixel cells from the top-left corner of the client area.
inline constexpr CellGeometry kWindowGeometry{};

}  // namespace tolvane
