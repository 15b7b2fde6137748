// Where a maze's cells lie, in cell widths: what a search that looks ahead or turns needs.
#pragma once

#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// The centre of every cell, x to the right and y downwards as on the picture, in units of the
// distance between neighbouring centres. On a square grid every step moves one unit along one
// axis, so the distance a search still has to go is at least the Manhattan distance; on other
// shapes it is at least the straight-line distance divided by the longest step.
struct CellPlaces {
    std::vector<double> x;
    std::vector<double> y;
    bool squareGrid = false;
};

// Cell (x, y) of the rectangle lies at (x, y).
inline CellPlaces RectanglePlaces(MazeSize size)
{
    CellPlaces places;
    places.squareGrid = true;
    places.x.reserve(static_cast<std::size_t>(size.Cells()));
    places.y.reserve(static_cast<std::size_t>(size.Cells()));
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            places.x.push_back(x);
            places.y.push_back(y);
        }
    }
    return places;
}

}  // namespace tolvane
