// Independent maze and route checks.
#include "core/MazeCheck.h"

#include <algorithm>
#include <deque>
#include <map>

namespace tolvane::testing {

bool Open(const MazeState& s, Cell a, Cell b)
{
    if (a > b)
        std::swap(a, b);
    if (a.second == b.second && b.first == a.first + 1)  // a left of b
        return (s.Walls(a.first, a.second) & kRightWall) == 0;
    if (a.first == b.first && b.second == a.second + 1)  // a above b
        return (s.Walls(a.first, a.second) & kBottomWall) == 0;
    return false;
}

std::string PerfectMazeProblem(const MazeState& s)
{
    for (int x = -1; x <= kLast; ++x)
        for (int y = -1; y <= kLast; ++y)
            if (s.Walls(x, y) < 0 || s.Walls(x, y) > 3)
                return "wall code out of range at " + std::to_string(x) + "," + std::to_string(y);
    for (int k = 0; k <= kLast; ++k) {
        if (!(s.Walls(kLast, k) & kRightWall) || !(s.Walls(k, kLast) & kBottomWall))
            return "frame open at " + std::to_string(k);
    }
    for (int k = -1; k <= kLast; ++k) {
        if (s.Walls(-1, k) != 3 || s.Walls(k, -1) != 3)
            return "border ring not closed at " + std::to_string(k);
    }
    int open = 0;
    for (int x = 0; x <= kLast; ++x) {
        for (int y = 0; y <= kLast; ++y) {
            open += x < kLast && Open(s, {x, y}, {x + 1, y});
            open += y < kLast && Open(s, {x, y}, {x, y + 1});
        }
    }
    if (open != kCells - 1)
        return std::to_string(open) + " open walls";
    // With 440 open walls, reaching every cell from one means a tree.
    std::vector<bool> seen(kCells);
    std::vector<Cell> stack{{0, 0}};
    seen[0] = true;
    int reached = 1;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (const Cell& n : {Cell{x + 1, y}, Cell{x - 1, y}, Cell{x, y + 1}, Cell{x, y - 1}}) {
            if (n.first < 0 || n.first > kLast || n.second < 0 || n.second > kLast)
                continue;
            const int i = n.second * kSide + n.first;
            if (!seen[i] && Open(s, {x, y}, n)) {
                seen[i] = true;
                ++reached;
                stack.push_back(n);
            }
        }
    }
    return reached == kCells ? "" : std::to_string(reached) + " cells reachable";
}

std::vector<Cell> ShortestPath(const MazeState& s)
{
    std::map<Cell, Cell> from{{{0, 0}, {-1, -1}}};
    std::deque<Cell> queue{{0, 0}};
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (const Cell& n : {Cell{x + 1, y}, Cell{x - 1, y}, Cell{x, y + 1}, Cell{x, y - 1}}) {
            if (n.first < 0 || n.first > kLast || n.second < 0 || n.second > kLast)
                continue;
            if (!from.count(n) && Open(s, {x, y}, n)) {
                from[n] = {x, y};
                queue.push_back(n);
            }
        }
    }
    if (!from.count({kLast, kLast}))
        return {};
    std::vector<Cell> path;
    for (Cell c{kLast, kLast}; c.first != -1; c = from[c])
        path.push_back(c);
    std::reverse(path.begin(), path.end());
    return path;
}

std::vector<Cell> RouteCells(const MazeState& s)
{
    std::vector<Cell> cells;
    for (int i = 1; i <= s.PathLen; ++i)
        cells.emplace_back(s.PathX(i), s.PathY(i));
    return cells;
}

}  // namespace tolvane::testing
