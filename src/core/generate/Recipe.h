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
    MazeSize size;
    BuildChoice how;
    std::uint64_t seed = 0;

    // The mazes today's codes name: classic rectangles of any size.
    bool Classic() const { return shape == ShapeKind::Rectangle && how.Classic(); }
    friend bool operator==(const Recipe&, const Recipe&) = default;
};

// The code of a recipe. A classic rectangle keeps today's code ("3F7KQ-M2XWA", "31x45-3F7KQ-M2XWA").
// Any other is written "B25R31x45-3F7KQ-M2XWJ": the way's letter, the loops' percent, the shape's
// letter, the size, then the seed's code ("BSR31x45-..." when the route was laid first) with its check character folded with the text before
// it, so that a typo anywhere is refused. At most 24 characters: when longer, the seed's inner
// hyphen goes, then the one after the size.
std::string FormatRecipeCode(const Recipe& recipe);

// Any code as a person types or pastes it: today's codes as ReadSizedCode reads them, and the
// recipe form. When it names no maze, `reading` says why.
struct RecipeReading {
    std::optional<Recipe> recipe;
    CodeReading reading;
};
RecipeReading ReadRecipeCode(std::string_view text);

}  // namespace tolvane
