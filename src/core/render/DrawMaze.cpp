// Maze drawing.
#include "core/render/DrawMaze.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "core/render/WallPaths.h"

namespace tolvane {
namespace {

constexpr Colour kMarkColour = kBlue;

// In a cell of the classic size the letters sit where they always have, 5 pixels across and 2
// down from the cell's corner, which centres the window font's letters there. Four prints one
// pixel apart merge into a letter one pixel bolder than the font's own.
constexpr PointF kClassicOffset{5, 2};
constexpr std::array<PointF, 4> kStartSteps{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
constexpr std::array<PointF, 4> kGoalSteps{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

// Any other cell gets its letter fitted to the cell less its walls and a pixel clear of them on
// every side, or, when that leaves too few pixels for a letter to read on the surface, a square
// of that size.
constexpr int kClearance = 2;              // from a cell's corner line to its mark: the wall, a gap
constexpr int kMarkInset = kClearance + 1;  // a cell's side less its mark's

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
    // A surface that keeps walls as runs gets them joined end to end, the same pixels in a few
    // strokes; it has no edge to cut the border ring's stubs off, so they are always dropped.
    const bool joined = surface.JoinsWalls();
    // The border ring's other walls lie outside the square: at the surface's edge they fall off
    // it, but a maze centred in the square would show them as stubs around its frame.
    const bool dropOutside = joined || g.left != 0 || g.top != 0;
    // Hands every wall to `wall` as its corner and its other end relative to the corner.
    // The loops start in the border ring: the right walls of column -1 and the bottom walls
    // of row -1 are the left and top edges of the square.
    const auto eachWall = [&](auto&& wall) {
        for (int x = -1; x <= state.LastX(); ++x) {
            const std::span<const Int16> column = state.Walls.Column(x);  // row y at y + 1
            for (int y = -1; y <= state.LastY(); ++y) {
                const PointF corner = g.Corner(x + 1, y + 1);
                Int16 code = column[static_cast<std::size_t>(y + 1)];
                if (dropOutside && x == -1)
                    code = y == -1 ? 0 : code & kRightWall;
                else if (dropOutside && y == -1)
                    code = code & kBottomWall;
                switch (code) {
                case kBottomWall:
                    wall(corner, bottomWallEnd);
                    break;
                case kRightWall:
                    wall(corner, rightWallEnd);
                    break;
                case kBottomWall + kRightWall:
                    wall(corner, bottomWallEnd);
                    wall(corner, rightWallEnd);
                    break;
                default:  // 0: no wall of its own
                    break;
                }
            }
        }
    };
    if (!joined) {
        eachWall([&](PointF corner, PointF end) { surface.Line(corner, end, EndPoint::Relative); });
        return;
    }
    std::vector<Edge> walls;
    eachWall([&](PointF corner, PointF end) { walls.push_back({corner, {corner.x + end.x, corner.y + end.y}}); });
    for (const WallRun& run : WallRuns(walls))
        surface.Path(run.from, run.pieces);
}

bool MarksAreLetters(const CellGeometry& g, int smallestLetter) { return g.cell - kMarkInset >= smallestLetter; }

void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    surface.SetForeColor(kMarkColour);
    const PointF start = g.Corner(0, 0);
    const PointF goal = g.Corner(state.LastX(), state.LastY());
    if (g.cell == kCell) {
        PrintBold(surface, {start.x + kClassicOffset.x, start.y + kClassicOffset.y}, kStartSteps, "S");
        PrintBold(surface, {goal.x + kClassicOffset.x, goal.y + kClassicOffset.y}, kGoalSteps, "G");
    } else if (MarksAreLetters(g, surface.SmallestLetter())) {
        const auto side = static_cast<float>(g.cell - kMarkInset);
        surface.PrintFitted("S", {start.x + kClearance, start.y + kClearance}, side);
        surface.PrintFitted("G", {goal.x + kClearance, goal.y + kClearance}, side);
    } else {
        // A line of no length at a width is a square centred on its point; in a cell of two or
        // three pixels it fills what lies between the walls.
        const int width = surface.DrawWidth();
        surface.SetDrawWidth(std::max(1, g.cell - kMarkInset));
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{state.LastX(), state.LastY()}}) {
            const PointF centre = g.Centre(x, y);
            surface.Line(centre, centre, EndPoint::Absolute, kMarkColour);
        }
        surface.SetDrawWidth(width);
    }
    surface.SetForeColor(kBlack);
}

}  // namespace tolvane
