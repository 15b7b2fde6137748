// The operations the maze drawing produces, in order.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "core/Harness.h"
#include "core/render/DrawMaze.h"

namespace tolvane::testing {
namespace {

using Kind = DrawOp::Kind;

DrawOp WallLine(float cornerX, float cornerY, float dx, float dy)
{
    return {.kind = Kind::Line, .from = {cornerX, cornerY}, .to = {dx, dy}, .end = EndPoint::Relative};
}
DrawOp Bottom(float cornerX, float cornerY) { return WallLine(cornerX, cornerY, -17, 0); }
DrawOp Right(float cornerX, float cornerY) { return WallLine(cornerX, cornerY, 0, -17); }

// The eight prints of the bold S and G, between the blue and the black pen.
std::vector<DrawOp> Marks()
{
    std::vector<DrawOp> ops{{.kind = Kind::ForeColor, .colour = kBlue}};
    const std::vector<std::tuple<float, float, const char*>> prints{
        {5, 2, "S"},     {5, 3, "S"},     {6, 2, "S"},     {6, 3, "S"},
        {345, 342, "G"}, {346, 342, "G"}, {345, 343, "G"}, {346, 343, "G"}};
    for (const auto& [x, y, letter] : prints) {
        ops.push_back({.kind = Kind::CurrentX, .value = x});
        ops.push_back({.kind = Kind::CurrentY, .value = y});
        ops.push_back({.kind = Kind::Print, .text = letter});
    }
    ops.push_back({.kind = Kind::ForeColor, .colour = kBlack});
    return ops;
}

std::vector<DrawOp> Concat(std::vector<DrawOp> a, const std::vector<DrawOp>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DrawMaze, AllZeroWallsGiveOnlyTheTwoLetters)
{
    MazeState s;
    RecordingSurface surface;
    DrawMaze(s, surface);
    EXPECT_EQ(Concat({{.kind = Kind::Cls}}, Marks()), surface.ops());
}

TEST(DrawMaze, TheStartFrameIsDrawnColumnByColumnBottomBeforeRight)
{
    Harness h;
    h.program.Form_Load();
    // Column -1 carries the left edge, row -1 the top edge, row 20 the bottom edge and
    // column 20 the right edge; the goal cell's two walls come bottom first.
    std::vector<DrawOp> expected{{.kind = Kind::Cls}};
    for (int y = 0; y <= 20; ++y)
        expected.push_back(Right(0, (y + 1) * 17));
    for (int x = 0; x <= 19; ++x) {
        expected.push_back(Bottom((x + 1) * 17, 0));
        expected.push_back(Bottom((x + 1) * 17, 357));
    }
    expected.push_back(Bottom(357, 0));
    for (int y = 0; y <= 19; ++y)
        expected.push_back(Right(357, (y + 1) * 17));
    expected.push_back(Bottom(357, 357));
    expected.push_back(Right(357, 357));
    EXPECT_EQ(Concat(expected, Marks()), h.surface.ops());
}

TEST(DrawMaze, LeavesThePenBlackAndItsWidthAlone)
{
    Harness h;
    h.program.Form_Load();
    h.surface.SetForeColor(kRed);
    h.surface.SetDrawWidth(3);
    h.surface.Clear();
    DrawMaze(h.s, h.surface);
    EXPECT_EQ(kBlack, h.surface.ForeColor());
    EXPECT_EQ(3, h.surface.DrawWidth());
    for (const DrawOp& op : h.surface.ops())
        EXPECT_NE(Kind::DrawWidth, op.kind);
}

TEST(DrawMaze, RowAndColumn21AreNeverDrawnAndBorderCellsAre)
{
    MazeState s;
    s.Walls(21, 4) = 3;
    s.Walls(4, 21) = 3;
    s.Walls(21, 21) = 3;
    s.Walls(-1, -1) = 3;  // both lines run off the surface, but they are drawn
    RecordingSurface surface;
    DrawMaze(s, surface);
    EXPECT_EQ(Concat({{.kind = Kind::Cls}, Bottom(0, 0), Right(0, 0)}, Marks()), surface.ops());
}

// On a picture of 301 x 301 cells of 4 pixels, 1204 pixels across, S and G are squares with a
// beacon each: a blue ring a fiftieth of the picture (24 pixels) round the cell, cut where it
// would leave the picture, and the cell's own letter as large, beside the ring towards the middle.
TEST(DrawMaze, AMarkTooSmallToReadOnABigPictureHasARingAndItsLetterBesideIt)
{
    const MazeState state(MazeSize{301, 301});
    const CellGeometry g{4, 0, 0};
    RecordingSurface surface;
    PrintMarks(state, surface, g);
    constexpr float kSide = 1204, kRadius = kSide / 50;
    const PointF s{2, 2}, goal{kSide - 2, kSide - 2}, middle{kSide / 2, kSide / 2};
    const auto distance = [](PointF a, PointF b) { return std::hypot(a.x - b.x, a.y - b.y); };
    int ringLines = 0;
    std::map<std::string, PointF> letters;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == Kind::Line && op.from != op.to) {
            ++ringLines;
            const PointF centre = distance(op.from, s) < distance(op.from, goal) ? s : goal;
            for (const PointF p : {op.from, op.to}) {
                EXPECT_NEAR(distance(p, centre), kRadius, 0.5);
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= kSide && p.y <= kSide) << "outside the picture";
            }
        } else if (op.kind == Kind::PrintFitted) {
            EXPECT_NEAR(op.value, kRadius, 1) << op.text;
            letters[op.text] = {op.from.x + op.value / 2, op.from.y + op.value / 2};
        }
    }
    // A quarter of each ring lies inside the picture: about 90 degrees of 3-degree lines each.
    EXPECT_GE(ringLines, 2 * 25);
    EXPECT_LE(ringLines, 2 * 32);
    ASSERT_EQ(letters.size(), 2u);
    for (const auto& [letter, cell] : {std::pair{"S", s}, std::pair{"G", goal}}) {
        const PointF at = letters[letter];
        EXPECT_GT(distance(at, cell), kRadius) << letter << " lies outside its ring";
        EXPECT_LT(distance(at, cell), 3 * kRadius) << letter << " lies beside its ring";
        EXPECT_LT(distance(at, middle), distance(cell, middle)) << letter << " lies towards the middle";
    }
}

}  // namespace
}  // namespace tolvane::testing
