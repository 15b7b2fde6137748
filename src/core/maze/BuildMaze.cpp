// Maze generation.
#include "core/maze/BuildMaze.h"

#include <algorithm>
#include <cstdint>

#include "core/maze/Frontier.h"
#include "core/maze/Neighbours.h"
#include "core/platform/Random.h"

namespace tolvane {
namespace {

using namespace generation;

constexpr Int16 kClosed = kBottomWall + kRightWall;
constexpr int kFirstLinked = 1;  // the region the maze is joined from

// Up to this many cells a draw picks a cell of the whole square; few enough that the draws
// wasted on cells that cannot qualify cost nothing worth saving, and it keeps the 21 x 21
// maze's draws exactly what they have always been.
constexpr long long kWholeSquareCells = kCells;

bool DrawsFromWholeSquare(const MazeState& s) { return s.size.Cells() <= kWholeSquareCells; }

Cell DrawCell(const MazeState& s, RandomSource& random)
{
    const RandomSource::Pair r = random.NextPair();  // x is always drawn first
    return {RandomIndex(r.first, s.Width()), RandomIndex(r.second, s.Height())};
}

void Reset(MazeState& s)
{
    // The far ring (index width or height) is left alone: its walls are never drawn and its
    // region is always 0.
    const auto rows = static_cast<std::size_t>(s.Height()) + 1;  // y = -1 .. LastY
    for (int x = -1; x <= s.LastX(); ++x) {
        std::ranges::fill(s.Walls.Column(x).first(rows), kClosed);
        std::ranges::fill(s.Region.Column(x).first(rows), 0);
    }
}

}  // namespace

int RegionCount(MazeSize size)
{
    const long long rounded = (size.Cells() * kRegions + kCells / 2) / kCells;
    return static_cast<int>(std::max(1LL, rounded));
}

void SeedRegions(MazeState& s, RandomSource& random, BuildObserver* observer)
{
    // The first placement stores 0 and is wasted: one more than the regions is counted.
    const std::int32_t seedingEnd = RegionCount(s.size) + 1;
    std::int32_t filledCount = 0;  // the region number handed out next
    do {
        const Cell c = DrawCell(s, random);
        if (s.Region(c.x, c.y) == 0) {
            s.Region(c.x, c.y) = filledCount;
            if (observer != nullptr && filledCount != 0)
                observer->Seeded(c.x, c.y, filledCount);
            ++filledCount;
        }
    } while (filledCount != seedingEnd);
}

void GrowRegions(MazeState& s, RandomSource& random, BuildObserver* observer)
{
    if (!DrawsFromWholeSquare(s))
        return GrowFromFrontier(s, random, RegionCount(s.size), observer);
    const long long growingEnd = s.size.Cells() - RegionCount(s.size);  // the cells left after the seeds
    long long filledCount = 0;
    while (filledCount != growingEnd) {
        const Cell c = DrawCell(s, random);
        const auto region = s.Region.Around(c.x, c.y);
        if (region(0, 0) != 0)
            continue;
        // The border ring holds region 0, so it is never counted: no range test is needed.
        const Choice choice = Qualifying([&](const Neighbour& n) { return region(n.dx, n.dy) != 0; });
        if (choice.count == 0)
            continue;
        const Neighbour& nb = choice.Pick(RandomIndex(random.NextRandom(), choice.count));
        region(0, 0) = region(nb.dx, nb.dy);
        OpenWall(s, c, nb);
        if (observer != nullptr)
            observer->Grown(c.x, c.y, c.x + nb.dx, c.y + nb.dy, s.Region(c.x, c.y));
        ++filledCount;
    }
}

void LinkRegions(MazeState& s, RandomSource& random, BuildObserver* observer)
{
    if (!DrawsFromWholeSquare(s))
        return LinkFromFrontier(s, random, RegionCount(s.size), observer);
    const int regions = RegionCount(s.size);
    SizedArray<std::uint8_t> linked(regions);  // one flag per region number; 0 is the border's
    linked(0) = true;
    linked(kFirstLinked) = true;
    // Counts the unjoined regions from 2 on: the same test as looking at all their flags
    // after every draw, since a region is joined only while its flag is false.
    int unlinked = regions - kFirstLinked;
    while (unlinked != 0) {
        const Cell c = DrawCell(s, random);
        const auto region = s.Region.Around(c.x, c.y);
        if (linked(region(0, 0)))
            continue;
        // The border's region 0 counts as linked, so the range tests alone keep the frame shut.
        const Choice choice = Qualifying([&](const Neighbour& n) {
            const int nx = c.x + n.dx;
            const int ny = c.y + n.dy;
            return Inside(s, nx, ny) && linked(region(n.dx, n.dy));
        });
        const int r = RandomIndex(random.NextRandom(), choice.count);  // drawn even when none qualifies
        if (choice.count == 0)
            continue;
        const Neighbour& nb = choice.Pick(r);
        OpenWall(s, c, nb);
        linked(region(0, 0)) = true;  // the drawn cell's region, not the neighbour's
        if (observer != nullptr)
            observer->Linked(c.x, c.y, c.x + nb.dx, c.y + nb.dy, s.Region(c.x, c.y));
        --unlinked;
    }
}

void BuildMaze(MazeState& state, RandomSource& random, BuildObserver* observer)
{
    Reset(state);
    random.Randomize();
    SeedRegions(state, random, observer);
    GrowRegions(state, random, observer);
    LinkRegions(state, random, observer);
}

MazeState MazeFromSeed(std::uint64_t seed, MazeSize size, BuildObserver* observer)
{
    ClockRandom random;
    random.QueueSeed(seed);
    MazeState state(size);
    BuildMaze(state, random, observer);
    return state;
}

}  // namespace tolvane
