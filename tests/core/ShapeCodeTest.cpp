// Shape codes: every shape's code names it back, refuses typos, and leaves today's codes alone.
#include <gtest/gtest.h>

#include "core/maze/SizedCode.h"
#include "core/shape/ShapeCode.h"

namespace tolvane {
namespace {

const ShapeSeed kMazes[] = {
    {0x1F2E3D4C5B6A, {ShapeKind::Circle, {200, 200}}},
    {0x0, {ShapeKind::Circle, {2, 2}}},
    {0x1FFFFFFFFFFF, {ShapeKind::Circle, {1000, 1000}}},
    {0x123456789, {ShapeKind::Hexagon, {100, 100}}},
    {0x123456789, {ShapeKind::HexagonRectangle, {1001, 1001}}},
    {0x987654321, {ShapeKind::Triangle, {1001, 1001}}},
    {0x987654321, {ShapeKind::TriangleRectangle, {30, 20}}},
    {0x5555, {ShapeKind::Outline, {15, 15}, "HELLO"}},
};

TEST(ShapeCode, EveryShapesCodeNamesItBackWithinTwentyFourCharacters)
{
    EXPECT_EQ(FormatShapeCode(kMazes[0]).substr(0, 5), "C200-");
    EXPECT_EQ(FormatShapeCode(kMazes[6]).substr(0, 7), "T30x20-");
    EXPECT_EQ(FormatShapeCode(kMazes[7]).substr(0, 9), "W15HELLO-");
    for (const ShapeSeed& maze : kMazes) {
        const std::string code = FormatShapeCode(maze);
        SCOPED_TRACE(code);
        if (maze.spec.kind != ShapeKind::Outline) {
            EXPECT_LE(code.size(), 24u);
        }
        EXPECT_EQ(ParseShapeCode(code), maze);
        std::string typed = code;
        for (char& c : typed)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(ParseShapeCode(" " + typed + " "), maze) << "any case, space around";
        // Today's readers take no shape code for one of theirs, and the other way round.
        EXPECT_FALSE(ParseSizedCode(code));
    }
    for (const char* old : {"3F7KQ-M2XWA", "31x45-3F7KQ-M2XWA", "C2345-M2XWA"})
        EXPECT_FALSE(ParseShapeCode(old)) << old;
    EXPECT_EQ(FormatShapeCode({1, {ShapeKind::Rectangle, {31, 45}}}), "");
    EXPECT_EQ(FormatShapeCode({1, {ShapeKind::Circle, {1, 1}}}), "") << "out of range";
    EXPECT_FALSE(ParseShapeCode("C0200-3F7KQ-M2XWA")) << "one maze, one code";
}

TEST(ShapeCode, AnyOneMistypedCharacterOrTwoSwappedNeighboursAreRefused)
{
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZx";
    for (const ShapeSeed& maze : {kMazes[0], kMazes[4], kMazes[6], kMazes[7]}) {
        const std::string code = FormatShapeCode(maze);
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] == '-')
                continue;
            for (const char c : alphabet) {
                if (std::toupper(c) == std::toupper(code[i]))
                    continue;
                std::string typo = code;
                typo[i] = c;
                const auto read = ParseShapeCode(typo);
                EXPECT_FALSE(read) << typo;
            }
            if (i + 1 < code.size() && code[i + 1] != '-' && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_FALSE(ParseShapeCode(swapped)) << swapped;
            }
        }
    }
}

}  // namespace
}  // namespace tolvane
