// Cells that are polygons, joined along the sides they share.
#include "core/shape/make/Tiling.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/shape/make/CornerKeys.h"

namespace tolvane {

Shape ShapeOfTiles(ShapeKind kind, std::span<const Tile> tiles, CellId start, CellId goal)
{
    Shape shape;
    shape.kind = kind;
    const int cells = static_cast<int>(tiles.size());
    float minX = std::numeric_limits<float>::max(), minY = minX, maxX = -minX, maxY = -minX;
    for (const Tile& t : tiles)
        for (const PointF p : t.corners) {
            minX = std::min(minX, p.x), minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
        }
    const auto moved = [&](PointF p) { return PointF{p.x - minX, p.y - minY}; };
    shape.width = maxX - minX;
    shape.height = maxY - minY;

    // Every side once, with the cells on either side of it.
    std::size_t cornersTotal = 0;
    for (const Tile& t : tiles)
        cornersTotal += t.corners.size();
    KeyTable sides(cornersTotal / 2 + 64);  // most sides are shared by two cells
    shape.edges.reserve(cornersTotal);
    shape.outlineEdges.reserve(cornersTotal);
    std::vector<CellId> sideA, sideB;
    shape.outlineFirst.reserve(tiles.size() + 1);
    shape.outlineFirst.push_back(0);
    for (CellId c = 0; c < cells; ++c) {
        const Tile& t = tiles[static_cast<std::size_t>(c)];
        const std::size_t n = t.corners.size();
        for (std::size_t k = 0; k < n; ++k) {
            const PointF p = t.corners[k];
            const PointF q = t.corners[(k + 1) % n];
            std::uint64_t a = CornerKey(p), b = CornerKey(q);
            if (a > b)
                std::swap(a, b);
            const auto [edge, isNew] = sides.Find(a, b, static_cast<std::int32_t>(shape.edges.size()));
            if (isNew) {
                shape.edges.push_back({moved(p), moved(q)});
                sideA.push_back(c);
                sideB.push_back(kNoCell);
            } else {
                sideB[static_cast<std::size_t>(edge)] = c;
            }
            shape.outlineEdges.push_back(edge);
        }
        shape.outlineFirst.push_back(static_cast<std::int32_t>(shape.outlineEdges.size()));
        shape.centres.push_back(moved(t.centre));
    }

    GraphBuilder builder(cells);
    std::vector<std::int32_t> linkEdges;
    linkEdges.reserve(shape.outlineEdges.size());
    for (CellId c = 0; c < cells; ++c) {
        builder.BeginCell(c);
        const auto outline = shape.Outline(c);
        const std::span<const int> order = tiles[static_cast<std::size_t>(c)].order;
        const std::size_t n = order.empty() ? outline.size() : order.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t e = outline[order.empty() ? i : static_cast<std::size_t>(order[i])];
            const auto ue = static_cast<std::size_t>(e);
            if (sideB[ue] == kNoCell)
                continue;
            builder.Link(sideA[ue] == c ? sideB[ue] : sideA[ue]);
            linkEdges.push_back(e);
        }
    }
    shape.graph = builder.Finish(start, goal);
    shape.wallEdge.assign(static_cast<std::size_t>(shape.graph.WallCount()), -1);
    std::size_t next = 0;
    for (CellId c = 0; c < cells; ++c)
        for (const Link& l : shape.graph.Neighbours(c)) {
            const std::int32_t e = linkEdges[next++];
            shape.edges[static_cast<std::size_t>(e)].wall = l.wall;
            shape.wallEdge[static_cast<std::size_t>(l.wall)] = e;
        }
    return shape;
}

}  // namespace tolvane
