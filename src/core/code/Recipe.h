// A recipe names a whole maze: its shape and size, how it was built, and its seed; its code, and
// the one reader of every kind of code.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/generate/Algorithms.h"
#include "core/graph/ShapeKind.h"
#include "core/code/MazeCode.h"
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

// Whether a sized code that names no maze today is read as the first release read it. Refused
// by default: a code of today with a character dropped or added may read as another maze there.
enum class OldCodes { Refused, Read };

// The one reader of codes: any code as a person types or pastes it, of every kind: today's
// ten characters ("3F7KQ-M2XWA"), a size in front ("31x45-…") and a recipe in front
// ("B25R31x45-…"). When it names no maze, `reading` says why, and reading.firstRelease tells
// that the first release wrote the code; with OldCodes::Read such a code is read as that
// release read it, and reading.firstRelease stays set to say so.
struct RecipeReading {
    std::optional<Recipe> recipe;
    CodeReading reading;
};
RecipeReading ReadCode(std::string_view text, OldCodes old = OldCodes::Refused);

}  // namespace tolvane
