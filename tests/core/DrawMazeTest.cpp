// The operations the maze drawing produces, in order.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tolvane::testing
