// Growing and linking from a list of the cells that may qualify.
#include "core/maze/Frontier.h"

#include <cstdint>
#include <vector>

#include "core/maze/Neighbours.h"
#include "core/maze/Openings.h"
#include "core/platform/Random.h"

namespace tolvane {
namespace {

using namespace generation;

// The cells a phase draws from. A cell goes on the list at most once: an entry leaves it only
// when its cell has been filled or its region joined, after which it never qualifies again.
class CellList {
public:
    explicit CellList(const MazeState& s)
        : height_(s.Height()), listed_(static_cast<std::size_t>(s.size.Cells()))
    {
    }

    void Add(Cell c)
    {
        const std::size_t i = static_cast<std::size_t>(c.x) * static_cast<std::size_t>(height_) + static_cast<std::size_t>(c.y);
        if (listed_[i])
            return;
        listed_[i] = 1;
        entries_.push_back(static_cast<std::uint32_t>(i));
    }
    // The position of an entry drawn with one fraction, every entry equally likely.
    int Draw(RandomSource& random) const { return RandomIndex(random.NextRandom(), static_cast<int>(entries_.size())); }
    Cell At(int position) const
    {
        CheckIndex(position, 0, static_cast<long long>(entries_.size()) - 1);
        const std::uint32_t i = entries_[static_cast<std::size_t>(position)];
        return {static_cast<int>(i / static_cast<std::uint32_t>(height_)), static_cast<int>(i % static_cast<std::uint32_t>(height_))};
    }
    // The last entry takes the removed one's place.
    void Remove(int position)
    {
        entries_[static_cast<std::size_t>(position)] = entries_.back();
        entries_.pop_back();
    }

private:
    int height_;
    std::vector<std::uint8_t> listed_;
    std::vector<std::uint32_t> entries_;
};

// Puts on the list every neighbour inside the square of the cells of `start`'s region whose
// own region is not joined yet. A region's cells are a tree of the passages growing opened
// (linking only ever opens a wall between two regions), so it is walked without marks.
class RegionWalk {
public:
    template <typename Joined>
    void AddNeighbours(const MazeState& s, Cell start, CellList& list, Joined joined)
    {
        const std::int32_t region = s.Region(start.x, start.y);
        stack_.assign(1, {start, start});
        while (!stack_.empty()) {
            const auto [c, from] = stack_.back();
            stack_.pop_back();
            const Openings open = OpenSides(s, c.x, c.y);
            const bool sides[4] = {open.right, open.left, open.down, open.up};
            const auto regions = s.Region.Around(c.x, c.y);
            for (std::size_t k = 0; k < kNeighbours.size(); ++k) {
                const Cell n{c.x + kNeighbours[k].dx, c.y + kNeighbours[k].dy};
                if (!Inside(s, n.x, n.y))
                    continue;
                const std::int32_t theirs = regions(kNeighbours[k].dx, kNeighbours[k].dy);
                if (theirs == region) {
                    if (sides[k] && (n.x != from.x || n.y != from.y))
                        stack_.push_back({n, c});
                } else if (!joined(theirs)) {
                    list.Add(n);
                }
            }
        }
    }

private:
    struct Step {
        Cell cell;
        Cell from;
    };
    std::vector<Step> stack_;
};

}  // namespace

void GrowFromFrontier(MazeState& s, RandomSource& random, int regions, BuildObserver* observer)
{
    CellList list(s);
    for (int x = 0; x <= s.LastX(); ++x) {
        for (int y = 0; y <= s.LastY(); ++y) {
            const auto region = s.Region.Around(x, y);
            if (region(0, 0) == 0 && Qualifying([&](const Neighbour& n) { return region(n.dx, n.dy) != 0; }).count != 0)
                list.Add({x, y});
        }
    }

    const long long growingEnd = s.size.Cells() - regions;
    for (long long filled = 0; filled != growingEnd; ++filled) {
        const int position = list.Draw(random);
        const Cell c = list.At(position);
        const auto region = s.Region.Around(c.x, c.y);
        const Choice choice = Qualifying([&](const Neighbour& n) { return region(n.dx, n.dy) != 0; });
        const Neighbour& nb = choice.Pick(RandomIndex(random.NextRandom(), choice.count));
        region(0, 0) = region(nb.dx, nb.dy);
        OpenWall(s, c, nb);
        if (observer != nullptr)
            observer->Grown(c.x, c.y, c.x + nb.dx, c.y + nb.dy, region(0, 0));
        list.Remove(position);
        for (const Neighbour& n : kNeighbours)
            if (Inside(s, c.x + n.dx, c.y + n.dy) && region(n.dx, n.dy) == 0)
                list.Add({c.x + n.dx, c.y + n.dy});
    }
}

void LinkFromFrontier(MazeState& s, RandomSource& random, int regions, BuildObserver* observer)
{
    std::vector<std::uint8_t> linked(static_cast<std::size_t>(regions) + 1);
    const auto joined = [&](std::int32_t region) { return linked.at(static_cast<std::size_t>(region)) != 0; };
    linked[0] = linked[1] = 1;
    int unlinked = regions - 1;
    if (unlinked == 0)
        return;

    CellList list(s);
    RegionWalk walk;
    for (int x = 0, found = 0; x <= s.LastX() && !found; ++x)
        for (int y = 0; y <= s.LastY() && !found; ++y)
            if (s.Region(x, y) == 1) {
                walk.AddNeighbours(s, {x, y}, list, joined);
                found = 1;
            }

    while (unlinked != 0) {
        const int position = list.Draw(random);
        const Cell c = list.At(position);
        list.Remove(position);
        if (joined(s.Region(c.x, c.y)))
            continue;
        const Choice choice = Qualifying([&](const Neighbour& n) {
            const int nx = c.x + n.dx;
            const int ny = c.y + n.dy;
            return Inside(s, nx, ny) && joined(s.Region(nx, ny));
        });
        const Neighbour& nb = choice.Pick(RandomIndex(random.NextRandom(), choice.count));
        OpenWall(s, c, nb);
        linked[static_cast<std::size_t>(s.Region(c.x, c.y))] = 1;
        if (observer != nullptr)
            observer->Linked(c.x, c.y, c.x + nb.dx, c.y + nb.dy, s.Region(c.x, c.y));
        --unlinked;
        walk.AddNeighbours(s, c, list, joined);
    }
}

}  // namespace tolvane
