// Path search.
#include "core/solve/Search.h"

namespace tolvane {
namespace {

constexpr Int16 kGoal = kLast;

bool NoRightWall(Int16 code) { return code / 2 == 0; }
bool NoBottomWall(Int16 code) { return code % 2 == 0; }

}  // namespace

void Solve(MazeState& s)
{
    for (int x = -1; x <= kLast; ++x)
        for (int y = -1; y <= kLast; ++y)
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
    if (x < 0 || x > kLast || y < 0 || y > kLast || s.Visited(x, y) != kFalse)
        return;

    s.PathLen = To16(s.PathLen + 1);
    s.PathX(s.PathLen) = x;
    s.PathY(s.PathLen) = y;
    s.Visited(x, y) = kTrue;

    // The goal stays the route's last entry: no backing out from here, and every caller
    // returns at once through its test of Found.
    if (x == kGoal && y == kGoal) {
        s.Found = kTrue;
        return;
    }

    // The caller tests the wall; the callee's guard tests whether the cell was entered.
    if (NoRightWall(s.Walls(x, y))) {
        SolveFrom(s, To16(x + 1), y);
        if (s.Found)
            return;
    }
    if (NoRightWall(s.Walls(x - 1, y))) {
        SolveFrom(s, To16(x - 1), y);
        if (s.Found)
            return;
    }
    if (NoBottomWall(s.Walls(x, y))) {
        SolveFrom(s, x, To16(y + 1));
        if (s.Found)
            return;
    }
    if (NoBottomWall(s.Walls(x, y - 1))) {
        SolveFrom(s, x, To16(y - 1));
        if (s.Found)
            return;
    }

    // The coordinates stay in the route above the new PathLen, and the mark stays.
    s.PathLen = To16(s.PathLen - 1);
}

}  // namespace tolvane
