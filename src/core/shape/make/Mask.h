// The outline shape: square cells where a mask is set.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/shape/Shape.h"

namespace tolvane {

// A grid of cells, each inside the outline or not; row by row from the top-left.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> inside;
    bool Inside(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height &&
               inside[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] != 0;
    }
};

// Square cells at the mask's cells that are inside, ordered as the rectangle's. Cells touching
// only at a corner do not join; of the islands that leaves, the one with most cells is kept
// (the top-most of equal ones) and the rest are dropped, since no passage could reach them.
// S and G are the two ends of the longest of the shortest ways through the cells, found by two
// sweeps: the cell farthest from the top-left cell, and the cell farthest from that one (the
// first in reading order where several are as far). Nothing when no cell is inside.
std::optional<Shape> MaskShape(const Mask& mask);

}  // namespace tolvane
