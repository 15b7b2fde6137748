// Which shape, of which size: what a code names and the command line asks for.
#pragma once

#include <optional>
#include <string>

#include "core/maze/MazeState.h"
#include "core/shape/Shape.h"

namespace tolvane {

// Circle: `size.width` rings. Hexagon, Triangle: `size.width` cells a side. The rectangles:
// `size` cells across and down. Outline from a word: `word` in capitals, its letters
// `size.width` cells tall (the font, and so the cells, come from the toolkit).
struct ShapeChoice {
    ShapeKind kind = ShapeKind::Rectangle;
    MazeSize size;
    std::string word;
    friend bool operator==(const ShapeChoice&, const ShapeChoice&) = default;
};

// The sizes each kind takes, both ends included: rings, cells a side, a rectangle's sides,
// a word's letter height.
struct SizeRange {
    int least;
    int most;
};
SizeRange RangeOf(ShapeKind kind);
bool InRange(const ShapeChoice& asked);

// The shape a asked names, built; nothing for an outline, which needs its mask.
std::optional<Shape> MakeShape(const ShapeChoice& asked);

}  // namespace tolvane
