// Maze drawing.
#include "core/render/DrawMaze.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
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

// A mark's square is found at a glance in a picture of fewer cells than this across; in a
// bigger one it needs its beacon.
constexpr float kBeaconCells = 40;

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

void PrintSquareMark(Surface& surface, PointF corner, float cell, bool goal, const PictureBox& box)
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
        PrintBeacon(surface, centre, cell, letter, box);
    }
}

BeaconSize BeaconSize::For(float cell, const PictureBox& box, int smallestLetter)
{
    BeaconSize b;
    const float across = std::min(box.bottomRight.x - box.topLeft.x, box.bottomRight.y - box.topLeft.y);
    if (across < kBeaconCells * cell)
        return b;
    b.radius = std::max({1.5f * cell, across / 50, 6.0f});
    b.ringWidth = std::max(2, static_cast<int>(std::lround(b.radius / 16)));
    b.letter = std::max(static_cast<float>(smallestLetter), b.radius);
    b.reach = b.radius + static_cast<float>(b.ringWidth) + 1.35f * b.letter + 1;
    return b;
}

void PrintBeacon(Surface& surface, PointF centre, float cell, std::string_view letter, const PictureBox& box)
{
    const BeaconSize size = BeaconSize::For(cell, box, surface.SmallestLetter());
    if (size.reach == 0)
        return;
    const float radius = size.radius;
    const int ringWidth = size.ringWidth;
    const auto inside = [&](PointF p, float room) {
        return p.x >= box.topLeft.x + room && p.x <= box.bottomRight.x - room && p.y >= box.topLeft.y + room &&
               p.y <= box.bottomRight.y - room;
    };
    const auto onRing = [&](int degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return PointF{centre.x + radius * static_cast<float>(std::cos(a)), centre.y - radius * static_cast<float>(std::sin(a))};
    };

    // The ring, degree by degree, as a run of short lines for each run of degrees whose stroke
    // stays in the box. Lines, not a smoothed curve: a picture that redraws the ring over itself,
    // as a watched build does around S and G, must end as it would be drawn once.
    const int pen = surface.DrawWidth();
    surface.SetDrawWidth(ringWidth);
    const float room = static_cast<float>(ringWidth) * 0.75f + 1;  // a square end's corner, and a pixel
    int first = 0;  // a degree outside the box to start from, so that no run is cut in two
    while (first < 360 && inside(onRing(first), room))
        ++first;
    constexpr int kDegreesALine = 3;
    for (int d = first; d < first + 360;) {
        if (!inside(onRing(d), room)) {
            ++d;
            continue;
        }
        int end = d;
        while (end < first + 360 && inside(onRing(end + 1), room))
            ++end;
        for (int from = d; from < end; from += kDegreesALine)
            surface.Line(onRing(from), onRing(std::min(end, from + kDegreesALine)), EndPoint::Absolute, kMarkColour);
        d = end + 1;
    }
    surface.SetDrawWidth(pen);

    // The letter beside the ring on the side towards the middle (above, from the very middle),
    // moved in as far as the box asks.
    const float side = size.letter;
    float dx = (box.topLeft.x + box.bottomRight.x) / 2 - centre.x, dy = (box.topLeft.y + box.bottomRight.y) / 2 - centre.y;
    const float length = std::hypot(dx, dy);
    if (length < 1) {
        dx = 0, dy = -1;
    } else {
        dx /= length, dy /= length;
    }
    const float toLetter = radius + static_cast<float>(ringWidth) + side * 0.6f;
    const float x = std::clamp(centre.x + dx * toLetter - side / 2, box.topLeft.x, std::max(box.topLeft.x, box.bottomRight.x - side));
    const float y = std::clamp(centre.y + dy * toLetter - side / 2, box.topLeft.y, std::max(box.topLeft.y, box.bottomRight.y - side));
    surface.PrintFitted(letter, {std::round(x), std::round(y)}, side);
}

void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& g)
{
    surface.SetForeColor(kMarkColour);
    const auto cell = static_cast<float>(g.cell);
    const PictureBox box{g.Corner(0, 0), g.Corner(state.LastX() + 1, state.LastY() + 1)};
    PrintSquareMark(surface, g.Corner(0, 0), cell, false, box);
    PrintSquareMark(surface, g.Corner(state.LastX(), state.LastY()), cell, true, box);
    surface.SetForeColor(kBlack);
}

}  // namespace tolvane
