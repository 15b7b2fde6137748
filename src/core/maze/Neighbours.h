// The four neighbours of a cell in the generator's fixed order, and the choice among them.
#pragma once

#include <array>
#include <cstddef>

#include "core/maze/MazeState.h"

namespace tolvane::generation {

// A neighbour in the fixed order right, left, down, up, and the wall between: the wall is
// owned by the cell at (x + ownerDx, y + ownerDy) and is `bit` of its code.
struct Neighbour {
    int dx, dy;
    int ownerDx, ownerDy;
    Int16 bit;
};
inline constexpr std::array<Neighbour, 4> kNeighbours{{
    {+1, 0, 0, 0, kRightWall},
    {-1, 0, -1, 0, kRightWall},
    {0, +1, 0, 0, kBottomWall},
    {0, -1, 0, -1, kBottomWall},
}};

struct Cell {
    int x, y;
};

inline bool Inside(const MazeState& s, int x, int y) { return x >= 0 && x < s.Width() && y >= 0 && y < s.Height(); }

// The neighbours of a cell that qualify, in the fixed order, each tested once.
struct Choice {
    // Only the first `count` are ever read. Left unset: zeroing them cost a call to memset
    // under the address sanitizer at every draw that reached the test.
    std::array<const Neighbour*, 4> qualifying;
    int count = 0;
    // The r-th qualifying neighbour, r counted from 0 in the fixed order.
    const Neighbour& Pick(int r) const
    {
        CheckIndex(r, 0, count - 1);
        return *qualifying[static_cast<std::size_t>(r)];
    }
};

// Always inlined, so that the test reads the drawn cell where it already is. Called out of
// line, the cell's address escaped into the test, and under the address sanitizer every draw
// then marked the cell's stack slot live and dead again: a fifth of the fuzzer's time.
template <typename Test>
[[gnu::always_inline]] inline Choice Qualifying(Test qualifies)
{
    Choice choice;
    for (const Neighbour& n : kNeighbours)
        if (qualifies(n))
            choice.qualifying[static_cast<std::size_t>(choice.count++)] = &n;
    return choice;
}

[[gnu::always_inline]] inline void OpenWall(MazeState& s, Cell c, const Neighbour& n)
{
    Int16& code = s.Walls(c.x + n.ownerDx, c.y + n.ownerDy);
    code = To16(code - n.bit);
}

}  // namespace tolvane::generation
