// Checks of the maze state that must hold between events.
#include "MazeInvariants.h"

#include <array>
#include <numeric>

namespace tolvane::quality {
namespace {

constexpr int kLo = -1;
constexpr int kHi = kSide;  // 21, the outer ring

std::string At(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

bool HasRight(Int16 code) { return (code & kRightWall) != 0; }
bool HasBottom(Int16 code) { return (code & kBottomWall) != 0; }

// Union-find over the 441 playable cells.
class Components {
public:
    Components() { std::iota(parent_.begin(), parent_.end(), 0); }
    int Find(int i)
    {
        while (parent_[i] != i)
            i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    // False when a and b were joined already: the new passage closes a cycle.
    bool Join(int a, int b)
    {
        a = Find(a);
        b = Find(b);
        if (a == b)
            return false;
        parent_[a] = b;
        return true;
    }

private:
    std::array<int, kCells> parent_{};
};

int Index(int x, int y) { return y * kSide + x; }

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

Violation CheckWallCodes(const MazeState& s)
{
    for (int x = kLo; x <= kHi; ++x) {
        for (int y = kLo; y <= kHi; ++y) {
            const Int16 code = s.Walls(x, y);
            if (code < 0 || code > 3)
                return "Walls" + At(x, y) + " = " + std::to_string(code) + ", not a wall code";
            if ((x == kHi || y == kHi) && (code != 0 || s.Region(x, y) != 0))
                return "outer ring cell " + At(x, y) + " was written";
        }
    }
    return std::nullopt;
}

Violation CheckStartFrame(const MazeState& s)
{
    for (int x = kLo; x <= kHi; ++x) {
        for (int y = kLo; y <= kHi; ++y) {
            Int16 want = 0;
            const bool column = x >= 0 && x <= kLast;
            const bool row = y >= 0 && y <= kLast;
            if (column && (y == -1 || y == kLast))
                want += kBottomWall;
            if (row && (x == -1 || x == kLast))
                want += kRightWall;
            if (s.Walls(x, y) != want)
                return "start frame: Walls" + At(x, y) + " = " + std::to_string(s.Walls(x, y)) + ", want " +
                       std::to_string(want);
        }
    }
    return std::nullopt;
}

Violation CheckBuiltFrame(const MazeState& s)
{
    for (int k = 0; k <= kLast; ++k) {
        if (!HasRight(s.Walls(kLast, k)))
            return "right edge open at " + At(kLast, k);
        if (!HasBottom(s.Walls(k, kLast)))
            return "bottom edge open at " + At(k, kLast);
    }
    for (int k = -1; k <= kLast; ++k) {
        if (s.Walls(-1, k) != kBottomWall + kRightWall)
            return "left border cell " + At(-1, k) + " holds " + std::to_string(s.Walls(-1, k));
        if (s.Walls(k, -1) != kBottomWall + kRightWall)
            return "top border cell " + At(k, -1) + " holds " + std::to_string(s.Walls(k, -1));
    }
    return std::nullopt;
}

Violation CheckPerfectMaze(const MazeState& s)
{
    Components components;
    int open = 0;
    for (int x = 0; x <= kLast; ++x) {
        for (int y = 0; y <= kLast; ++y) {
            if (x < kLast && !HasRight(s.Walls(x, y))) {
                ++open;
                if (!components.Join(Index(x, y), Index(x + 1, y)))
                    return "cycle through the open right wall of " + At(x, y);
            }
            if (y < kLast && !HasBottom(s.Walls(x, y))) {
                ++open;
                if (!components.Join(Index(x, y), Index(x, y + 1)))
                    return "cycle through the open bottom wall of " + At(x, y);
            }
        }
    }
    // Exactly 440 passages, each of which joined two parts that were apart, leave the 441 cells
    // in one part: every cell can be reached from the start.
    if (open != kCells - 1)
        return std::to_string(open) + " open walls, want 440";

    std::array<bool, 101> used{};
    for (int x = kLo; x <= kHi; ++x) {
        for (int y = kLo; y <= kHi; ++y) {
            const Int16 region = s.Region(x, y);
            const bool playable = x >= 0 && x <= kLast && y >= 0 && y <= kLast;
            if (!playable && region != 0)
                return "border cell " + At(x, y) + " in region " + std::to_string(region);
            if (playable && (region < 1 || region > 100))
                return "cell " + At(x, y) + " in region " + std::to_string(region);
            if (playable)
                used[region] = true;
        }
    }
    for (int r = 1; r <= 100; ++r)
        if (!used[r])
            return "region " + std::to_string(r) + " has no cell";
    return std::nullopt;
}

Violation CheckRoute(const MazeState& s)
{
    if (s.Found != kTrue)
        return "Found = " + std::to_string(s.Found) + " after a search";
    const int len = s.PathLen;
    // The shortest route takes 40 steps; a route cannot hold more than the 441 cells.
    if (len < 2 * kLast + 1 || len > kCells)
        return "PathLen = " + std::to_string(len);
    if (s.PathX(0) != 0 || s.PathY(0) != 0 || s.PathX(1) != 0 || s.PathY(1) != 0)
        return "the route does not begin with the start twice";
    if (s.PathX(len) != kLast || s.PathY(len) != kLast)
        return "entry PathLen is " + At(s.PathX(len), s.PathY(len)) + ", not the goal";

    std::array<bool, kCells> seen{};
    for (int i = 1; i <= len; ++i) {
        const int x = s.PathX(i);
        const int y = s.PathY(i);
        if (x < 0 || x > kLast || y < 0 || y > kLast)
            return "entry " + std::to_string(i) + " is " + At(x, y) + ", outside the square";
        if (seen[Index(x, y)])
            return "cell " + At(x, y) + " occurs twice in the route";
        seen[Index(x, y)] = true;
        if (s.Visited(x, y) != kTrue)
            return "route cell " + At(x, y) + " is not marked visited";
        if (i == len)
            break;
        const int nx = s.PathX(i + 1);
        const int ny = s.PathY(i + 1);
        if (const Violation step = CheckStep(s, "route", x, y, nx, ny))
            return step;
    }
    for (int k = kLo; k <= kHi; ++k) {
        for (const auto& [x, y] : {std::pair{k, kLo}, std::pair{k, kHi}, std::pair{kLo, k}, std::pair{kHi, k}})
            if (s.Visited(x, y) != 0)
                return "border cell " + At(x, y) + " marked visited";
    }
    return std::nullopt;
}

Violation CheckTrail(const MazeState& s, const std::vector<Cell>& trail)
{
    if (trail.empty() || trail.front() != Cell{0, 0})
        return "the trail does not begin at S";
    std::array<bool, kCells> seen{};
    for (std::size_t i = 0; i < trail.size(); ++i) {
        const auto [x, y] = trail[i];
        if (x < 0 || x > kLast || y < 0 || y > kLast)
            return "trail cell " + At(x, y) + " lies outside the square";
        if (seen[Index(x, y)])
            return "cell " + At(x, y) + " occurs twice in the trail";
        seen[Index(x, y)] = true;
        if (i > 0)
            if (const Violation step = CheckStep(s, "trail", trail[i - 1].x, trail[i - 1].y, x, y))
                return step;
    }
    return std::nullopt;
}

}  // namespace tolvane::quality
