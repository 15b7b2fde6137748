// Codes of mazes of any size: the size, then the code of the seed ("31x45-3F7KQ-M2XWA").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/code/MazeCode.h"
#include "core/maze/MazeState.h"

namespace tolvane {

struct SizedSeed {
    std::uint64_t seed = 0;
    MazeSize size;
    friend bool operator==(const SizedSeed&, const SizedSeed&) = default;
};

// A 21 x 21 maze keeps its ten-character code. Any other size is written before it, width
// first, and folded into the check character, so that a mistyped size is refused like any
// other typo. At most 20 characters: the sides of 1000 and more leave out the hyphen between
// the two groups of five.
std::string FormatSizedCode(SizedSeed maze);

// The seed and size a code names, or nothing when the text is no valid code. A code without a
// size is a 21 x 21 maze. The size's "x" may be a capital or "×"; a hyphen or a space ends the
// size, and elsewhere spaces and hyphens do not matter.
std::optional<SizedSeed> ParseSizedCode(std::string_view text);

// A code of any size as a person types or pastes it: white space around it, full-width forms
// and dash variants are cleaned first. When it names no maze, `reading` says why; for a code
// with a size, `reading.size` holds the size as it was read and a length counts what follows it.
struct SizedReading {
    std::optional<SizedSeed> maze;
    CodeReading reading;
};
SizedReading ReadSizedCode(std::string_view text);

// A sized code as the first release read it, before its size had the check that catches a
// character dropped or added: the ten last characters the seed, all before them the size, its
// characters weighted by their place modulo 31 into the check character. Such a code opens the
// maze that release printed it for; a code of today may open another, so this is read only when
// asked for. A code without a size reads as ever.
std::optional<SizedSeed> ReadFirstReleaseCode(std::string_view text);

// "31x45": a size as codes and the command line write it.
std::string SizeText(MazeSize size);
// A size written "31x45" (or "31X45", "31×45"), or nothing when the text is no size or a side
// lies outside 2..1001.
std::optional<MazeSize> ParseSize(std::string_view text);

}  // namespace tolvane
