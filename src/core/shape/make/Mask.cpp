// Cells inside an outline.
#include "core/shape/make/Mask.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/shape/make/Tiling.h"

namespace tolvane {
namespace {

constexpr std::array<int, 4> kSquareOrder{1, 3, 2, 0};  // right, left, down, up

// The cells a breadth-first sweep from `from` reaches, each with its distance; returns the
// farthest (the lowest-numbered of equals).
CellId Farthest(const MazeGraph& graph, CellId from)
{
    std::vector<std::int32_t> distance(static_cast<std::size_t>(graph.CellCount()), -1);
    std::vector<CellId> queue{from};
    distance[static_cast<std::size_t>(from)] = 0;
    CellId far = from;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const CellId c = queue[i];
        const auto d = distance[static_cast<std::size_t>(c)];
        const auto best = distance[static_cast<std::size_t>(far)];
        if (d > best || (d == best && c < far))
            far = c;
        for (const Link& l : graph.Neighbours(c))
            if (distance[static_cast<std::size_t>(l.to)] < 0) {
                distance[static_cast<std::size_t>(l.to)] = d + 1;
                queue.push_back(l.to);
            }
    }
    return far;
}

// The squares outside the kept island that the outside cannot reach by sides (the holes of
// letters, the islands left out inside them), placed as the shape places its cells: moved so
// that the kept island's left and top edges lie at 0.
std::vector<PointF> Enclosed(const Mask& mask, const std::vector<std::int32_t>& island, std::int32_t kept)
{
    // The grid with a ring of outside round it, flooded from the ring's corner.
    const int w = mask.width + 2, h = mask.height + 2;
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
    const auto inMaze = [&](int x, int y) {
        return x >= 1 && y >= 1 && x <= mask.width && y <= mask.height &&
               island[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(mask.width) + static_cast<std::size_t>(x - 1)] == kept;
    };
    std::vector<std::uint8_t> outside(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    std::vector<std::pair<int, int>> stack{{0, 0}};
    outside[0] = 1;
    int left = w, top = h;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || outside[at(nx, ny)] || inMaze(nx, ny))
                continue;
            outside[at(nx, ny)] = 1;
            stack.push_back({nx, ny});
        }
    }
    for (int y = 1; y <= mask.height; ++y)
        for (int x = 1; x <= mask.width; ++x)
            if (inMaze(x, y))
                left = std::min(left, x), top = std::min(top, y);
    std::vector<PointF> enclosed;
    for (int y = 1; y <= mask.height; ++y)
        for (int x = 1; x <= mask.width; ++x)
            if (!outside[at(x, y)] && !inMaze(x, y))
                enclosed.push_back({static_cast<float>(x - left), static_cast<float>(y - top)});
    return enclosed;
}

}  // namespace

std::optional<Shape> MaskShape(const Mask& mask)
{
    // The islands: each inside cell labelled with the island it belongs to.
    const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) + static_cast<std::size_t>(x); };
    std::vector<std::int32_t> island(mask.inside.size(), -1);
    std::vector<int> islandSize;
    std::vector<std::size_t> stack;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.Inside(x, y) || island[at(x, y)] >= 0)
                continue;
            const auto label = static_cast<std::int32_t>(islandSize.size());
            int size = 0;
            island[at(x, y)] = label;
            stack.assign(1, at(x, y));
            while (!stack.empty()) {
                const std::size_t i = stack.back();
                stack.pop_back();
                ++size;
                const int cx = static_cast<int>(i % static_cast<std::size_t>(mask.width));
                const int cy = static_cast<int>(i / static_cast<std::size_t>(mask.width));
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    if (mask.Inside(cx + dx, cy + dy) && island[at(cx + dx, cy + dy)] < 0) {
                        island[at(cx + dx, cy + dy)] = label;
                        stack.push_back(at(cx + dx, cy + dy));
                    }
            }
            islandSize.push_back(size);
        }
    if (islandSize.empty())
        return std::nullopt;
    std::int32_t kept = 0;
    for (std::size_t i = 1; i < islandSize.size(); ++i)
        if (islandSize[i] > islandSize[static_cast<std::size_t>(kept)])
            kept = static_cast<std::int32_t>(i);

    std::vector<Tile> tiles;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.Inside(x, y) && island[at(x, y)] == kept) {
                const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
                tiles.push_back({{{fx, fy}, {fx + 1, fy}, {fx + 1, fy + 1}, {fx, fy + 1}}, {fx + 0.5f, fy + 0.5f}, kSquareOrder});
            }
    Shape shape = ShapeOfTiles(ShapeKind::Outline, tiles, 0, 0);
    shape.enclosed = Enclosed(mask, island, kept);
    shape.graph.start = Farthest(shape.graph, 0);
    shape.graph.goal = Farthest(shape.graph, shape.graph.start);
    // S at the end where reading starts: the left one (the upper of two as far left), so that a
    // word's maze runs from its first letter to its last.
    const PointF s = shape.centres[static_cast<std::size_t>(shape.graph.start)];
    const PointF g = shape.centres[static_cast<std::size_t>(shape.graph.goal)];
    if (g.x < s.x || (g.x == s.x && g.y < s.y))
        std::swap(shape.graph.start, shape.graph.goal);
    return shape;
}

}  // namespace tolvane
