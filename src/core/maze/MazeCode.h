// Maze codes: the seed of a maze written as ten characters that are easy to read aloud and type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/Random.h"

namespace tolvane {

// A maze is rebuilt exactly from the seed its generation started from, and its code names that
// seed: "3F7KQ-M2XWA", nine characters of the seed, most significant first, and a check character,
// from the digits and the capitals without I, L, O and U, in two groups of five.
std::string FormatMazeCode(std::uint64_t seed);

// The seed of a code, or nothing when the text is no valid code. Case, spaces and hyphens do
// not matter, and O, I and L read as 0, 1 and 1. The check character catches any single
// mistyped character and any two neighbours swapped, so a typo never yields another maze.
std::optional<std::uint64_t> ParseMazeCode(std::string_view text);

}  // namespace tolvane

namespace tolvane {

// The character of a code digit 0..31, and the digit a typed character stands for (-1 for
// none), for codes written around this one.
char CodeCharacter(int digit);
int CodeDigit(char c);

}  // namespace tolvane
