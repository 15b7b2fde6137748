// Points on circles and arc edges.
#include "core/shape/Shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvane {

PointF OnCircle(PointF centre, double radius, double deg)
{
    const double rad = deg * std::numbers::pi / 180.0;
    return {static_cast<float>(centre.x + radius * std::cos(rad)), static_cast<float>(centre.y - radius * std::sin(rad))};
}

Edge ArcEdge(PointF centre, double radius, double startDeg, double sweepDeg)
{
    Edge e{OnCircle(centre, radius, startDeg), OnCircle(centre, radius, startDeg + sweepDeg)};
    e.arc = true;
    e.centre = centre;
    e.radius = static_cast<float>(radius);
    e.startDeg = static_cast<float>(startDeg);
    e.sweepDeg = static_cast<float>(sweepDeg);
    return e;
}

StraightOn CentresStraight(const Shape& shape)
{
    // The direction of a step, in degrees: across the picture, or on a circle outward (0) and
    // along the ring (90 anticlockwise).
    const auto direction = [&shape](CellId from, CellId to) {
        const PointF a = shape.centres[static_cast<std::size_t>(from)], b = shape.centres[static_cast<std::size_t>(to)];
        if (!shape.pole)
            return std::atan2(static_cast<double>(a.y - b.y), static_cast<double>(b.x - a.x)) * 180.0 / std::numbers::pi;
        const PointF o = *shape.pole;
        const double ra = std::hypot(a.x - o.x, a.y - o.y), rb = std::hypot(b.x - o.x, b.y - o.y);
        const double ta = std::atan2(o.y - a.y, a.x - o.x), tb = std::atan2(o.y - b.y, b.x - o.x);
        double turn = ra < 1e-3 || rb < 1e-3 ? 0.0 : tb - ta;
        turn -= 2 * std::numbers::pi * std::round(turn / (2 * std::numbers::pi));
        return std::atan2(turn * (ra + rb) / 2, rb - ra) * 180.0 / std::numbers::pi;
    };
    return [direction](CellId a, CellId b, CellId c) {
        double change = std::abs(direction(b, c) - direction(a, b));
        change = std::min(change, 360.0 - change);
        return change <= kStraightDegrees;
    };
}

}  // namespace tolvane
