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

// Why a text is no code: a character that codes never use, too few or too many characters, or
// ten good characters whose check does not match (a typo somewhere, or two neighbours swapped).
// A code with a size can also have a size no maze has, no hyphen after its size, or the
// classic size written out, which has its own code without a size. A code of another way or
// shape can have a front that names no way to build, no share of loops, no shape, a size outside
// its shape's range, a word of other characters than A to Z, or no recipe at all, or can spell
// out the classic recipe, which has today's code.
enum class CodeFault {
    None, UnknownCharacter, WrongLength, CheckFails, BadSize, SizeUnended, ClassicSizeWritten,
    UnknownWay, BadLoops, UnknownShape, ShapeSizeOutOfRange, BadWord, BadFront, ClassicRecipeWritten
};

// What reading a code found: the seed, or the fault and what it concerns.
struct CodeReading {
    std::optional<std::uint64_t> seed;
    CodeFault fault = CodeFault::None;
    std::string character;  // UnknownCharacter: the first one, as UTF-8
    int length = 0;         // WrongLength: how many code characters the text holds (after its size)
    std::string size;       // a code with a size: the size as written ("41x40"), else empty
    std::string front;      // a recipe code: its front as read ("B0C10"), else empty
    char letter = 0;        // UnknownWay, UnknownShape: the letter; ShapeSizeOutOfRange: the shape's
    std::string written;    // ShapeSizeOutOfRange: the size as written ("2000", "30x0")
    bool firstRelease = false;  // refused, but the first release read it (ReadFirstReleaseCode)

    explicit operator bool() const { return seed.has_value(); }
};

// The seed of a code. Case, spaces and hyphens do not matter, and O, I and L read as 0, 1 and 1.
// The check character catches any single mistyped character and any two neighbours swapped, so a
// typo never yields another maze.
// `checkFold` is mixed into the check character, as a code with a size folds its size in.
CodeReading ParseMazeCode(std::string_view text, int checkFold = 0);

// Typed or pasted text (UTF-8) as the parser reads it: without the white space around it, with
// full-width letters, digits and spaces as plain ones, and every kind of dash as '-'.
std::string CleanCodeText(std::string_view text);

// A code as a person gives it: cleaned, then parsed.
inline CodeReading ReadMazeCode(std::string_view text) { return ParseMazeCode(CleanCodeText(text)); }

}  // namespace tolvane

namespace tolvane {

// The character of a code digit 0..31, and the digit a typed character stands for (-1 for
// none), for codes written around this one.
char CodeCharacter(int digit);
int CodeDigit(char c);
// Cleaned text as the grammars after the first read it: upper case, without spaces and hyphens,
// "×" as "X".
std::string SqueezedCode(std::string_view clean);

}  // namespace tolvane
