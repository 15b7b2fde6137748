// Maze codes: every maze's code rebuilds it, a mistyped code is refused, and codes stay valid.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/MazeCheck.h"
#include "core/maze/BuildMaze.h"
#include "core/code/MazeCode.h"
#include "core/code/Recipe.h"
#include "core/code/SizedCode.h"
#include "core/platform/Random.h"

namespace tolvane::testing {
namespace {

// FNV-1a over every wall code of the state, border ring included.
std::uint64_t WallsDigest(const MazeState& s)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (int x = -1; x <= s.Width(); ++x)
        for (int y = -1; y <= s.Height(); ++y)
            h = (h ^ static_cast<std::uint16_t>(s.Walls(x, y))) * 0x100000001b3ull;
    return h;
}

// Every single character of `code` (but its separators) changed to any other of the alphabet,
// and every two neighbours swapped, is refused by `parse`.
template <typename Parse>
void ExpectEveryTypoRefused(const std::string& code, Parse parse)
{
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZx";
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '-')
            continue;
        for (const char c : alphabet) {
            if (std::toupper(c) == std::toupper(code[i]))  // "x" and "X" are one size mark
                continue;
            std::string typo = code;
            typo[i] = c;
            ASSERT_FALSE(parse(typo)) << typo;
        }
        const std::size_t next = i + 1 < code.size() && code[i + 1] == '-' ? i + 2 : i + 1;
        if (next < code.size() && code[i] != code[next]) {
            std::string swapped = code;
            std::swap(swapped[i], swapped[next]);
            ASSERT_FALSE(parse(swapped)) << swapped;
        }
    }
}

TEST(MazeCode, TheCodeOfEveryClockSeededMazeRebuildsThatMaze)
{
    ClockRandom random;
    for (int i = 0; i < 300; ++i) {
        MazeState built;
        BuildMaze(built, random);
        const std::string code = FormatMazeCode(*random.LastSeed());
        ASSERT_EQ(11u, code.size());
        const auto seed = ParseMazeCode(code).seed;
        ASSERT_TRUE(seed) << code;
        std::string lower = code;
        std::transform(code.begin(), code.end(), lower.begin(), [](char c) { return std::tolower(c); });
        ASSERT_EQ(seed, ParseMazeCode(lower).seed) << lower;
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
        const auto seed = ParseMazeCode(code).seed;
        ASSERT_TRUE(seed) << code;
        EXPECT_EQ(digest, WallsDigest(MazeFromSeed(*seed))) << code;
    }
    // ... and the mazes give these codes back, letter for letter (L is read as 1 and written so).
    for (const char* code : {"00000-00000", "ZZZZZ-ZZZZX", "3F7KQ-M2XWA", "T01VA-NE01R", "8H4Q2-RDEYZ"})
        EXPECT_EQ(code, FormatMazeCode(ParseMazeCode(code).seed.value_or(0)));
}

TEST(MazeCode, ReadsLikeAPersonTypesItAndRefusesEveryTypo)
{
    const std::string code = FormatMazeCode(0x1234'5678'9ABCull);
    const auto seed = ParseMazeCode(code).seed;
    ASSERT_EQ(0x1234'5678'9ABCull, seed);
    std::string loose;
    for (const char c : code)
        if (c != '-')
            loose += static_cast<char>(std::tolower(c)), loose += ' ';
    EXPECT_EQ(seed, ParseMazeCode(loose).seed);
    EXPECT_EQ(ParseMazeCode("00000-00000").seed, ParseMazeCode("oOoOo-OoOoO").seed);
    EXPECT_EQ(ParseMazeCode("T01VA-NE01R").seed, ParseMazeCode("t0iva-ne0lr").seed);

    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '-')
            continue;
        for (const char c : alphabet) {
            if (c == code[i])
                continue;
            std::string typo = code;
            typo[i] = c;
            ASSERT_EQ(CodeFault::CheckFails, ParseMazeCode(typo).fault) << typo;
        }
        const std::size_t next = code[i + 1] == '-' ? i + 2 : i + 1;
        if (next < code.size() && code[i] != code[next]) {
            std::string swapped = code;
            std::swap(swapped[i], swapped[next]);
            ASSERT_EQ(CodeFault::CheckFails, ParseMazeCode(swapped).fault) << swapped;
        }
    }
}

// A refusal says what is wrong: the character no code uses, or how many characters there are.
TEST(MazeCode, ARefusalNamesItsCause)
{
    const struct {
        const char* text;
        CodeFault fault;
        const char* character;
        int length;
    } cases[] = {
        {"", CodeFault::WrongLength, "", 0},
        {"12345", CodeFault::WrongLength, "", 5},
        {"12345-123456", CodeFault::WrongLength, "", 11},
        {"U2345-12345", CodeFault::UnknownCharacter, "U", 0},
        {"12345_12345", CodeFault::UnknownCharacter, "_", 0},
        {"12345-1234\xE3\x81\x82", CodeFault::UnknownCharacter, "\xE3\x81\x82", 0},  // あ
    };
    for (const auto& c : cases) {
        const CodeReading reading = ParseMazeCode(c.text);
        EXPECT_FALSE(reading.seed) << c.text;
        EXPECT_EQ(c.fault, reading.fault) << c.text;
        EXPECT_EQ(c.character, reading.character) << c.text;
        EXPECT_EQ(c.length, reading.length) << c.text;
    }
}

// Pasted and typed text: white space around it, full-width forms and dashes of every kind.
TEST(MazeCode, CleaningReadsWhatPeoplePasteAsThePlainCode)
{
    EXPECT_EQ("3F7KQ-M2XWA", CleanCodeText(" \t3F7KQ-M2XWA\r\n"));
    // Full-width "３Ｆ７ＫＱ" with an ideographic space, then the dash variants between the groups.
    EXPECT_EQ("3F7KQ M2XWA", CleanCodeText("\xEF\xBC\x93\xEF\xBC\xA6\xEF\xBC\x97\xEF\xBC\xAB\xEF\xBC\xB1"
                                           "\xE3\x80\x80M2XWA"));
    for (const char* dash : {"\xEF\xBC\x8D", "\xE2\x80\x90", "\xE2\x80\x93", "\xE2\x88\x92", "\xE3\x83\xBC"})
        EXPECT_EQ(std::string("3F7KQ-m2xwa"), CleanCodeText(std::string("3F7KQ") + dash + "m2xwa")) << dash;
    EXPECT_EQ(ParseMazeCode("3F7KQ-M2XWA").seed, ReadMazeCode("\xEF\xBC\x93" "F7KQ\xE2\x88\x92M2XWA\n").seed);
    EXPECT_EQ("", CleanCodeText(" \n\t "));
}

TEST(SizedCode, NamesItsSizeRoundTripsAndRefusesEveryTypo)
{
    // The classic size keeps its code, with or without the sized reading.
    const auto classic = ParseSizedCode("3F7KQ-M2XWA");
    ASSERT_TRUE(classic);
    EXPECT_EQ(kClassicSize, classic->size);
    EXPECT_EQ(ParseMazeCode("3F7KQ-M2XWA").seed, classic->seed);
    EXPECT_EQ("3F7KQ-M2XWA", FormatSizedCode(*classic));
    EXPECT_FALSE(ParseSizedCode("21x21-3F7KQ-M2XWA"));  // one maze, one code

    for (const MazeSize size : {MazeSize{2, 2}, {31, 45}, {45, 31}, {999, 1000}, {1001, 1001}}) {
        const SizedSeed maze{0x0ABC'DEF0'1234ull, size};
        const std::string code = FormatSizedCode(maze);
        EXPECT_LE(code.size(), 20u) << code;
        EXPECT_EQ(SizeText(size), code.substr(0, SizeText(size).size()));
        EXPECT_EQ(maze, ParseSizedCode(code)) << code;
        ExpectEveryTypoRefused(code, [](const std::string& text) { return ParseSizedCode(text); });
    }
    EXPECT_EQ("31x45-00000-0000X", FormatSizedCode({0, {31, 45}}));
    EXPECT_EQ((SizedSeed{0, {31, 45}}), ParseSizedCode(" 31 × 45 000000000x"));
    EXPECT_EQ("1001x1001-000000000P", FormatSizedCode({0, {1001, 1001}}));
    for (const char* bad : {"1x45-00000-0000X", "31x1002-00000-0000X", "x45-00000-0000X", "31x-00000-0000X", "031x45-00000-0000X", "31x45"})
        EXPECT_FALSE(ParseSizedCode(bad)) << bad;
}

// A sized code is refused for what is wrong with it, as a person would put it right.
TEST(SizedCode, ARefusalNamesItsRealFault)
{
    const std::string code = FormatSizedCode({0x0ABC'DEF0'1234ull, {41, 40}});  // "41x40-" and ten
    ASSERT_EQ("41x40-", code.substr(0, 6));
    std::string typo = code;
    typo.back() = typo.back() == 'A' ? 'B' : 'A';
    const struct {
        std::string text;
        CodeFault fault;
        std::string size;
        int length;
    } cases[] = {
        {typo, CodeFault::CheckFails, "41x40", 0},
        {"41x42" + code.substr(5), CodeFault::CheckFails, "41x42", 0},       // the size mistyped
        {code.substr(0, code.size() - 1), CodeFault::WrongLength, "41x40", 9},  // one character dropped
        {code + "7", CodeFault::WrongLength, "41x40", 11},
        {"41x40", CodeFault::WrongLength, "41x40", 0},
        {"0x0" + code.substr(5), CodeFault::BadSize, "0x0", 0},
        {"1002x5" + code.substr(5), CodeFault::BadSize, "1002x5", 0},
        {"041x40" + code.substr(5), CodeFault::BadSize, "041x40", 0},
        {"41x40" + code.substr(6), CodeFault::SizeUnended, "41x40", 0},         // no hyphen after the size
        {"21x21-3F7KQ-M2XWA", CodeFault::ClassicSizeWritten, "21x21", 0},
        {"41x40-3F7KQ-M2X_A", CodeFault::UnknownCharacter, "41x40", 0},
    };
    for (const auto& c : cases) {
        const SizedReading read = ReadSizedCode(c.text);
        EXPECT_FALSE(read.maze) << c.text;
        EXPECT_EQ(c.fault, read.reading.fault) << c.text;
        EXPECT_EQ(c.size, read.reading.size) << c.text;
        EXPECT_EQ(c.length, read.reading.length) << c.text;
    }
    // A capital X, spaces for hyphens and full-width forms read as the code itself; a 21 x 21
    // code has no size, even when its characters look like one.
    EXPECT_EQ(ParseSizedCode("31x45-T01VA-NE015"), ParseSizedCode("31X45-T01VA-NE015"));
    EXPECT_EQ(ParseSizedCode("31x45-T01VA-NE015"), ReadSizedCode("\xEF\xBC\x93\xEF\xBC\x91X45 t01va ne015").maze);
    ASSERT_TRUE(ParseSizedCode("31x45-T01VA-NE015"));
    const std::string looksSized = FormatMazeCode(3ull << 40 | 29ull << 35 | 7ull << 30);  // "3X700-…"
    ASSERT_EQ("3X7", looksSized.substr(0, 3));
    EXPECT_EQ((SizedSeed{3ull << 40 | 29ull << 35 | 7ull << 30, kClassicSize}), ParseSizedCode(looksSized));
}

// No code with one character dropped, added, changed or two swapped, anywhere (the size, its
// hyphen, the ten characters), opens another maze: the size's hyphen fixes where the ten begin,
// and the check catches any one change to the size.
TEST(SizedCode, NoEditOfACodeOpensAnotherMaze)
{
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZx- ";
    for (const MazeSize size : {MazeSize{41, 40}, {2, 69}, {101, 45}, {1001, 999}, {7, 1001}}) {
        const SizedSeed maze{0x0123'4567'89ABull, size};
        const std::string code = FormatSizedCode(maze);
        auto same = [&](const std::string& text) {
            const auto read = ParseSizedCode(text);
            return !read || *read == maze;
        };
        for (std::size_t i = 0; i <= code.size(); ++i) {
            if (i < code.size()) {
                ASSERT_TRUE(same(code.substr(0, i) + code.substr(i + 1))) << code << " less its character " << i;
                if (i + 1 < code.size()) {
                    ASSERT_TRUE(same(code.substr(0, i) + code[i + 1] + code[i] + code.substr(i + 2))) << code << " swapped at " << i;
                }
            }
            for (const char c : alphabet) {
                ASSERT_TRUE(same(code.substr(0, i) + c + code.substr(i))) << code << " with " << c << " at " << i;
                if (i < code.size()) {
                    ASSERT_TRUE(same(code.substr(0, i) + c + code.substr(i + 1))) << code << " with " << c << " for " << i;
                }
            }
        }
    }
}

// Codes of other sizes are promises too.
TEST(SizedCode, PinnedCodesKeepTheirMazes)
{
    const std::pair<const char*, std::uint64_t> pinned[] = {
        {"11x11-3F7KQ-M2XWG", 0x47511163c5a411ceull},
        {"31x45-T01VA-NE015", 0xfde5629a12494d00ull},
        {"51x51-8H4Q2-RDEYG", 0xf19ea012bcaa6cd9ull},
        {"101x101-00000-0000P", 0x2b54ab74aa1b42a7ull},
        {"1001x1001-000000000P", 0xe0b707a470545214ull},
    };
    for (const auto& [code, digest] : pinned) {
        const auto maze = ParseSizedCode(code);
        ASSERT_TRUE(maze) << code;
        EXPECT_EQ(digest, WallsDigest(MazeFromSeed(maze->seed, maze->size))) << code;
    }
}

// Codes the first release printed, before the size's check caught a character dropped or added:
// refused by today's reading, which says that the first release would read them, and read as
// that release did on request, to the maze of their nine seed characters.
TEST(SizedCode, AFirstReleaseCodeIsToldAsSuchAndOpensAsThatReleaseOpenedIt)
{
    // Worked by hand for 30x30: the characters 3 0 x 3 0 count 4 1 11 4 1, weighted 1 to 5: 60,
    // 29 modulo 31, folded into the check of the seed alone.
    const auto old = ReadFirstReleaseCode("30x30-VZY4H-WRHNH");
    ASSERT_TRUE(old);
    EXPECT_EQ((MazeSize{30, 30}), old->size);
    EXPECT_EQ("VZY4H-WRHN", FormatMazeCode(old->seed).substr(0, 10));
    EXPECT_EQ(CodeDigit('H'), CodeDigit(FormatMazeCode(old->seed).back()) ^ 29);
    // Today's code of the same maze differs in its check character alone.
    for (const auto& [code, sameStart] : std::vector<std::pair<std::string, std::string>>{
             {"30x30-VZY4H-WRHNH", "30x30-VZY4H-WRHN"}, {"13x13-RS88C-CQES7", "13x13-RS88C-CQES"}, {" 13 X 13 rs88c cqes7 ", "13x13-RS88C-CQES"}}) {
        const SizedReading today = ReadSizedCode(code);
        EXPECT_FALSE(today.maze) << code;
        EXPECT_TRUE(today.reading.firstRelease) << code;
        ASSERT_TRUE(ReadFirstReleaseCode(code)) << code;
        EXPECT_EQ(sameStart, FormatSizedCode(*ReadFirstReleaseCode(code)).substr(0, 16)) << code;
    }
    EXPECT_EQ((MazeSize{13, 13}), ReadFirstReleaseCode("13x13-RS88C-CQES7")->size);
    // That release refused typos too, and a code of today is no first-release code to be told of.
    EXPECT_FALSE(ReadFirstReleaseCode("30x30-VZY4H-WRHNJ"));
    EXPECT_FALSE(ReadSizedCode("30x30-VZY4H-WRHNJ").reading.firstRelease);
    EXPECT_FALSE(ReadSizedCode("31x45-T01VA-NE016").reading.firstRelease);
    // The one reader of codes, as the command line and the dialog use it: refused unless asked
    // for, then read as that release read it and told as such; a code of today reads alike.
    EXPECT_FALSE(ReadCode("30x30-VZY4H-WRHNH").recipe);
    const RecipeReading asked = ReadCode("30x30-VZY4H-WRHNH", OldCodes::Read);
    ASSERT_TRUE(asked.recipe);
    EXPECT_EQ((Recipe{.size = old->size, .seed = old->seed}), *asked.recipe);
    EXPECT_TRUE(asked.reading.firstRelease);
    const RecipeReading today = ReadCode("31x45-T01VA-NE015", OldCodes::Read);
    EXPECT_EQ(ReadCode("31x45-T01VA-NE015").recipe, today.recipe);
    EXPECT_FALSE(today.reading.firstRelease);
}

}  // namespace
}  // namespace tolvane::testing
