// Checks of the maze state that must hold between events.
#include "MazeInvariants.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

#include "core/maze/BuildMaze.h"

// The checks run after nearly every event of a fuzzing run (built with clang); under the
// sanitizers the array accessors grow too big to inline on their own, so the checks take them
// in whole. GCC, flattening the messages' string code too, warns of overlaps that cannot occur.
#if defined(__clang__)
#define CHECK_HOT [[gnu::flatten]]
#else
#define CHECK_HOT
#endif

namespace tolvane::quality {
namespace {

constexpr int kLo = -1;

std::string At(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

bool HasRight(Int16 code) { return (code & kRightWall) != 0; }
bool HasBottom(Int16 code) { return (code & kBottomWall) != 0; }

// Scratch arrays kept from one check to the next: the fuzzer checks after nearly every event,
// and a fresh array each time cost it more than the checks (under the address sanitizer every
// allocation is fresh memory). One set per thread, zeroed to the size asked for.
template <typename T>
std::vector<T>& Scratch(std::size_t size)
{
    static_assert(std::is_trivially_copyable_v<T>);
    thread_local std::vector<T> items;
    items.resize(size);
    if (size != 0)  // data() may be null, which memset may not be given
        std::memset(items.data(), 0, size * sizeof(T));  // one call, where filling checks every element
    return items;
}

// Cells already seen, by index; one byte each.
std::vector<std::uint8_t>& Seen(std::size_t cells) { return Scratch<std::uint8_t>(cells); }

// Union-find over the playable cells, the smaller part joined under the bigger one so that
// no path grows long. An entry above 0 is the cell's parent plus one; a root holds one less
// than its part's count of cells, negated, so that all zeros are every cell on its own.
class Components {
public:
    explicit Components(std::size_t cells) : parent_(Scratch<int>(cells).data()) {}
    int Find(int i)
    {
        while (parent_[i] > 0) {
            const int up = parent_[i] - 1;
            if (parent_[up] <= 0)
                return up;
            parent_[i] = parent_[up];  // halves the path
            i = parent_[up] - 1;
        }
        return i;
    }
    // False when a and b were joined already: the new passage closes a cycle.
    bool Join(int a, int b)
    {
        a = Find(a);
        b = Find(b);
        if (a == b)
            return false;
        if (parent_[a] < parent_[b])  // a's part is the bigger
            std::swap(a, b);
        parent_[b] += parent_[a] - 1;
        parent_[a] = b + 1;
        return true;
    }

private:
    int* parent_;  // the scratch array's items, sized to the cells: one load, not one per step
};

int Index(const MazeState& s, int x, int y) { return y * s.Width() + x; }

// One step of a route or a trail: to a neighbour, through an open wall.
Violation CheckStep(const MazeState& s, const char* what, int x, int y, int nx, int ny)
{
    bool open = false;
    if (nx == x + 1 && ny == y)
        open = !HasRight(s.Walls(x, y));
    else if (nx == x - 1 && ny == y)
        open = !HasRight(s.Walls(nx, y));
    else if (nx == x && ny == y + 1)
        open = !HasBottom(s.Walls(x, y));
    else if (nx == x && ny == y - 1)
        open = !HasBottom(s.Walls(x, ny));
    else
        return std::string(what) + " cells " + At(x, y) + " and " + At(nx, ny) + " are not neighbours";
    if (!open)
        return std::string("the ") + what + " crosses a wall between " + At(x, y) + " and " + At(nx, ny);
    return std::nullopt;
}

}  // namespace

CHECK_HOT Violation CheckWallCodes(const MazeState& s)
{
    for (int x = kLo; x <= s.Width(); ++x) {
        const std::span<const Int16> walls = s.Walls.Column(x);  // row y at y + 1
        for (int y = kLo; y <= s.Height(); ++y) {
            const Int16 code = walls[static_cast<std::size_t>(y + 1)];
            if (code < 0 || code > 3)
                return "Walls" + At(x, y) + " = " + std::to_string(code) + ", not a wall code";
            if ((x == s.Width() || y == s.Height()) && (code != 0 || s.Region(x, y) != 0))
                return "outer ring cell " + At(x, y) + " was written";
        }
    }
    return std::nullopt;
}

CHECK_HOT Violation CheckStartFrame(const MazeState& s)
{
    for (int x = kLo; x <= s.Width(); ++x) {
        for (int y = kLo; y <= s.Height(); ++y) {
            Int16 want = 0;
            const bool column = x >= 0 && x <= s.LastX();
            const bool row = y >= 0 && y <= s.LastY();
            if (column && (y == -1 || y == s.LastY()))
                want += kBottomWall;
            if (row && (x == -1 || x == s.LastX()))
                want += kRightWall;
            if (s.Walls(x, y) != want)
                return "start frame: Walls" + At(x, y) + " = " + std::to_string(s.Walls(x, y)) + ", want " +
                       std::to_string(want);
        }
    }
    return std::nullopt;
}

CHECK_HOT Violation CheckBuiltFrame(const MazeState& s)
{
    for (int k = 0; k <= s.LastY(); ++k)
        if (!HasRight(s.Walls(s.LastX(), k)))
            return "right edge open at " + At(s.LastX(), k);
    for (int k = 0; k <= s.LastX(); ++k)
        if (!HasBottom(s.Walls(k, s.LastY())))
            return "bottom edge open at " + At(k, s.LastY());
    for (int k = -1; k <= s.LastY(); ++k)
        if (s.Walls(-1, k) != kBottomWall + kRightWall)
            return "left border cell " + At(-1, k) + " holds " + std::to_string(s.Walls(-1, k));
    for (int k = -1; k <= s.LastX(); ++k)
        if (s.Walls(k, -1) != kBottomWall + kRightWall)
            return "top border cell " + At(k, -1) + " holds " + std::to_string(s.Walls(k, -1));
    return std::nullopt;
}

CHECK_HOT Violation CheckJoinedMaze(const MazeState& s, bool perfect)
{
    const long long cells = s.size.Cells();
    Components components(static_cast<std::size_t>(cells));
    long long open = 0;
    long long joins = 0;  // passages that joined two parts that were apart
    // Read once: the joins write through a pointer, after which the compiler reads s again.
    const int lastX = s.LastX();
    const int lastY = s.LastY();
    const int width = s.Width();
    for (int x = 0; x <= lastX; ++x) {
        const std::span<const Int16> walls = s.Walls.Column(x);  // row y at y + 1
        for (int y = 0; y <= lastY; ++y) {
            const Int16 code = walls[static_cast<std::size_t>(y + 1)];
            const int at = y * width + x;  // Index(s, x, y)
            if (x < lastX && !HasRight(code)) {
                ++open;
                if (components.Join(at, at + 1))
                    ++joins;
                else if (perfect)
                    return "cycle through the open right wall of " + At(x, y);
            }
            if (y < lastY && !HasBottom(code)) {
                ++open;
                if (components.Join(at, at + width))
                    ++joins;
                else if (perfect)
                    return "cycle through the open bottom wall of " + At(x, y);
            }
        }
    }
    // One passage fewer than cells, each of which joined two parts that were apart, leaves all
    // the cells in one part: every cell can be reached from the start.
    if (perfect && open != cells - 1)
        return std::to_string(open) + " open walls, want " + std::to_string(cells - 1);
    if (joins != cells - 1)
        return std::to_string(cells - 1 - joins) + " parts of the maze cannot be reached from the start";
    return std::nullopt;
}

CHECK_HOT Violation CheckPerfectMaze(const MazeState& s)
{
    if (Violation joined = CheckJoinedMaze(s, true))
        return joined;

    const int regions = RegionCount(s.size);
    std::uint8_t* const used = Seen(static_cast<std::size_t>(regions) + 1).data();
    const int width = s.Width();
    const int height = s.Height();
    for (int x = kLo; x <= width; ++x) {
        const std::span<const std::int32_t> column = s.Region.Column(x);  // row y at y + 1
        for (int y = kLo; y <= height; ++y) {
            const std::int32_t region = column[static_cast<std::size_t>(y + 1)];
            const bool playable = x >= 0 && x < width && y >= 0 && y < height;
            if (!playable && region != 0)
                return "border cell " + At(x, y) + " in region " + std::to_string(region);
            if (playable && (region < 1 || region > regions))
                return "cell " + At(x, y) + " in region " + std::to_string(region);
            if (playable)
                used[static_cast<std::size_t>(region)] = true;
        }
    }
    for (int r = 1; r <= regions; ++r)
        if (!used[r])
            return "region " + std::to_string(r) + " has no cell";
    return std::nullopt;
}

CHECK_HOT Violation CheckRoute(const MazeState& s)
{
    if (s.Found != kTrue)
        return "Found = " + std::to_string(s.Found) + " after a search";
    const int len = s.PathLen;
    // The shortest route steps right and down only; a route cannot hold more than every cell.
    if (len < s.Width() + s.Height() - 1 || len > s.size.Cells())
        return "PathLen = " + std::to_string(len);
    if (s.PathX(0) != 0 || s.PathY(0) != 0 || s.PathX(1) != 0 || s.PathY(1) != 0)
        return "the route does not begin with the start twice";
    if (s.PathX(len) != s.LastX() || s.PathY(len) != s.LastY())
        return "entry PathLen is " + At(s.PathX(len), s.PathY(len)) + ", not the goal";

    std::vector<std::uint8_t>& seen = Seen(static_cast<std::size_t>(s.size.Cells()));
    for (int i = 1; i <= len; ++i) {
        const int x = s.PathX(i);
        const int y = s.PathY(i);
        if (x < 0 || x > s.LastX() || y < 0 || y > s.LastY())
            return "entry " + std::to_string(i) + " is " + At(x, y) + ", outside the square";
        if (seen[static_cast<std::size_t>(Index(s, x, y))])
            return "cell " + At(x, y) + " occurs twice in the route";
        seen[static_cast<std::size_t>(Index(s, x, y))] = true;
        if (s.Visited(x, y) != kTrue)
            return "route cell " + At(x, y) + " is not marked visited";
        if (i == len)
            break;
        const int nx = s.PathX(i + 1);
        const int ny = s.PathY(i + 1);
        if (const Violation step = CheckStep(s, "route", x, y, nx, ny))
            return step;
    }
    for (int k = kLo; k <= s.Width(); ++k)
        for (const int y : {kLo, s.Height()})
            if (s.Visited(k, y) != 0)
                return "border cell " + At(k, y) + " marked visited";
    for (int k = kLo; k <= s.Height(); ++k)
        for (const int x : {kLo, s.Width()})
            if (s.Visited(x, k) != 0)
                return "border cell " + At(x, k) + " marked visited";
    return std::nullopt;
}

CHECK_HOT Violation CheckTrail(const MazeState& s, std::span<const CellId> trail)
{
    if (trail.empty() || trail.front() != 0)
        return "the trail does not begin at S";
    std::vector<std::uint8_t>& seen = Seen(static_cast<std::size_t>(s.size.Cells()));
    const auto cell = [&](std::size_t i) { return std::pair{trail[i] % s.Width(), trail[i] / s.Width()}; };
    for (std::size_t i = 0; i < trail.size(); ++i) {
        if (trail[i] < 0 || trail[i] >= s.size.Cells())
            return "trail cell " + std::to_string(trail[i]) + " lies outside the square";
        const auto [x, y] = cell(i);
        const auto at = static_cast<std::size_t>(Index(s, x, y));
        if (seen[at])
            return "cell " + At(x, y) + " occurs twice in the trail";
        seen[at] = true;
        if (i > 0)
            if (const Violation step = CheckStep(s, "trail", cell(i - 1).first, cell(i - 1).second, x, y))
                return step;
    }
    return std::nullopt;
}

CHECK_HOT Violation CheckGraphMaze(const MazeGraph& graph, const Passages& passages, bool perfect)
{
    const int cells = graph.CellCount();
    const int open = passages.OpenCount();
    if (perfect ? open != cells - 1 : open < cells - 1)
        return std::to_string(open) + " passages for " + std::to_string(cells) + " cells" + (perfect ? "" : " with loops");
    // A walk over the open walls from S must reach every cell.
    std::vector<std::uint8_t>& seen = Seen(static_cast<std::size_t>(cells));
    std::vector<int>& todo = Scratch<int>(0);
    todo.push_back(graph.start);
    seen[static_cast<std::size_t>(graph.start)] = 1;
    int reached = 1;
    while (!todo.empty()) {
        const CellId c = todo.back();
        todo.pop_back();
        for (const Link& link : graph.Neighbours(c)) {
            if (!passages.Open(link.wall) || seen[static_cast<std::size_t>(link.to)])
                continue;
            seen[static_cast<std::size_t>(link.to)] = 1;
            ++reached;
            todo.push_back(link.to);
        }
    }
    if (reached != cells)
        return std::to_string(reached) + " of " + std::to_string(cells) + " cells reached from S";
    return std::nullopt;
}

CHECK_HOT Violation CheckGraphRoute(const MazeGraph& graph, const Passages& passages, std::span<const CellId> route)
{
    if (route.empty() || route.front() != graph.start || route.back() != graph.goal)
        return "the route does not run from S to G";
    std::vector<std::uint8_t>& seen = Seen(static_cast<std::size_t>(graph.CellCount()));
    for (std::size_t i = 0; i < route.size(); ++i) {
        const CellId c = route[i];
        if (c < 0 || c >= graph.CellCount() || seen[static_cast<std::size_t>(c)])
            return "route cell " + std::to_string(c) + " is no cell, or comes twice";
        seen[static_cast<std::size_t>(c)] = 1;
        if (i == 0)
            continue;
        bool through = false;
        for (const Link& link : graph.Neighbours(route[i - 1]))
            through = through || (link.to == c && passages.Open(link.wall));
        if (!through)
            return "the route steps from " + std::to_string(route[i - 1]) + " to " + std::to_string(c) +
                   " through no open wall";
    }
    return std::nullopt;
}

}  // namespace tolvane::quality
