// Squares, hexagons and triangles as tiles.
#include "core/shape/make/Polygons.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/graph/Rectangle.h"
#include "core/shape/make/Tiling.h"

namespace tolvane {
namespace {

// Corners that two cells share are computed from the same whole numbers, so that they come
// out bit for bit the same.
constexpr double kHexRadius = 0.57735026918962576;  // 1 / sqrt(3): hexagons one unit across
constexpr double kTriangleHeight = 0.86602540378443865;  // sqrt(3) / 2

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

Shape RectanglePictureShape(MazeSize size)
{
    Shape shape;
    shape.kind = ShapeKind::Rectangle;
    shape.graph = KeptRectangleGraph(size);
    shape.width = static_cast<float>(size.width);
    shape.height = static_cast<float>(size.height);
    shape.centres.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            shape.centres.push_back({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
    return shape;
}

Shape RectangleShape(MazeSize size)
{
    // The same shape ShapeOfTiles makes of the squares, edge for edge and wall for wall, laid out
    // directly: matching a million squares' corners takes seconds.
    Shape shape = RectanglePictureShape(size);
    const int w = size.width, h = size.height;
    const auto at = [](int x, int y) { return PointF{static_cast<float>(x), static_cast<float>(y)}; };
    const auto cells = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    shape.edges.reserve(2 * cells + static_cast<std::size_t>(w + h));
    shape.outlineEdges.reserve(4 * cells);
    shape.outlineFirst.reserve(cells + 1);
    shape.outlineFirst.push_back(0);
    // A square's sides top, right, bottom, left: the top is the bottom of the square above, the
    // left the right of the square before, each made once by the first square that has it.
    std::vector<std::int32_t> bottomAbove(static_cast<std::size_t>(w), -1);
    const auto edge = [&](PointF from, PointF to) {
        shape.edges.push_back({from, to});
        return static_cast<std::int32_t>(shape.edges.size() - 1);
    };
    for (int y = 0; y < h; ++y) {
        std::int32_t rightBefore = -1;
        for (int x = 0; x < w; ++x) {
            const std::int32_t top = y == 0 ? edge(at(x, y), at(x + 1, y)) : bottomAbove[static_cast<std::size_t>(x)];
            const std::int32_t right = edge(at(x + 1, y), at(x + 1, y + 1));
            const std::int32_t bottom = edge(at(x + 1, y + 1), at(x, y + 1));
            const std::int32_t left = x == 0 ? edge(at(x, y + 1), at(x, y)) : rightBefore;
            shape.outlineEdges.insert(shape.outlineEdges.end(), {top, right, bottom, left});
            shape.outlineFirst.push_back(static_cast<std::int32_t>(shape.outlineEdges.size()));
            bottomAbove[static_cast<std::size_t>(x)] = bottom;
            rightBefore = right;
        }
    }
    // The graph lists each cell's neighbours right, left, down, up: each wall is the side between.
    shape.wallEdge.assign(static_cast<std::size_t>(shape.graph.WallCount()), -1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const CellId c = y * w + x;
            const auto outline = shape.Outline(c);
            const auto links = shape.graph.Neighbours(c);
            std::size_t next = 0;
            for (const auto& [inside, side] : {std::pair{x + 1 < w, 1}, {x > 0, 3}, {y + 1 < h, 2}, {y > 0, 0}}) {
                if (!inside)
                    continue;
                const std::int32_t e = outline[static_cast<std::size_t>(side)];
                const WallId wall = links[next++].wall;
                shape.edges[static_cast<std::size_t>(e)].wall = wall;
                shape.wallEdge[static_cast<std::size_t>(wall)] = e;
            }
        }
    return shape;
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
