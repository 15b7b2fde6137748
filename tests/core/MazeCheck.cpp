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

std::vector<Cell> ShortestPath(const MazeState& s)
{
    std::map<Cell, Cell> from{{{0, 0}, {-1, -1}}};
    std::deque<Cell> queue{{0, 0}};
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (const Cell& n : {Cell{x + 1, y}, Cell{x - 1, y}, Cell{x, y + 1}, Cell{x, y - 1}}) {
            if (n.first < 0 || n.first > s.LastX() || n.second < 0 || n.second > s.LastY())
                continue;
            if (!from.count(n) && Open(s, {x, y}, n)) {
                from[n] = {x, y};
                queue.push_back(n);
            }
        }
    }
    const Cell goal{s.LastX(), s.LastY()};
    if (!from.count(goal))
        return {};
    std::vector<Cell> path;
    for (Cell c = goal; c.first != -1; c = from[c])
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

MazeState Carved(MazeSize size, const std::vector<std::pair<Cell, Cell>>& passages)
{
    MazeState s(size);
    for (int x = -1; x <= s.LastX(); ++x)
        for (int y = -1; y <= s.LastY(); ++y)
            s.Walls(x, y) = kBottomWall + kRightWall;
    for (const auto& [a, b] : passages) {
        const Cell low = std::min(a, b);  // the left or upper cell owns the wall between
        s.Walls(low.first, low.second) -= a.first != b.first ? kRightWall : kBottomWall;
    }
    return s;
}

}  // namespace tolvane::testing
