// Finding the cell under a point.
#include "core/play/CellFinder.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tolvane {
namespace {

// A piece of an edge that only rises or only falls, and only goes left or only right: a
// straight edge whole, an arc cut where it passes a quarter of its circle.
template <typename Visit>
void ForEachPiece(const Edge& e, Visit&& visit)
{
    if (!e.arc) {
        visit(e.from, e.to, e);
        return;
    }
    const double end = e.startDeg + e.sweepDeg;
    const double step = e.sweepDeg > 0 ? 90.0 : -90.0;
    // The quarter lines the arc passes, in the order it passes them.
    double cut = e.sweepDeg > 0 ? std::floor(e.startDeg / 90.0) * 90.0 + 90.0 : std::ceil(e.startDeg / 90.0) * 90.0 - 90.0;
    PointF from = e.from;
    for (; e.sweepDeg > 0 ? cut < end : cut > end; cut += step) {
        const PointF at = OnCircle(e.centre, e.radius, cut);
        visit(from, at, e);
        from = at;
    }
    visit(from, e.to, e);
}

// Whether the ray from `p` to the right crosses the piece from `a` to `b`: a piece counts when
// one end lies below p and the other not, so that a ray through a corner counts it once.
bool Crosses(PointF a, PointF b, const Edge& e, PointF p)
{
    if ((a.y > p.y) == (b.y > p.y))
        return false;
    double x;
    if (e.arc) {
        const double dy = p.y - e.centre.y;
        const double half = std::sqrt(std::max(0.0, static_cast<double>(e.radius) * e.radius - dy * dy));
        // The piece lies wholly on one side of the circle's upright diameter.
        x = (a.x + b.x) / 2 >= e.centre.x ? e.centre.x + half : e.centre.x - half;
    } else {
        x = a.x + (static_cast<double>(p.y) - a.y) * (b.x - a.x) / (static_cast<double>(b.y) - a.y);
    }
    return x > p.x;
}

}  // namespace

bool InOutline(const Shape& shape, CellId cell, PointF p)
{
    bool inside = false;
    for (std::int32_t i : shape.Outline(cell))
        ForEachPiece(shape.edges[static_cast<std::size_t>(i)],
                     [&](PointF a, PointF b, const Edge& e) { inside ^= Crosses(a, b, e, p); });
    return inside;
}

CellFinder::CellFinder(const Shape& shape)
    : columns_(static_cast<int>(std::ceil(shape.width)) + 1), rows_(static_cast<int>(std::ceil(shape.height)) + 1)
{
    // Each cell's box, from the ends of its pieces: the pieces run one way across and down,
    // so their ends are their extremes.
    const auto cells = static_cast<std::size_t>(shape.graph.CellCount());
    std::vector<std::array<int, 4>> boxes(cells);
    std::vector<std::int32_t> count(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
    for (std::size_t c = 0; c < cells; ++c) {
        float left = shape.width, right = 0, top = shape.height, bottom = 0;
        for (std::int32_t i : shape.Outline(static_cast<CellId>(c)))
            ForEachPiece(shape.edges[static_cast<std::size_t>(i)], [&](PointF a, PointF b, const Edge&) {
                left = std::min({left, a.x, b.x}), right = std::max({right, a.x, b.x});
                top = std::min({top, a.y, b.y}), bottom = std::max({bottom, a.y, b.y});
            });
        const auto clampX = [&](float v) { return std::clamp(static_cast<int>(std::floor(v)), 0, columns_ - 1); };
        const auto clampY = [&](float v) { return std::clamp(static_cast<int>(std::floor(v)), 0, rows_ - 1); };
        boxes[c] = {clampX(left), clampX(right), clampY(top), clampY(bottom)};
        for (int y = boxes[c][2]; y <= boxes[c][3]; ++y)
            for (int x = boxes[c][0]; x <= boxes[c][1]; ++x)
                ++count[static_cast<std::size_t>(y * columns_ + x) + 1];
    }
    first_.assign(count.size(), 0);
    for (std::size_t s = 1; s < count.size(); ++s)
        first_[s] = first_[s - 1] + count[s];
    cells_.resize(static_cast<std::size_t>(first_.back()));
    std::vector<std::int32_t> next(first_.begin(), first_.end() - 1);
    for (std::size_t c = 0; c < cells; ++c)
        for (int y = boxes[c][2]; y <= boxes[c][3]; ++y)
            for (int x = boxes[c][0]; x <= boxes[c][1]; ++x)
                cells_[static_cast<std::size_t>(next[static_cast<std::size_t>(y * columns_ + x)]++)] = static_cast<CellId>(c);
}

std::optional<CellId> CellFinder::At(const Shape& shape, PointF p) const
{
    if (!(p.x >= 0 && p.y >= 0 && p.x <= shape.width && p.y <= shape.height))
        return std::nullopt;
    const int x = std::min(static_cast<int>(p.x), columns_ - 1), y = std::min(static_cast<int>(p.y), rows_ - 1);
    const auto s = static_cast<std::size_t>(y * columns_ + x);
    for (std::int32_t i = first_[s]; i < first_[s + 1]; ++i)
        if (InOutline(shape, cells_[static_cast<std::size_t>(i)], p))
            return cells_[static_cast<std::size_t>(i)];
    return std::nullopt;
}

}  // namespace tolvane
