// Path search.
#include "core/solve/Search.h"

#include "core/maze/Openings.h"

namespace tolvane {
namespace {

constexpr int kSides = 4;  // tried in the order right, left, down, up
constexpr int kDx[kSides] = {+1, -1, 0, 0};
constexpr int kDy[kSides] = {0, 0, +1, -1};

bool IsOpen(const Openings& open, int side)
{
    const bool sides[kSides] = {open.right, open.left, open.down, open.up};
    return sides[side];
}

// The side of (fromX, fromY) on which its neighbour (toX, toY) lies.
int SideTowards(int fromX, int fromY, int toX, int toY)
{
    for (int side = 0; side < kSides; ++side)
        if (fromX + kDx[side] == toX && fromY + kDy[side] == toY)
            return side;
    return kSides;  // unreachable: route entries in a row are always neighbours
}

// The guard and the entry of one cell: false, changing nothing, outside the square or on a
// cell entered already.
bool Enter(MazeState& s, int x, int y)
{
    if (x < 0 || x > s.LastX() || y < 0 || y > s.LastY() || s.Visited(x, y) != kFalse)
        return false;
    s.PathLen = Add32(s.PathLen, 1);
    s.PathX(s.PathLen) = To16(x);
    s.PathY(s.PathLen) = To16(y);
    s.Visited(x, y) = kTrue;
    return true;
}

bool AtGoal(const MazeState& s, int x, int y) { return x == s.LastX() && y == s.LastY(); }

}  // namespace

void Solve(MazeState& s)
{
    for (int x = -1; x <= s.LastX(); ++x)
        for (int y = -1; y <= s.LastY(); ++y)
            s.Visited(x, y) = kFalse;
    s.PathX(0) = 0;
    s.PathY(0) = 0;
    s.PathLen = 0;
    s.Found = kFalse;
    SolveFrom(s, 0, 0);
    s.StepCount = 0;
}

void SolveFrom(MazeState& s, const Int16& x, const Int16& y)
{
    if (!Enter(s, x, y))
        return;
    const std::int32_t outside = s.PathLen - 1;  // the route as the caller had it
    int side = 0;                                // the next side of the current cell to try
    for (;;) {
        const int cx = s.PathX(s.PathLen);
        const int cy = s.PathY(s.PathLen);
        // The goal stays the route's last entry: no backing out from here.
        if (side == 0 && AtGoal(s, cx, cy)) {
            s.Found = kTrue;
            return;
        }
        // Every open side is tried, also the one back to where the search came from, whose
        // cell has been entered already and is refused by the guard.
        const Openings open = OpenSides(s, cx, cy);
        while (side < kSides && !(IsOpen(open, side) && Enter(s, cx + kDx[side], cy + kDy[side])))
            ++side;
        if (side < kSides) {
            side = 0;  // went one deeper
            continue;
        }
        // Back out: the coordinates stay in the route above the new PathLen, and the mark stays.
        s.PathLen = Add32(s.PathLen, -1);
        if (s.PathLen == outside)
            return;
        side = SideTowards(s.PathX(s.PathLen), s.PathY(s.PathLen), cx, cy) + 1;
    }
}

}  // namespace tolvane
