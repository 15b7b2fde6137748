// The picture of a game: the maze with the player's trail and marker over it.
#pragma once

#include "core/maze/MazeState.h"
#include "core/play/Play.h"
#include "core/platform/Surface.h"
#include "core/render/Geometry.h"
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

// A line of a picture from one end to the other.
struct Segment {
    PointF from;
    PointF to;
};

// The side of `cell` that faces `direction`, where its wall is drawn with `geometry`.
Segment WallSide(const CellGeometry& geometry, Cell cell, Direction direction);

// Redraws the maze, the trail through the cell centres and the marker as a square on its cell;
// with Answer::Shown, the whole route between the trail and the marker. S and G are printed
// last, so that neither the trail nor the marker hides them. Leaves the pen black and
// 1 pixel wide.
void DrawPlay(const MazeState& maze, const Play& play, Surface& surface, const CellGeometry& geometry,
              Answer answer = Answer::Hidden);

// A hint over the game as drawn: the cell the marker should go to next, filled green.
inline constexpr Colour kHintColour = 0x50C850;
void DrawHint(const MazeState& maze, const Play& play, Direction next, Surface& surface, const CellGeometry& geometry);

}  // namespace tolvane
