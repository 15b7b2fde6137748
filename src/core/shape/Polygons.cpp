// Squares, hexagons and triangles as tiles.
#include "core/shape/Polygons.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/shape/Tiling.h"

namespace tolvane {
namespace {

// Corners that two cells share are computed from the same whole numbers, so that they come
// out bit for bit the same.
constexpr double kHexRadius = 0.57735026918962576;  // 1 / sqrt(3): hexagons one unit across
constexpr double kTriangleHeight = 0.86602540378443865;  // sqrt(3) / 2

constexpr std::array<int, 4> kSquareOrder{1, 3, 2, 0};          // right, left, down, up
constexpr std::array<int, 6> kHexOrder{1, 4, 2, 3, 0, 5};        // E, W, SE, SW, NE, NW

// A hexagon centred at `x` across and on row `row` (rows are 1.5 radii apart). Its corners
// start at the top and go clockwise, so its sides face NE, E, SE, SW, W, NW.
Tile Hexagon(double x, int row)
{
    const auto y = [row](int halfRadii) { return static_cast<float>(kHexRadius * (3 * row + halfRadii) / 2.0); };
    const auto fx = [](double v) { return static_cast<float>(v); };
    return {{{fx(x), y(-2)}, {fx(x + 0.5), y(-1)}, {fx(x + 0.5), y(1)}, {fx(x), y(2)}, {fx(x - 0.5), y(1)}, {fx(x - 0.5), y(-1)}},
            {fx(x), y(0)},
            kHexOrder};
}

// A triangle on row `row` whose left corner lies `left` across, pointing up or down.
Tile Triangle(double left, int row, bool up)
{
    const auto y = [](int r) { return static_cast<float>(kTriangleHeight * r); };
    const auto fx = [](double v) { return static_cast<float>(v); };
    const float top = y(row), bottom = y(row + 1);
    if (up)
        return {{{fx(left), bottom}, {fx(left + 0.5), top}, {fx(left + 1), bottom}},
                {fx(left + 0.5), static_cast<float>(kTriangleHeight * (row + 2.0 / 3.0))},
                {}};
    return {{{fx(left), top}, {fx(left + 1), top}, {fx(left + 0.5), bottom}},
            {fx(left + 0.5), static_cast<float>(kTriangleHeight * (row + 1.0 / 3.0))},
            {}};
}

Shape Finish(ShapeKind kind, const std::vector<Tile>& tiles)
{
    const auto last = static_cast<CellId>(tiles.size()) - 1;
    return ShapeOfTiles(kind, tiles, 0, last);
}

}  // namespace

Shape RectangleShape(MazeSize size)
{
    std::vector<Tile> tiles;
    tiles.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
            tiles.push_back({{{fx, fy}, {fx + 1, fy}, {fx + 1, fy + 1}, {fx, fy + 1}}, {fx + 0.5f, fy + 0.5f}, kSquareOrder});
        }
    return Finish(ShapeKind::Rectangle, tiles);
}

Shape HexagonShape(int side)
{
    std::vector<Tile> tiles;
    const int n = side - 1;
    for (int r = -n; r <= n; ++r)
        for (int q = std::max(-n, -r - n); q <= std::min(n, -r + n); ++q)
            tiles.push_back(Hexagon(q + r / 2.0, r));
    return Finish(ShapeKind::Hexagon, tiles);
}

Shape HexagonRectangleShape(MazeSize size)
{
    std::vector<Tile> tiles;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            tiles.push_back(Hexagon(x + (y % 2 == 1 ? 0.5 : 0.0), y));
    return Finish(ShapeKind::HexagonRectangle, tiles);
}

Shape TriangleShape(int side)
{
    std::vector<Tile> tiles;
    for (int r = 0; r < side; ++r) {
        const double left = (side - 1 - r) / 2.0;
        for (int k = 0; k <= 2 * r; ++k)
            tiles.push_back(Triangle(left + k / 2.0, r, k % 2 == 0));
    }
    return Finish(ShapeKind::Triangle, tiles);
}

Shape TriangleRectangleShape(MazeSize size)
{
    std::vector<Tile> tiles;
    for (int r = 0; r < size.height; ++r)
        for (int k = 0; k < size.width; ++k)
            tiles.push_back(Triangle(k / 2.0, r, (k + r) % 2 == 0));
    return Finish(ShapeKind::TriangleRectangle, tiles);
}

}  // namespace tolvane
