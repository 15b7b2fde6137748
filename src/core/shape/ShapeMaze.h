// A maze of any shape: the shape, its passages and its route, built from a seed.
#pragma once

#include <cstdint>
#include <vector>

#include "core/generate/Algorithms.h"
#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"
#include "core/shape/Shape.h"

namespace tolvane {

struct ShapeMaze {
    Shape shape;
    Passages passages;
    std::vector<CellId> route;  // S .. G
};

// Builds a maze in `shape` the chosen way with the draws of `seed` and finds its route: the same
// seed, way and shape give the same maze every time.
ShapeMaze BuildShapeMaze(Shape shape, const BuildChoice& how, std::uint64_t seed);
// The same with the draws of `random`, which is reseeded once: a source whose next seed is
// `seed` gives the maze above.
ShapeMaze BuildShapeMaze(Shape shape, const BuildChoice& how, RandomSource& random);

// The classic state's maze read as a maze of the rectangle shape: the same cells, passages and
// route, drawn with the same strokes.
ShapeMaze ShapeMazeOf(const MazeState& state);
// The same on RectanglePictureShape, for pictures alone: what paper draws a rectangle from. A
// solved state (Found) gives its route as it stands.
ShapeMaze PictureMazeOf(const MazeState& state);

// The maze's figures, its turns counted by its shape's own rule: what the facts box, --facts and
// an answer key's captions all say of it.
Texture MeasureTexture(const ShapeMaze& maze);

}  // namespace tolvane
