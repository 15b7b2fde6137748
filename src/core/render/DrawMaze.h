// Paints the whole maze picture, walls and the S and G marks, from the wall data.
#pragma once

#include "core/maze/MazeState.h"
#include "core/platform/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

// Clears the surface and draws every wall of cells -1..20 and the blue S and G; leaves the
// pen black and the pen width as it was.
void DrawMaze(const MazeState& state, Surface& surface);

}  // namespace tolvane
