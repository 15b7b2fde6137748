// Maze drawing.
#include "core/render/DrawMaze.h"

#include <algorithm>
#include <array>

namespace tolvane {
namespace {

constexpr Colour kMarkColour = kBlue;

// The letters sit in their cells where the classic maze has always had them, 5 pixels across
// and 2 down from the cell's corner, which centres the window font's letters in a 17-pixel
// cell; other cells centre them the same way, and in cells too small to hold a letter it
// stays inside the square. Four prints one pixel apart merge into a letter one pixel bolder
// than the font's own.
constexpr int kLetterWidth = 7;
constexpr int kLetterHeight = 13;
constexpr PointF kRightOfMark{12, 15};  // from a letter's position to the square's far edges
constexpr std::array<PointF, 4> kStartSteps{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
constexpr std::array<PointF, 4> kGoalSteps{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

PointF MarkOffset(const CellGeometry& g)
{
    return {static_cast<float>(std::max(1, (g.cell - kLetterWidth) / 2)),
            static_cast<float>(std::max(1, (g.cell - kLetterHeight) / 2))};
}

void PrintBold(Surface& surface, PointF at, const std::array<PointF, 4>& steps, std::string_view letter)
{
    for (const PointF step : steps) {
        surface.SetCurrentX(at.x + step.x);
        surface.SetCurrentY(at.y + step.y);
        surface.Print(letter);
    }
}

}  // namespace

void DrawMaze(const MazeState& state, Surface& surface) { DrawMaze(state, surface, CellGeometry::For(state.size)); }

void DrawMaze(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    DrawWalls(state, surface, g);
    PrintMarks(state, surface, g);
}

void DrawWalls(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    const PointF bottomWallEnd{static_cast<float>(-g.cell), 0};  // relative to the cell's bottom-right corner
    const PointF rightWallEnd{0, static_cast<float>(-g.cell)};
    surface.Cls();
    // The loops start in the border ring: the right walls of column -1 and the bottom walls
    // of row -1 are the left and top edges of the square.
    // The border ring's other walls lie outside the square: at the surface's edge they fall off
    // it, but a maze centred in the square would show them as stubs around its frame.
    const bool dropOutside = g.left != 0 || g.top != 0;
    for (int x = -1; x <= state.LastX(); ++x) {
        for (int y = -1; y <= state.LastY(); ++y) {
            const PointF corner = g.Corner(x + 1, y + 1);
            Int16 code = state.Walls(x, y);
            if (dropOutside && x == -1)
                code = y == -1 ? 0 : code & kRightWall;
            else if (dropOutside && y == -1)
                code = code & kBottomWall;
            switch (code) {
            case kBottomWall:
                surface.Line(corner, bottomWallEnd, EndPoint::Relative);
                break;
            case kRightWall:
                surface.Line(corner, rightWallEnd, EndPoint::Relative);
                break;
            case kBottomWall + kRightWall:
                surface.Line(corner, bottomWallEnd, EndPoint::Relative);
                surface.Line(corner, rightWallEnd, EndPoint::Relative);
                break;
            default:  // 0: no wall of its own
                break;
            }
        }
    }
}

void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    const PointF offset = MarkOffset(g);
    const PointF start = g.Corner(0, 0);
    const PointF goal = g.Corner(state.LastX(), state.LastY());
    const PointF farEdge = g.Corner(state.Width(), state.Height());
    surface.SetForeColor(kMarkColour);
    PrintBold(surface, {start.x + offset.x, start.y + offset.y}, kStartSteps, "S");
    PrintBold(surface,
              {std::min(goal.x + offset.x, farEdge.x - kRightOfMark.x), std::min(goal.y + offset.y, farEdge.y - kRightOfMark.y)},
              kGoalSteps, "G");
    surface.SetForeColor(kBlack);
}

}  // namespace tolvane
