// Rings of cells.
#include "core/shape/make/Circle.h"

#include <cmath>
#include <map>
#include <numbers>

namespace tolvane {
namespace {

constexpr double kSplitWidth = 1.5;

// Degrees on the picture (anticlockwise from three o'clock) of `turn` of a full turn
// clockwise from twelve o'clock.
double Deg(double turn) { return 90.0 - 360.0 * turn; }

// The directions of the boundaries between a ring's `n` cells (and of their middles, at odd
// places of 2n), as cosines and sines: computed once for each count, since rings share them.
class Directions {
public:
    // The point at radius `r` around `pole` on boundary `half / 2` of a ring of n cells.
    PointF At(PointF pole, double r, int n, int half)
    {
        auto found = made_.find(n);
        if (found == made_.end()) {
            std::vector<std::pair<double, double>> d;
            d.reserve(2 * static_cast<std::size_t>(n) + 1);
            for (int k = 0; k <= 2 * n; ++k) {
                const double rad = Deg(k / (2.0 * n)) * std::numbers::pi / 180.0;
                d.emplace_back(std::cos(rad), std::sin(rad));
            }
            found = made_.emplace(n, std::move(d)).first;
        }
        const auto [c, s] = found->second[static_cast<std::size_t>(half)];
        return {static_cast<float>(pole.x + r * c), static_cast<float>(pole.y - r * s)};
    }

private:
    std::map<int, std::vector<std::pair<double, double>>> made_;
};

// The arc of radius `r` over cell `k` of a ring of `n` cells, clockwise.
Edge CellArc(Directions& d, PointF pole, double r, int n, int k)
{
    Edge e{d.At(pole, r, n, 2 * k), d.At(pole, r, n, 2 * k + 2)};
    e.arc = true;
    e.centre = pole;
    e.radius = static_cast<float>(r);
    e.startDeg = static_cast<float>(Deg(static_cast<double>(k) / n));
    e.sweepDeg = static_cast<float>(-360.0 / n);
    return e;
}

}  // namespace

std::vector<int> RingCells(int rings)
{
    std::vector<int> cells{1};
    if (rings > 1)
        cells.push_back(6);
    for (int i = 2; i < rings; ++i) {
        const int inside = cells.back();
        const double width = 2 * std::numbers::pi * i / inside;
        cells.push_back(width >= kSplitWidth ? 2 * inside : inside);
    }
    return cells;
}

Shape CircleShape(int rings)
{
    const std::vector<int> count = RingCells(rings);
    std::vector<CellId> first{0};  // the number of each ring's first cell
    for (int c : count)
        first.push_back(first.back() + c);
    const int cells = first.back();
    const auto f = static_cast<float>(rings);
    const PointF pole{f, f};

    Shape shape;
    shape.kind = ShapeKind::Circle;
    shape.width = shape.height = 2 * f;
    shape.pole = pole;
    shape.centres.reserve(static_cast<std::size_t>(cells));
    shape.edges.reserve(2 * static_cast<std::size_t>(cells) + static_cast<std::size_t>(count.back()));
    Directions d;
    GraphBuilder builder(cells);
    // A wall is numbered when its lower-numbered cell names it; its edge is made then, so
    // that edge w draws wall w.
    const auto link = [&](CellId from, CellId to, const Edge& edge) {
        builder.Link(to);
        if (to > from)
            shape.edges.push_back(edge);
    };
    for (int i = 0; i < rings; ++i) {
        const int n = count[static_cast<std::size_t>(i)];
        const int outward = i + 1 < rings ? count[static_cast<std::size_t>(i) + 1] / n : 0;
        for (int j = 0; j < n; ++j) {
            const CellId c = first[static_cast<std::size_t>(i)] + j;
            builder.BeginCell(c);
            if (i == 0) {
                shape.centres.push_back(pole);
                for (int k = 0; k < count[1]; ++k)
                    link(c, first[1] + k, CellArc(d, pole, 1, count[1], k));
            } else {
                shape.centres.push_back(d.At(pole, i + 0.5, n, 2 * j + 1));
                const auto radial = [&](int boundary) {
                    return Edge{d.At(pole, i, n, 2 * boundary), d.At(pole, i + 1, n, 2 * boundary)};
                };
                link(c, first[static_cast<std::size_t>(i)] + (j + 1) % n, radial(j + 1));
                link(c, first[static_cast<std::size_t>(i)] + (j + n - 1) % n, radial(j));
                for (int k = 0; k < outward; ++k) {
                    const int m = j * outward + k;
                    const int outer = n * outward;
                    link(c, first[static_cast<std::size_t>(i) + 1] + m, CellArc(d, pole, i + 1, outer, m));
                }
                const int ratio = n / count[static_cast<std::size_t>(i) - 1];
                builder.Link(first[static_cast<std::size_t>(i) - 1] + j / ratio);
            }
        }
    }
    const int rim = count.back();
    shape.graph = builder.Finish(0, first[static_cast<std::size_t>(rings) - 1] + rim / 2);
    for (std::size_t w = 0; w < shape.edges.size(); ++w)
        shape.edges[w].wall = static_cast<WallId>(w);
    shape.wallEdge.resize(shape.edges.size());
    for (std::size_t w = 0; w < shape.edges.size(); ++w)
        shape.wallEdge[w] = static_cast<std::int32_t>(w);

    // Each cell's outline: the walls to its neighbours, and on the rim its stretch of the frame.
    const CellId firstRim = first[static_cast<std::size_t>(rings) - 1];
    shape.outlineFirst.push_back(0);
    for (CellId c = 0; c < cells; ++c) {
        for (const Link& l : shape.graph.Neighbours(c))
            shape.outlineEdges.push_back(l.wall);
        if (c >= firstRim) {
            const int j = c - firstRim;
            shape.outlineEdges.push_back(static_cast<std::int32_t>(shape.edges.size()));
            shape.edges.push_back(CellArc(d, pole, rings, rim, j));
        }
        shape.outlineFirst.push_back(static_cast<std::int32_t>(shape.outlineEdges.size()));
    }
    return shape;
}

}  // namespace tolvane
