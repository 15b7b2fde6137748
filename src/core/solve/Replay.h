// One tick of the route replay: the maze redrawn with the route one segment longer.
#pragma once

#include "core/maze/MazeState.h"
#include "core/platform/Controls.h"
#include "core/platform/surface/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

inline constexpr int kRouteWidth = 3;
inline constexpr Colour kRouteColour = kRed;

// Draws route segments 0..lastSegment in red at the route's width, then sets the width back to 1.
// Without a geometry, through the cells of the window's square.
void DrawRoute(const MazeState& state, Surface& surface, int lastSegment);
void DrawRoute(const MazeState& state, Surface& surface, int lastSegment, const CellGeometry& geometry);
// Only segments firstSegment..lastSegment, for a picture that already shows the ones before,
// and not the letters over them: the caller prints them again where a segment may cover them.
void DrawRouteSegments(const MazeState& state, Surface& surface, int firstSegment, int lastSegment,
                       const CellGeometry& geometry);

// Redraws the maze, draws route segments 0..StepCount in red, adds 1 to StepCount and
// stops `timer` once StepCount reaches PathLen. Without a geometry, in the window's square.
void ReplayTick(MazeState& state, Surface& surface, Switch& timer);
void ReplayTick(MazeState& state, Surface& surface, Switch& timer, const CellGeometry& geometry);
// The same over a picture the caller has just drawn instead of the maze alone.
void ReplayStep(MazeState& state, Surface& surface, Switch& timer, const CellGeometry& geometry);

}  // namespace tolvane
