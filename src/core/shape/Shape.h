// A maze's shape: its cell graph and where its cells and walls lie on the picture.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/ShapeKind.h"
#include "core/search/Texture.h"
#include "core/platform/surface/Surface.h"

namespace tolvane {

// One side of a cell's outline, in shape units (a cell is about one unit across; y grows
// downwards). A straight edge runs from `from` to `to`; an arc edge is the part of the circle
// around `centre` of `radius` from `from` to `to`, starting at `startDeg` and turning
// `sweepDeg` (degrees, 0 at three o'clock, positive anticlockwise on the picture).
struct Edge {
    PointF from;
    PointF to;
    bool arc = false;
    PointF centre{};
    float radius = 0;
    float startDeg = 0;
    float sweepDeg = 0;
    WallId wall = -1;  // the wall this edge draws, or -1 for the frame, which is always drawn
};

// Everything a shape knows: the graph that building, searching and playing see, and the
// geometry that drawing sees. Every wall of the graph is exactly one edge; the frame is made
// of the edges with no wall. Each cell's outline lists the edges around it and closes.
struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    MazeGraph graph;
    std::vector<PointF> centres;      // one a cell: where the route and the markers go
    std::vector<Edge> edges;
    std::vector<std::int32_t> wallEdge;      // wall -> its edge
    std::vector<std::int32_t> outlineFirst;  // cell c's edges are outlineEdges[outlineFirst[c] ..]
    std::vector<std::int32_t> outlineEdges;
    float width = 0;   // the picture spans 0..width across and 0..height down
    float height = 0;
    std::optional<PointF> pole;  // a circle's centre: steps along a ring are drawn as arcs around it
    // Squares of one unit, by their top-left corners, that the shape closes round but that are
    // none of its cells, such as the hole of an A: drawn hatched, so that no one takes one for a cell.
    std::vector<PointF> enclosed;

    std::span<const std::int32_t> Outline(CellId cell) const
    {
        const auto c = static_cast<std::size_t>(cell);
        return {outlineEdges.data() + outlineFirst[c], outlineEdges.data() + outlineFirst[c + 1]};
    }
};

// The point at `deg` degrees (0 at three o'clock, anticlockwise on a picture whose y grows
// downwards) on the circle around `centre` of `radius`.
PointF OnCircle(PointF centre, double radius, double deg);

// An arc edge from `startDeg` turning `sweepDeg`, its end points computed.
Edge ArcEdge(PointF centre, double radius, double startDeg, double sweepDeg);

// The turns on a route through any shape's cells: going from a to b and on to c is straight on
// when the direction of the second step differs from the first's by at most kStraightDegrees,
// directions taken between the cells' centres. On a circle they are taken around its centre
// (outward and along the ring, at the middle of the step), so that following a ring is straight
// on however far it bends. A hexagon's steps differ by 60 degrees or none, a square's by 90 or
// none; a row of triangles zigzags between up and down cells, each step a turn of 60 degrees.
inline constexpr double kStraightDegrees = 30;
StraightOn CentresStraight(const Shape& shape);

}  // namespace tolvane
