// The picture of a game: the maze with the player's trail and marker over it.
#pragma once

#include <span>

#include "core/play/Game.h"
#include "core/platform/surface/Surface.h"
#include "core/render/DrawShape.h"
#include "core/render/Geometry.h"
#include "core/shape/Shape.h"
#include "core/solve/Answer.h"

namespace tolvane {

// Orange, apart from the route's red, the marks' blue and the walls' black, and a middle grey
// on paper printed in grey (the marker darker still), between the route's and the page's.
inline constexpr Colour kTrailColour = 0x008CF0;
inline constexpr Colour kMarkerColour = 0x0055AA;
// In a 17-pixel cell: wider than the route, so that the route drawn over the trail leaves it
// showing at both sides. Other cells scale both.
inline constexpr int kTrailWidth = 5;
inline constexpr int kMarkerSide = 9;

// The trail's width and the marker's side in cells of `geometry`: in proportion to the cell,
// at least a pixel, and never so wide that they reach a wall (the trail keeps a clear pixel
// beside each wall, the marker stays inside its cell).
int TrailWidth(const CellGeometry& geometry);
int MarkerSide(const CellGeometry& geometry);

// A hint's colour: the cell the marker should go to next.
inline constexpr Colour kHintColour = 0x50C850;

// A game on a maze of any shape, drawn as on the rectangle: the walls, the trail through the
// cells' centres (along the rings on a circle, as the route goes), `route` in red when it is
// given, the marker as a square on its cell's centre, and S and G over them all. The trail and
// the marker grow with the cells and stay inside the narrowest of them.
void DrawShapePlay(const Shape& shape, const Passages& passages, const Game& game, Surface& surface,
                   const ShapeView& view, std::span<const CellId> route = {});
// A hint over a game as drawn: the step from the marker to the cell it should go to next, in
// green; on square cells that cell filled green, as the rectangle always showed it.
void DrawShapeHint(const Shape& shape, const Game& game, CellId next, Surface& surface, const ShapeView& view);

// The edge `edge` (a wall or a piece of the frame) of a shape drawn with `view`, as a stroke in
// pixels: a slanted side stays slanted and a ring's wall an arc, for a flash over what the
// marker ran into.
CentreStroke EdgeStroke(const Shape& shape, std::int32_t edge, const ShapeView& view);

// The trail's width and the marker's side on a shape drawn with `view`, in pixels.
int ShapeTrailWidth(const Shape& shape, const ShapeView& view);
int ShapeMarkerSide(const Shape& shape, const ShapeView& view);

}  // namespace tolvane
