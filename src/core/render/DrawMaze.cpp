// Maze drawing.
#include "core/render/DrawMaze.h"

#include <array>

namespace tolvane {
namespace {

constexpr Colour kMarkColour = kBlue;
constexpr PointF kBottomWallEnd{-kCell, 0};  // relative to the cell's bottom-right corner
constexpr PointF kRightWallEnd{0, -kCell};

// Four prints one pixel apart merge into a letter one pixel bolder than the font's own.
constexpr std::array<PointF, 4> kStartMark{{{5, 2}, {5, 3}, {6, 2}, {6, 3}}};
constexpr std::array<PointF, 4> kGoalMark{{{345, 342}, {346, 342}, {345, 343}, {346, 343}}};

void PrintBold(Surface& surface, const std::array<PointF, 4>& positions, std::string_view letter)
{
    for (const PointF p : positions) {
        surface.SetCurrentX(p.x);
        surface.SetCurrentY(p.y);
        surface.Print(letter);
    }
}

}  // namespace

void DrawMaze(const MazeState& state, Surface& surface)
{
    surface.Cls();
    // The loops start in the border ring: the right walls of column -1 and the bottom walls
    // of row -1 are the left and top edges of the square.
    for (int x = -1; x <= kLast; ++x) {
        for (int y = -1; y <= kLast; ++y) {
            const PointF corner{static_cast<float>(To16((x + 1) * kCell)), static_cast<float>(To16((y + 1) * kCell))};
            switch (state.Walls(x, y)) {
            case kBottomWall:
                surface.Line(corner, kBottomWallEnd, EndPoint::Relative);
                break;
            case kRightWall:
                surface.Line(corner, kRightWallEnd, EndPoint::Relative);
                break;
            case kBottomWall + kRightWall:
                surface.Line(corner, kBottomWallEnd, EndPoint::Relative);
                surface.Line(corner, kRightWallEnd, EndPoint::Relative);
                break;
            default:  // 0: no wall of its own
                break;
            }
        }
    }
    surface.SetForeColor(kMarkColour);
    PrintBold(surface, kStartMark, "S");
    PrintBold(surface, kGoalMark, "G");
    surface.SetForeColor(kBlack);
}

}  // namespace tolvane
