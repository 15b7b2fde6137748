// A surface's path as a Qt painter path: straight pieces as lines, arcs as the painter's arcs.
#pragma once

#include <QPainterPath>
#include <span>

#include "core/platform/surface/Surface.h"

namespace tolvane {

inline QPainterPath PathOf(PointF from, std::span<const PathPiece> pieces)
{
    QPainterPath path(QPointF(from.x, from.y));
    for (const PathPiece& p : pieces) {
        if (p.arc) {
            const QRectF box(p.centre.x - p.radius, p.centre.y - p.radius, 2.0 * p.radius, 2.0 * p.radius);
            path.arcTo(box, p.startDeg, p.sweepDeg);
        } else {
            path.lineTo(p.to.x, p.to.y);
        }
    }
    return path;
}

}  // namespace tolvane
