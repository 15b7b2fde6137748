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

namespace {

// Clears the surface and draws the walls of a rectangle of `width` x `height` cells whose codes
// `column(x)` gives a column at a time (row y at y + 1, from the border ring's row -1), every
// cell's bottom-right corner at `corner(x, y)` and its walls `cell` pixels long.
template <typename Column, typename Corner>
void DrawWallCodes(int width, int height, const Column& column, const Corner& corner, float cell, bool offset,
                   Surface& surface)
{
    const PointF bottomWallEnd{-cell, 0};  // relative to the cell's bottom-right corner
    const PointF rightWallEnd{0, -cell};
    surface.Cls();
    // A surface that keeps walls as runs gets them joined end to end, the same pixels in a few
    // strokes; it has no edge to cut the border ring's stubs off, so they are always dropped.
    const bool joined = surface.JoinsWalls();
    // The border ring's other walls lie outside the square: at the surface's edge they fall off
    // it, but a maze set in from the surface's corner would show them as stubs around its frame.
    const bool dropOutside = joined || offset;
    // Hands every wall to `wall` as its corner and its other end relative to the corner.
    // The loops start in the border ring: the right walls of column -1 and the bottom walls
    // of row -1 are the left and top edges of the square.
    const auto eachWall = [&](auto&& wall) {
        for (int x = -1; x < width; ++x) {
            const auto codes = column(x);
            for (int y = -1; y < height; ++y) {
                const PointF at = corner(x, y);
                Int16 code = codes[static_cast<std::size_t>(y + 1)];
                if (dropOutside && x == -1)
                    code = y == -1 ? 0 : code & kRightWall;
                else if (dropOutside && y == -1)
                    code = code & kBottomWall;
                switch (code) {
                case kBottomWall:
                    wall(at, bottomWallEnd);
                    break;
                case kRightWall:
                    wall(at, rightWallEnd);
                    break;
                case kBottomWall + kRightWall:
                    wall(at, bottomWallEnd);
                    wall(at, rightWallEnd);
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

}  // namespace

void DrawWalls(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    DrawWallCodes(
        state.Width(), state.Height(), [&](int x) { return state.Walls.Column(x); },
        [&](int x, int y) { return g.Corner(x + 1, y + 1); }, static_cast<float>(g.cell), g.left != 0 || g.top != 0,
        surface);
}

void DrawRectangleWalls(const MazeGraph& graph, const Passages& passages, MazeSize size, Surface& surface,
                        const RectangleView& view)
{
    // A column's codes as the classic state keeps them: a cell has a right wall where the
    // passage to its right is closed or the frame stands, and likewise below it; the border
    // ring's column -1 carries the frame's left edge and its row -1 the top edge.
    const int w = size.width, h = size.height;
    std::vector<Int16> codes(static_cast<std::size_t>(h) + 1);
    const auto column = [&](int x) {
        codes[0] = x < 0 ? Int16{0} : kBottomWall;
        for (int y = 0; y < h; ++y) {
            Int16 code = x < 0 ? kRightWall : Int16{0};
            if (x >= 0) {
                const CellId c = y * w + x;
                bool right = x == w - 1, down = y == h - 1;
                for (const Link& l : graph.Neighbours(c)) {
                    if (l.to == c + 1)
                        right = !passages.Open(l.wall);
                    else if (l.to == c + w)
                        down = !passages.Open(l.wall);
                }
                code = To16((down ? kBottomWall : 0) + (right ? kRightWall : 0));
            }
            codes[static_cast<std::size_t>(y) + 1] = code;
        }
        return std::span<const Int16>(codes);
    };
    const auto corner = [&](int x, int y) {
        return PointF{view.left + static_cast<float>(x + 1) * view.cell, view.top + static_cast<float>(y + 1) * view.cell};
    };
    DrawWallCodes(w, h, column, corner, view.cell, false, surface);
}

bool MarksAreLetters(const CellGeometry& g, int smallestLetter) { return g.cell - kMarkInset >= smallestLetter; }

void PrintSquareMark(Surface& surface, PointF corner, float cell, bool goal)
{
    const std::string_view letter = goal ? "G" : "S";
    if (cell == kCell) {
        PrintBold(surface, {corner.x + kClassicOffset.x, corner.y + kClassicOffset.y}, goal ? kGoalSteps : kStartSteps, letter);
    } else if (cell - kMarkInset >= static_cast<float>(surface.SmallestLetter())) {
        surface.PrintFitted(letter, {corner.x + kClearance, corner.y + kClearance}, cell - kMarkInset);
    } else {
        // A line of no length at a width is a square centred on its point; in a cell of two or
        // three pixels it fills what lies between the walls.
        const int width = surface.DrawWidth();
        surface.SetDrawWidth(std::max(1, static_cast<int>(cell) - kMarkInset));
        const PointF centre{corner.x + cell / 2, corner.y + cell / 2};
        surface.Line(centre, centre, EndPoint::Absolute, kMarkColour);
        surface.SetDrawWidth(width);
    }
}

void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    surface.SetForeColor(kMarkColour);
    const auto cell = static_cast<float>(g.cell);
    PrintSquareMark(surface, g.Corner(0, 0), cell, false);
    PrintSquareMark(surface, g.Corner(state.LastX(), state.LastY()), cell, true);
    surface.SetForeColor(kBlack);
}

}  // namespace tolvane
