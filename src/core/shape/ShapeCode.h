// Codes of mazes of other shapes: a prefix naming the shape and its size, then the seed's code.
//
// This is a form of its own beside the codes of rectangles ("3F7KQ-M2XWA", "31x45-3F7KQ-M2XWA"),
// which keep their own reader: a shape code starts with the shape's letter, never a digit.
//   C200-3F7KQ-M2XWA     a circle of 200 rings
//   H100-…, H30x20-…     hexagonal cells, in a hexagon of 100 a side or in 30 x 20
//   T50-…, T30x20-…      triangular cells, in a triangle of 50 a side or in 30 x 20
//   W15HELLO-…           the word HELLO, its letters 15 cells tall
// The prefix is folded into the check character, so that a mistyped shape or size is refused
// like any other typo. At most 22 characters for the built-in shapes (H1001x1001-3F7KQ-M2XWA); a word's code is as long
// as its word needs. A maze in an outline from a picture has no code: the picture is not in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/shape/ShapeSpec.h"

namespace tolvane {

struct ShapeSeed {
    std::uint64_t seed = 0;
    ShapeSpec spec;
    friend bool operator==(const ShapeSeed&, const ShapeSeed&) = default;
};

// The code of a maze of a shape other than the rectangle, or of an outline from a word; an
// empty text for a rectangle (its code is the sized code) or a spec out of range.
std::string FormatShapeCode(const ShapeSeed& maze);

// Whether `text` is written in the shape form: after cleaning, a shape letter then a digit.
bool LooksLikeShapeCode(std::string_view text);

// The maze a shape code names, or nothing when the text is no valid shape code. Case, spaces,
// hyphens and the usual look-alikes of typed text do not matter.
std::optional<ShapeSeed> ParseShapeCode(std::string_view text);

}  // namespace tolvane
