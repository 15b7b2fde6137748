// Paints the whole maze picture, walls and the S and G marks, from the wall data.
#pragma once

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

// The blue S and G alone, as DrawMaze prints them last; leaves the pen black.
void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& geometry);

}  // namespace tolvane
