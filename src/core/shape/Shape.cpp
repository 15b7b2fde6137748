// Points on circles and arc edges.
#include "core/shape/Shape.h"

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

}  // namespace tolvane
