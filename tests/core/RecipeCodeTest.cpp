// Recipe codes: every way and shape round-trips, typos are refused, today's codes are unchanged.
#include <gtest/gtest.h>

#include "core/code/Recipe.h"
#include "core/code/SizedCode.h"

namespace tolvane {
namespace {

Recipe Make(Algorithm a, int braid, ShapeKind shape, MazeSize size, std::uint64_t seed, std::string word = {})
{
    return {shape, size, std::move(word), {a, braid}, seed};
}

// Whether any check character makes `rest` (a code without its last character) read: a prefix
// that names no maze must be refused whatever its check.
bool AnyCheckReads(const std::string& rest)
{
    for (char c : std::string_view("0123456789ABCDEFGHJKMNPQRSTVWXY"))
        if (ReadCode(rest + c).recipe)
            return true;
    return false;
}

TEST(RecipeCode, EveryWayShapeSizeAndLoopShareRoundTripsInAtMost24Characters)
{
    std::uint64_t seed = 0x1A2B3C4D5E6FULL & kSeedMask;
    for (const AlgorithmInfo& a : kAlgorithms) {
        for (const ShapeInfo& s : kShapes) {
            const std::string word = s.id == ShapeKind::Outline ? "LOUISA" : "";
            for (int braid : {0, 7, 99, 100}) {
                for (MazeSize size : {MazeSize{s.least, s.least}, MazeSize{31, 45}, MazeSize{s.most, s.most}}) {
                    if (!s.twoSides)
                        size.height = size.width;
                    const Recipe r = Make(a.id, braid, s.id, size, seed += 7919, word);
                    const std::string code = FormatRecipeCode(r);
                    EXPECT_LE(code.size(), 24u + word.size()) << code;
                    std::string bare = code;
                    std::erase(bare, '-');
                    const std::size_t prefix = bare.size() - 10;
                    if (!r.Classic()) {
                        EXPECT_EQ(code.substr(0, prefix + 1), bare.substr(0, prefix) + "-") << code;
                    }
                    EXPECT_EQ(ReadCode(code).recipe, r) << code;
                }
            }
        }
    }
    // Worked by hand: seed 1's check is 26; the prefix sums to 427, 24 modulo 31; 26 XOR 24 is 2.
    EXPECT_EQ(FormatRecipeCode(Make(Algorithm::Backtracker, 25, ShapeKind::Rectangle, {31, 45}, 1)), "B25R31x45-00000-00012");
    // The longest: loops everywhere written N (its prefix sums to 406, 3 modulo 31; 26 XOR 3 is 25,
    // S); with 99 % the seed's own hyphen goes, the size's stays.
    EXPECT_EQ(FormatRecipeCode(Make(Algorithm::Wilson, 100, ShapeKind::Rectangle, {1001, 1001}, 1)), "WNR1001x1001-00000-0001S");
    EXPECT_EQ(FormatRecipeCode(Make(Algorithm::Wilson, 99, ShapeKind::Rectangle, {1001, 1001}, 1)).substr(0, 15), "W99R1001x1001-0");
    // Out of a shape's own range: a circle of 1001 rings, a hexagon of 601, a word of 4 cells.
    // Out of a shape's own range (a circle of 1001 rings, a hexagon of 601, a word 4 cells tall), a
    // circle given two sides, a word with no letters: refused whatever the check character.
    for (const char* rest : {"W0C1001-00000-0000", "B0H601-00000-0000", "B0W4HI-00000-0000", "B0C9x9-00000-0000", "B0W15-00000-0000"})
        EXPECT_FALSE(AnyCheckReads(rest)) << rest;
    EXPECT_TRUE(AnyCheckReads("W0C1000-00000-0000"));
}

TEST(RecipeCode, TodaysCodesNameTheClassicRecipesAndItsOwnFormIsRefusedForThem)
{
    const Recipe classic = Make(Algorithm::Regions, 0, ShapeKind::Rectangle, {31, 45}, 12345);
    EXPECT_EQ(FormatRecipeCode(classic), FormatSizedCode({12345, {31, 45}}));
    EXPECT_EQ(ReadCode(FormatSizedCode({12345, {31, 45}})).recipe, classic);
    EXPECT_EQ(ReadCode(FormatMazeCode(99)).recipe, Make(Algorithm::Regions, 0, ShapeKind::Rectangle, kClassicSize, 99));
    // The same seed written in the recipe form for the classic way.
    const std::string longForm = FormatRecipeCode(Make(Algorithm::Regions, 1, ShapeKind::Rectangle, {31, 45}, 12345));
    std::string zero = longForm;
    zero.replace(0, 2, "R0");
    EXPECT_FALSE(ReadCode(zero).recipe) << zero;
}

TEST(RecipeCode, AnyMistypedCharacterOrSwappedNeighboursIsRefused)
{
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXY";
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const Recipe& r : {Make(Algorithm::Kruskal, 40, ShapeKind::Rectangle, {31, 45}, 0x123456789AULL),
                            Make(Algorithm::Prim, 100, ShapeKind::Circle, {1000, 1000}, 0x1F2E3D4C5BULL),
                            Make(Algorithm::Backtracker, 0, ShapeKind::Outline, {15, 15}, 0x0A0B0C0D0EULL, "OLIVIAUL"),
                            // A word long enough that its letters stand in every place weight.
                            Make(Algorithm::Wilson, 5, ShapeKind::Outline, {200, 200}, 77, std::string(40, 'Q').replace(20, 6, "JUSTIN"))}) {
        const std::string code = FormatRecipeCode(r);
        const std::size_t wordEnd = code.find('-');
        const std::size_t wordAt = wordEnd - r.word.size();
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] == '-')
                continue;
            for (char c : i >= wordAt && i < wordEnd ? letters : alphabet) {
                if (c == code[i] || (code[i] == 'x' && c == 'X'))
                    continue;
                std::string typo = code;
                typo[i] = c;
                EXPECT_FALSE(ReadCode(typo).recipe) << typo;
            }
            if (i + 1 < code.size() && code[i + 1] != '-' && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_FALSE(ReadCode(swapped).recipe) << swapped;
            }
        }
    }
    const std::string code = FormatRecipeCode(Make(Algorithm::Kruskal, 40, ShapeKind::Rectangle, {31, 45}, 0x123456789AULL));
    // Read as people type it: lower case, spaces, a different dash.
    EXPECT_TRUE(ReadCode(" k40r31×45 \xE2\x80\x93 " + code.substr(9)).recipe);
    EXPECT_FALSE(ReadCode(FormatRecipeCode(Make(Algorithm::Kruskal, 40, ShapeKind::Rectangle, {31, 45}, 3)).replace(1, 2, "140")).recipe);
    // 100 has one spelling, N.
    EXPECT_FALSE(AnyCheckReads("K100R31x45-00000-0000"));
}


// A front mistyped is refused for what is wrong with it, not counted as a code of ten characters:
// each case below was read by hand from the table of ways and shapes.
TEST(RecipeCode, AMistypedFrontIsRefusedForItsOwnFault)
{
    struct Case {
        std::string text;
        CodeFault fault;
        char letter;
        std::string detail;  // the character, the size as written, or the front
    };
    const std::string seed = "NA431-PHDY7";
    for (const Case& c : std::vector<Case>{
             {"B0C1-" + seed, CodeFault::ShapeSizeOutOfRange, 'C', "1"},
             {"B0C2000-" + seed, CodeFault::ShapeSizeOutOfRange, 'C', "2000"},
             {"b0h601 " + seed, CodeFault::ShapeSizeOutOfRange, 'H', "601"},
             {"K7E30x0-" + seed, CodeFault::ShapeSizeOutOfRange, 'E', "30x0"},
             {"B0W4HI-" + seed, CodeFault::ShapeSizeOutOfRange, 'W', "4"},
             {"BOC9-" + seed, CodeFault::UnknownCharacter, 0, "O"},
             {"B0C\xC3\xA9" "9-" + seed, CodeFault::UnknownCharacter, 0, "\xC3\xA9"},  // é
             {"Q0C9-" + seed, CodeFault::UnknownWay, 'Q', ""},
             {"U0C9-" + seed, CodeFault::UnknownCharacter, 0, "U"},
             {"B0X9-" + seed, CodeFault::UnknownShape, 'X', ""},
             {"B100C9-" + seed, CodeFault::BadLoops, 0, ""},
             {"B0W15HELL0-" + seed, CodeFault::BadWord, 0, ""},
             {"B0E30-" + seed, CodeFault::BadFront, 0, ""},
             {"R0R31x45-" + seed, CodeFault::ClassicRecipeWritten, 0, ""},
             // A good front and too few characters after it: counted after the front.
             {"B0C10-NA431-PHDY", CodeFault::WrongLength, 0, "B0C10"},
         }) {
        const RecipeReading read = ReadCode(c.text);
        EXPECT_FALSE(read.recipe) << c.text;
        EXPECT_EQ(c.fault, read.reading.fault) << c.text;
        EXPECT_EQ(c.letter, read.reading.letter) << c.text;
        const std::string& detail = c.fault == CodeFault::UnknownCharacter      ? read.reading.character
                                    : c.fault == CodeFault::ShapeSizeOutOfRange ? read.reading.written
                                    : c.fault == CodeFault::WrongLength         ? read.reading.front
                                                                                : c.detail;
        EXPECT_EQ(c.detail, detail) << c.text;
    }
    EXPECT_EQ(9, ReadCode("B0C10-NA431-PHDY").reading.length);
    // Today's codes keep their own reasons: an eleventh character, a group of letters in front.
    EXPECT_EQ(CodeFault::WrongLength, ReadCode("3F7KQ-M2XWAB").reading.fault);
    EXPECT_TRUE(ReadCode("3F7KQ-M2XWAB").reading.front.empty());
    EXPECT_EQ(CodeFault::WrongLength, ReadCode("ABCDE-FGHJK-MNPQR").reading.fault);
    EXPECT_TRUE(ReadCode("B0C10-NA431-PHDY7").recipe);
}

}  // namespace
}  // namespace tolvane
