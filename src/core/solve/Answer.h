// The finished picture of a maze: the puzzle alone, or with its whole route (the answer key).
#pragma once

#include "core/maze/MazeState.h"
#include "core/platform/surface/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

enum class Answer { Hidden, Shown };

// Draws `maze` as the window would: with Answer::Shown, as the last tick of a replay leaves it.
// Searches a copy of the maze, so the state of a replay in progress stays as it is.
// Without a geometry, the maze fills the window's square.
void DrawPicture(const MazeState& maze, Surface& surface, Answer answer);
void DrawPicture(const MazeState& maze, Surface& surface, Answer answer, const CellGeometry& geometry);

// Draws the whole route of `maze` over what the surface shows, as the last replay tick does.
void DrawWholeRoute(const MazeState& maze, Surface& surface);
void DrawWholeRoute(const MazeState& maze, Surface& surface, const CellGeometry& geometry);

}  // namespace tolvane
