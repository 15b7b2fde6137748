// Joins line segments that meet end to end into polylines: a drawing of many short walls becomes
// a few long runs, which a vector file stores in a fraction of the space and draws with clean
// corners.
#pragma once

#include <span>
#include <vector>

#include "core/platform/Surface.h"

namespace tolvane {

struct Segment {
    PointF from, to;
};

// Each polyline holds two or more points; consecutive segments that run on in the same direction
// become one. Points are joined only where they are exactly equal. Every segment ends up in
// exactly one polyline (a segment given twice, either way round, in one only); where three or
// more meet, a run goes straight on where it can, so that a wall crossing a junction stays whole.
// Segments of zero length are left out. Polylines that close on themselves end where they start.
std::vector<std::vector<PointF>> JoinSegments(std::span<const Segment> segments);

}  // namespace tolvane
