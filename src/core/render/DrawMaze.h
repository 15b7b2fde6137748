// Paints the whole maze picture, walls and the S and G marks, from the wall data.
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"
#include "core/platform/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

// Clears the surface and draws every wall of cells -1..width-1 and -1..height-1 and the blue
// S and G; leaves the pen black and the pen width as it was. Without a geometry, the maze
// fills the window's square.
void DrawMaze(const MazeState& state, Surface& surface);
void DrawMaze(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// DrawMaze without S and G: for a picture that draws more before them.
void DrawWalls(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// The blue S and G alone, as DrawMaze prints them last; leaves the pen black and its width as it
// was. Each mark lies inside its own cell, clear of the walls: the classic letters in a cell of
// the classic size, a letter fitted to any other cell, and a plain blue square in a cell too
// small to hold a readable letter.
void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// S or G in the square cell of `cell` pixels whose top-left corner is `corner`, as PrintMarks
// draws it: the classic letter or a fitted one in the pen's colour (the caller's blue), or a
// blue square. Leaves the pen's colour and width as they were.
void PrintSquareMark(Surface& surface, PointF corner, float cell, bool goal);

// Where a rectangle of square cells lies on a picture: cell (x, y)'s top-left corner at
// (left + x * cell, top + y * cell).
struct RectangleView {
    float cell = kCell;
    float left = 0;
    float top = 0;
};

// Clears the surface and draws a rectangle's walls, its passages read on `graph` (the
// rectangle's, cell (x, y) numbered y * width + x), through the same strokes and in the same
// order as DrawWalls draws a state with those passages: the same pixels, the frame included.
void DrawRectangleWalls(const MazeGraph& graph, const Passages& passages, MazeSize size, Surface& surface,
                        const RectangleView& view);

// Whether the marks at this geometry are letters, not squares, on a surface whose letters need
// a square of `smallestLetter` pixels.
bool MarksAreLetters(const CellGeometry& geometry, int smallestLetter);

}  // namespace tolvane
