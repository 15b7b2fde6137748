// Shapes whose cells are polygons that share whole sides: squares, hexagons, triangles.
#pragma once

#include <span>
#include <vector>

#include "core/shape/Shape.h"

namespace tolvane {

// One cell as a polygon: its corners in order round it, and its centre. Two cells are
// neighbours when they share a side (the same two corners). A cell names its neighbours in
// the order of its sides, or, when `order` is given, in the order of the sides it lists there.
struct Tile {
    std::vector<PointF> corners;
    PointF centre;
    std::span<const int> order;
};

// The shape of the cells `tiles`, numbered in their order, moved so that the picture starts
// at (0, 0). Sides no other cell shares are the frame.
Shape ShapeOfTiles(ShapeKind kind, std::span<const Tile> tiles, CellId start, CellId goal);

}  // namespace tolvane
