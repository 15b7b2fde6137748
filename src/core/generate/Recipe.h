// A recipe names a whole maze: its shape and size, how it was built, and its seed; and its code.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/generate/Algorithms.h"
#include "core/graph/ShapeKind.h"
#include "core/maze/MazeCode.h"
#include "core/maze/MazeState.h"

namespace tolvane {

struct Recipe {
    ShapeKind shape = ShapeKind::Rectangle;
    MazeSize size;     // one number (rings, cells a side, a word's height) is kept in both sides
    std::string word;  // an outline's word, A to Z
    BuildChoice how;
    std::uint64_t seed = 0;

    // The mazes today's codes name: classic rectangles of any size.
    bool Classic() const { return shape == ShapeKind::Rectangle && how.Classic(); }
    friend bool operator==(const Recipe&, const Recipe&) = default;
};

// The code of a recipe. A classic rectangle keeps today's code ("3F7KQ-M2XWA", "31x45-3F7KQ-M2XWA").
// Any other is written "B25R31x45-3F7KQ-M2XWJ": the way's letter, the loops' percent (0 to 99;
// N for 100, S when the route was laid first), the shape's letter, the size ("WxH", or one
// number), an outline's word, a hyphen, then the seed's code with its check character folded
// with the text before it, so that a typo anywhere is refused: "B0C200-…", "K7E30x20-…",
// "B0W15HELLO-…". The hyphen after the size is always written; the seed's own hyphen goes when
// the code would be longer than 24 characters (only a word's code is longer still).
std::string FormatRecipeCode(const Recipe& recipe);

// Any code as a person types or pastes it: today's codes as ReadSizedCode reads them, and the
// recipe form. When it names no maze, `reading` says why.
struct RecipeReading {
    std::optional<Recipe> recipe;
    CodeReading reading;
};
RecipeReading ReadRecipeCode(std::string_view text);

}  // namespace tolvane
