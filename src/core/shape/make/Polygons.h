// The shapes of square, hexagonal and triangular cells.
#pragma once

#include "core/maze/MazeState.h"
#include "core/shape/Shape.h"

namespace tolvane {

// Square cells in a rectangle, numbered and ordered as RectangleGraph numbers them (row by
// row; right, left, down, up), so that the classic state's passages apply unchanged.
Shape RectangleShape(MazeSize size);

// The same rectangle as its pictures read it: its graph, its cells' centres and its extent, but
// no outline of a cell (no edges), which the rectangle's walls, route and marks are drawn without
// and which would more than triple what a poster of a million cells holds. Only for drawing.
Shape RectanglePictureShape(MazeSize size);

// Hexagonal cells, pointed at the top, one unit across; each names its neighbours east, west,
// south-east, south-west, north-east, north-west. In a hexagon `side` cells along each side
// (S at the top-left corner, G at the bottom-right), or in rows of `size.width` cells,
// every other row set in by half a cell (S top-left, G bottom-right).
Shape HexagonShape(int side);
Shape HexagonRectangleShape(MazeSize size);

// Triangular cells of unit sides, pointing up and down in turn, each naming its neighbours
// in the order of its sides. In a triangle `side` cells along each side (S at the apex, G at
// the bottom-right corner), or in rows of `size.width` triangles (S top-left, G bottom-right).
Shape TriangleShape(int side);
Shape TriangleRectangleShape(MazeSize size);

}  // namespace tolvane
