// Maze codes: every maze's code rebuilds it, a mistyped code is refused, and codes stay valid.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/MazeCheck.h"
#include "core/maze/BuildMaze.h"
#include "core/maze/MazeCode.h"
#include "core/platform/Random.h"

namespace tolvane::testing {
namespace {

// FNV-1a over every wall code of the state, border ring included.
std::uint64_t WallsDigest(const MazeState& s)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (int x = -1; x <= kSide; ++x)
        for (int y = -1; y <= kSide; ++y)
            h = (h ^ static_cast<std::uint16_t>(s.Walls(x, y))) * 0x100000001b3ull;
    return h;
}

TEST(MazeCode, TheCodeOfEveryClockSeededMazeRebuildsThatMaze)
{
    ClockRandom random;
    for (int i = 0; i < 300; ++i) {
        MazeState built;
        BuildMaze(built, random);
        const std::string code = FormatMazeCode(*random.LastSeed());
        ASSERT_EQ(11u, code.size());
        const auto seed = ParseMazeCode(code);
        ASSERT_TRUE(seed) << code;
        std::string lower = code;
        std::transform(code.begin(), code.end(), lower.begin(), [](char c) { return std::tolower(c); });
        ASSERT_EQ(seed, ParseMazeCode(lower)) << lower;
        const MazeState rebuilt = MazeFromSeed(*seed);
        for (int x = -1; x <= kSide; ++x)
            for (int y = -1; y <= kSide; ++y)
                ASSERT_EQ(built.Walls(x, y), rebuilt.Walls(x, y)) << code << " at " << x << "," << y;
        ASSERT_EQ("", PerfectMazeProblem(rebuilt)) << code;
    }
}

// A code is a promise: these mazes must come out of these codes in every later version.
TEST(MazeCode, PinnedCodesKeepTheirMazes)
{
    const std::pair<const char*, std::uint64_t> pinned[] = {
        {"00000-00000", 0x9a5b8188761a8123ull},
        {"ZZZZZ-ZZZZX", 0x2f48490f4bf45300ull},
        {"3F7KQ-M2XWA", 0xd412f4c9631156b1ull},
        {"T0LVA-NE01R", 0x0be0d42b924ace30ull},
        {"8H4Q2-RDEYZ", 0xeee530798a89ef80ull},
    };
    for (const auto& [code, digest] : pinned) {
        const auto seed = ParseMazeCode(code);
        ASSERT_TRUE(seed) << code;
        EXPECT_EQ(digest, WallsDigest(MazeFromSeed(*seed))) << code;
    }
    // ... and the mazes give these codes back, letter for letter (L is read as 1 and written so).
    for (const char* code : {"00000-00000", "ZZZZZ-ZZZZX", "3F7KQ-M2XWA", "T01VA-NE01R", "8H4Q2-RDEYZ"})
        EXPECT_EQ(code, FormatMazeCode(ParseMazeCode(code).value_or(0)));
}

TEST(MazeCode, ReadsLikeAPersonTypesItAndRefusesEveryTypo)
{
    const std::string code = FormatMazeCode(0x1234'5678'9ABCull);
    const auto seed = ParseMazeCode(code);
    ASSERT_EQ(0x1234'5678'9ABCull, seed);
    std::string loose;
    for (const char c : code)
        if (c != '-')
            loose += static_cast<char>(std::tolower(c)), loose += ' ';
    EXPECT_EQ(seed, ParseMazeCode(loose));
    EXPECT_EQ(ParseMazeCode("00000-00000"), ParseMazeCode("oOoOo-OoOoO"));
    EXPECT_EQ(ParseMazeCode("T01VA-NE01R"), ParseMazeCode("t0iva-ne0lr"));

    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '-')
            continue;
        for (const char c : alphabet) {
            if (c == code[i])
                continue;
            std::string typo = code;
            typo[i] = c;
            ASSERT_FALSE(ParseMazeCode(typo)) << typo;
        }
        const std::size_t next = code[i + 1] == '-' ? i + 2 : i + 1;
        if (next < code.size() && code[i] != code[next]) {
            std::string swapped = code;
            std::swap(swapped[i], swapped[next]);
            ASSERT_FALSE(ParseMazeCode(swapped)) << swapped;
        }
    }
    for (const char* bad : {"", "12345", "12345-123456", "U2345-12345", "12345_12345", "１２３４５-１２３４５"})
        EXPECT_FALSE(ParseMazeCode(bad)) << bad;
}

}  // namespace
}  // namespace tolvane::testing
