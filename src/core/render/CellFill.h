// Colouring a cell's inside and the openings between cells, for pictures that show more than walls.
#pragma once

#include "core/platform/surface/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

// Every pixel between the walls of cell (x, y), and none of the walls. Cells under two pixels
// have no inside and are left alone. Drawn as lines on a surface that paints whole pixels.
void FillCell(Surface& surface, const CellGeometry& geometry, int x, int y, Colour colour);

// The opening in the wall between the neighbouring cells (x, y) and (nx, ny), its two end
// points (shared with other walls) left out.
void FillOpening(Surface& surface, const CellGeometry& geometry, int x, int y, int nx, int ny, Colour colour);

// The one pixel at corner (x, y) of the cells' lattice: cell (x, y)'s top-left corner.
void FillCorner(Surface& surface, const CellGeometry& geometry, int x, int y, Colour colour);

}  // namespace tolvane
