// Joins line segments that carry on one another in a straight line into runs: a drawing of many
// short walls becomes a few long lines, which a vector file stores in a fraction of the space.
#pragma once

#include <span>
#include <vector>

#include "core/platform/Surface.h"

namespace tolvane {

struct Segment {
    PointF from, to;
};

// Each run is a polyline of two or more points: segments meeting end to end in one direction
// become one, and a run goes straight through a junction where it can, so that a wall crossing
// one stays whole. A run never turns a corner: joined at an angle, a line's look would rest on
// how a renderer joins corners, and square ends meeting at a point close the corner anyway.
// Points are joined only where they are exactly equal. Every segment ends up in exactly one run
// (a segment given twice, either way round, in one only); segments of zero length are left out.
std::vector<std::vector<PointF>> JoinSegments(std::span<const Segment> segments);

}  // namespace tolvane
