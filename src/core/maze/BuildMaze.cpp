// Maze generation.
#include "core/maze/BuildMaze.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/platform/Random.h"

namespace tolvane {
namespace {

constexpr Int16 kClosed = kBottomWall + kRightWall;
constexpr std::int32_t kSeedingEnd = kRegions + 1;  // the first placement stores 0, wasted
constexpr std::int32_t kGrowingEnd = kCells - kRegions;  // 341 cells left after the seeds
constexpr int kFirstLinked = 1;  // the region the maze is joined from

// A neighbour in the fixed order right, left, down, up, and the wall between: the wall is
// owned by the cell at (x + ownerDx, y + ownerDy) and is `bit` of its code.
struct Neighbour {
    int dx, dy;
    int ownerDx, ownerDy;
    Int16 bit;
};
constexpr std::array<Neighbour, 4> kNeighbours{{
    {+1, 0, 0, 0, kRightWall},
    {-1, 0, -1, 0, kRightWall},
    {0, +1, 0, 0, kBottomWall},
    {0, -1, 0, -1, kBottomWall},
}};

struct Cell {
    Int16 x, y;
};

Cell DrawCell(RandomSource& random)
{
    const Int16 x = RandomIndex(random.NextRandom(), kSide);  // x is always drawn first
    const Int16 y = RandomIndex(random.NextRandom(), kSide);
    return {x, y};
}

// The neighbours of a cell that qualify, in the fixed order, each tested once.
struct Choice {
    std::array<const Neighbour*, 4> qualifying{};
    Int16 count = 0;
    // The r-th qualifying neighbour, r counted from 0 in the fixed order.
    const Neighbour& Pick(Int16 r) const
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

void OpenWall(MazeState& s, Cell c, const Neighbour& n)
{
    Int16& code = s.Walls(c.x + n.ownerDx, c.y + n.ownerDy);
    code = To16(code - n.bit);
}

void Reset(MazeState& s)
{
    // Index 21 is left alone: its walls are never drawn and its region is always 0.
    for (int x = -1; x <= kLast; ++x) {
        for (int y = -1; y <= kLast; ++y) {
            s.Walls(x, y) = kClosed;
            s.Region(x, y) = 0;
        }
    }
}

}  // namespace

void SeedRegions(MazeState& s, RandomSource& random)
{
    std::int32_t filledCount = 0;  // the region number handed out next
    do {
        const Cell c = DrawCell(random);
        if (s.Region(c.x, c.y) == 0) {
            s.Region(c.x, c.y) = To16(filledCount);
            ++filledCount;
        }
    } while (filledCount != kSeedingEnd);
}

void GrowRegions(MazeState& s, RandomSource& random)
{
    std::int32_t filledCount = 0;  // cells filled so far
    do {
        const Cell c = DrawCell(random);
        if (s.Region(c.x, c.y) != 0)
            continue;
        // The border ring holds region 0, so it is never counted: no range test is needed.
        const Choice choice = Qualifying([&](const Neighbour& n) { return s.Region(c.x + n.dx, c.y + n.dy) != 0; });
        if (choice.count == 0)
            continue;
        const Neighbour& nb = choice.Pick(RandomIndex(random.NextRandom(), choice.count));
        s.Region(c.x, c.y) = s.Region(c.x + nb.dx, c.y + nb.dy);
        OpenWall(s, c, nb);
        ++filledCount;
    } while (filledCount != kGrowingEnd);
}

void LinkRegions(MazeState& s, RandomSource& random)
{
    Array1<bool, 0, kRegions> linked;  // one flag per region number; 0 is the border's
    linked(0) = true;
    linked(kFirstLinked) = true;
    // Counts the unjoined regions among 2..100: the same test as looking at all their flags
    // after every draw, since a region is joined only while its flag is false.
    int unlinked = kRegions - kFirstLinked;
    do {
        const Cell c = DrawCell(random);
        if (linked(s.Region(c.x, c.y)))
            continue;
        // The border's region 0 counts as linked, so the range tests alone keep the frame shut.
        const Choice choice = Qualifying([&](const Neighbour& n) {
            const int nx = c.x + n.dx;
            const int ny = c.y + n.dy;
            return nx != -1 && nx != kSide && ny != -1 && ny != kSide && linked(s.Region(nx, ny));
        });
        const Int16 r = RandomIndex(random.NextRandom(), choice.count);  // drawn even when none qualifies
        if (choice.count == 0)
            continue;
        OpenWall(s, c, choice.Pick(r));
        linked(s.Region(c.x, c.y)) = true;  // the drawn cell's region, not the neighbour's
        --unlinked;
    } while (unlinked != 0);
}

void BuildMaze(MazeState& state, RandomSource& random)
{
    Reset(state);
    random.Randomize();
    SeedRegions(state, random);
    GrowRegions(state, random);
    LinkRegions(state, random);
}

MazeState MazeFromSeed(std::uint64_t seed)
{
    ClockRandom random;
    random.QueueSeed(seed);
    MazeState state;
    BuildMaze(state, random);
    return state;
}

}  // namespace tolvane
