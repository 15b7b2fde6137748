// Keys' directions and the names of the ways, on any shape.
#include "core/play/Compass.h"

#include <cmath>
#include <numbers>

namespace tolvane {
namespace {

constexpr double kTie = 0.5;           // degrees: nearer than this, two ways lie equally near a key
constexpr double kSameRing = 0.25;     // units: centres this near the same radius share a ring

double Off(double deg, double keyDeg)
{
    double d = std::fmod(deg - keyDeg, 360.0);
    if (d > 180)
        d -= 360;
    if (d <= -180)
        d += 360;
    return d;  // negative: clockwise of the key
}

double Cross(double kx, double ky, PointF v) { return kx * v.y - ky * v.x; }

PointF Minus(PointF a, PointF b) { return {a.x - b.x, a.y - b.y}; }

}  // namespace

double DegreesTo(PointF from, PointF to)
{
    return std::atan2(from.y - to.y, to.x - from.x) * 180.0 / std::numbers::pi;
}

Aim Aimed(const MazeGraph& graph, const Passages& passages, std::span<const PointF> centres, CellId at, double keyDeg,
          std::optional<CellId> previous)
{
    const auto centre = [&](CellId c) { return centres[static_cast<std::size_t>(c)]; };
    const double rad = keyDeg * std::numbers::pi / 180.0;
    const double kx = std::cos(rad), ky = -std::sin(rad);  // the key on the picture, y down
    // The side of the key the last step went to: the next of two equal ways takes the other.
    const double lastSide = previous ? Cross(kx, ky, Minus(centre(at), centre(*previous))) : 0.0;

    Aim best, closed;
    double bestOff = 0, closedOff = kWidestTurn;
    for (const Link& l : graph.Neighbours(at)) {
        const double off = Off(DegreesTo(centre(at), centre(l.to)), keyDeg);
        if (std::abs(off) > kWidestTurn)
            continue;
        if (!passages.Open(l.wall)) {
            if (std::abs(off) < closedOff)
                closed = {l.to, l.wall, false}, closedOff = std::abs(off);
            continue;
        }
        bool better = best.to == kNoCell || std::abs(off) < std::abs(bestOff) - kTie;
        if (!better && std::abs(std::abs(off) - std::abs(bestOff)) <= kTie) {
            const double side = Cross(kx, ky, Minus(centre(l.to), centre(at)));
            const double bestSide = Cross(kx, ky, Minus(centre(best.to), centre(at)));
            if (previous && (best.to == *previous) != (l.to == *previous))
                better = best.to == *previous;
            else if (lastSide != 0 && (side > 0) != (bestSide > 0))
                better = (side > 0) != (lastSide > 0);
            else
                better = off < bestOff;
        }
        if (better)
            best = {l.to, l.wall, true}, bestOff = off;
    }
    return best.to != kNoCell ? best : closed;
}

std::vector<std::int32_t> EdgesInTheWay(const Shape& shape, const Passages& passages, CellId at, double keyDeg)
{
    const PointF from = shape.centres[static_cast<std::size_t>(at)];
    std::vector<std::int32_t> met;
    for (const std::int32_t i : shape.Outline(at)) {
        const Edge& e = shape.edges[static_cast<std::size_t>(i)];
        PointF towards{(e.from.x + e.to.x) / 2, (e.from.y + e.to.y) / 2};
        if (e.arc)
            towards = OnCircle(e.centre, e.radius, e.startDeg + e.sweepDeg / 2);
        if (e.wall >= 0) {
            if (passages.Open(e.wall))
                continue;
            for (const Link& l : shape.graph.Neighbours(at))
                if (l.wall == e.wall)
                    towards = shape.centres[static_cast<std::size_t>(l.to)];
        }
        if (std::abs(Off(DegreesTo(from, towards), keyDeg)) <= kWidestTurn)
            met.push_back(i);
    }
    return met;
}

Way WayTo(const Shape& shape, CellId from, CellId to)
{
    const PointF a = shape.centres[static_cast<std::size_t>(from)];
    const PointF b = shape.centres[static_cast<std::size_t>(to)];
    if (shape.pole) {
        const PointF p = *shape.pole;
        const double ra = std::hypot(a.x - p.x, a.y - p.y), rb = std::hypot(b.x - p.x, b.y - p.y);
        if (std::abs(ra - rb) < kSameRing)  // y grows down: a positive turn is clockwise on the picture
            return Cross(a.x - p.x, a.y - p.y, Minus(b, p)) > 0 ? Way::Clockwise : Way::Anticlockwise;
        return rb > ra ? Way::Outward : Way::Inward;
    }
    const double deg = DegreesTo(a, b);
    if (shape.kind == ShapeKind::Rectangle || shape.kind == ShapeKind::Outline) {
        static constexpr Way kSides[] = {Way::Right, Way::Up, Way::Left, Way::Down};
        return kSides[static_cast<int>(std::lround((deg + 360.0) / 90.0)) % 4];
    }
    static constexpr Way kPoints[] = {Way::East, Way::NorthEast, Way::North, Way::NorthWest,
                                      Way::West, Way::SouthWest, Way::South, Way::SouthEast};
    return kPoints[static_cast<int>(std::lround((deg + 360.0) / 45.0)) % 8];
}

int ClockHour(const Shape& shape, CellId cell)
{
    const PointF c = shape.centres[static_cast<std::size_t>(cell)];
    const PointF p = shape.pole.value_or(PointF{shape.width / 2, shape.height / 2});
    // Clockwise from twelve o'clock, in hours.
    const double hours = std::fmod(450.0 - DegreesTo(p, c), 360.0) / 30.0;
    const int hour = static_cast<int>(std::lround(hours)) % 12;
    return hour == 0 ? 12 : hour;
}

int RingOf(const Shape& shape, CellId cell)
{
    const PointF c = shape.centres[static_cast<std::size_t>(cell)];
    const PointF p = shape.pole.value_or(PointF{});
    return static_cast<int>(std::floor(std::hypot(c.x - p.x, c.y - p.y)));
}

}  // namespace tolvane
