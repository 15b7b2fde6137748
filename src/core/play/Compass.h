// Which neighbour a key's direction on the picture leads to, and what each way is called.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/shape/Shape.h"

namespace tolvane {

// How far a neighbour may lie off a key's direction and still be reached by it: more than 45°,
// so that Up reaches either cell above a hexagon's top corners (30° off) and a triangle's two
// upper neighbours (60° off); less than 90°, so that on square cells a key never turns a corner.
inline constexpr double kWidestTurn = 67.5;

// A key's direction, in degrees on the picture: 0 right, 90 up, 180 left, 270 down.
inline constexpr double kRightDeg = 0, kUpDeg = 90, kLeftDeg = 180, kDownDeg = 270;

// Where a key leads from `at`: the open neighbour whose centre lies nearest the key's
// direction as seen from at's centre, if that is no more than kWidestTurn off it. When two
// lie equally near (Up between a hexagon's two upper neighbours), the one the marker did not
// just come from (`previous`), then the one on the other side from its last step, so that a
// row of presses zig-zags straight on, then the one clockwise of the key. With no open
// neighbour in reach, `open` is false and `to` is the nearest closed one within reach, whose
// wall stopped the key, or kNoCell where the frame did.
struct Aim {
    CellId to = kNoCell;
    WallId wall = -1;
    bool open = false;
};
Aim Aimed(const MazeGraph& graph, const Passages& passages, std::span<const PointF> centres, CellId at, double keyDeg,
          std::optional<CellId> previous = std::nullopt);

// The edges of at's outline a refused key ran into: every closed wall whose neighbour, and every
// piece of the frame whose middle, lies within kWidestTurn of the key's direction. On square
// cells that is the one side the key faces, wall or frame.
std::vector<std::int32_t> EdgesInTheWay(const Shape& shape, const Passages& passages, CellId at, double keyDeg);

// The angle of `to` seen from `from`, in the picture's degrees (0 right, 90 up), in (-180, 180].
double DegreesTo(PointF from, PointF to);

// What a way out of a cell is called: on square cells the four sides of the picture; on a
// circle along the ring or across it; on hexagons and triangles the eight points of the
// compass, each 45° wide around its direction (north up the picture).
enum class Way {
    Right, Left, Up, Down,
    Clockwise, Anticlockwise, Outward, Inward,
    North, NorthEast, East, SouthEast, South, SouthWest, West, NorthWest,
};
Way WayTo(const Shape& shape, CellId from, CellId to);

// On a circle, the hour (1 to 12) a cell's centre lies at round the centre, as on a clock face.
int ClockHour(const Shape& shape, CellId cell);

// On a circle, the ring a cell lies on: 0 for the centre, 1 for the ring round it, ...
int RingOf(const Shape& shape, CellId cell);

}  // namespace tolvane
