// Joining segments into polylines.
#include "core/render/JoinSegments.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace tolvane {
namespace {

bool Less(PointF a, PointF b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

// Whether going from `a` to `b` and then from `b` to `c` keeps one direction.
bool GoesOn(PointF a, PointF b, PointF c)
{
    const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
    return ux * vy - uy * vx == 0 && ux * vx + uy * vy > 0;
}

// The segments as a graph: each distinct end point a vertex, each distinct segment an edge, and
// for every vertex the edges that meet there.
class Graph {
public:
    explicit Graph(std::span<const Segment> segments)
    {
        points_.reserve(2 * segments.size());
        for (const Segment& s : segments)
            if (!(s.from == s.to)) {
                points_.push_back(s.from);
                points_.push_back(s.to);
            }
        std::sort(points_.begin(), points_.end(), Less);
        points_.erase(std::unique(points_.begin(), points_.end()), points_.end());
        edges_.reserve(segments.size());
        for (const Segment& s : segments)
            if (!(s.from == s.to)) {
                const std::uint32_t a = Vertex(s.from), b = Vertex(s.to);
                edges_.emplace_back(std::min(a, b), std::max(a, b));
            }
        std::sort(edges_.begin(), edges_.end());
        edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
        // Each vertex's edges lie together in one list, from first_[v] to first_[v + 1].
        first_.assign(points_.size() + 1, 0);
        for (const auto& [a, b] : edges_) {
            ++first_[a + 1];
            ++first_[b + 1];
        }
        for (std::size_t v = 0; v < points_.size(); ++v)
            first_[v + 1] += first_[v];
        meeting_.resize(2 * edges_.size());
        std::vector<std::uint32_t> next(first_.begin(), first_.end() - 1);
        for (std::uint32_t e = 0; e < edges_.size(); ++e) {
            meeting_[next[edges_[e].first]++] = e;
            meeting_[next[edges_[e].second]++] = e;
        }
        used_.assign(edges_.size(), false);
    }

    std::size_t Vertices() const { return points_.size(); }
    std::size_t Degree(std::uint32_t v) const { return first_[v + 1] - first_[v]; }

    // An edge at `v` not yet drawn, preferring the one that goes straight on from `from`.
    std::optional<std::uint32_t> NextAt(std::uint32_t v, std::optional<std::uint32_t> from) const
    {
        std::optional<std::uint32_t> any;
        for (std::size_t i = first_[v]; i < first_[v + 1]; ++i) {
            const std::uint32_t e = meeting_[i];
            if (used_[e])
                continue;
            if (!from || GoesOn(points_[*from], points_[v], points_[Other(e, v)]))
                return e;
            if (!any)
                any = e;
        }
        return any;
    }

    // Walks from `v` along edges not yet drawn for as long as it can.
    std::vector<PointF> Walk(std::uint32_t v)
    {
        std::vector<PointF> line{points_[v]};
        std::optional<std::uint32_t> from;
        while (const auto e = NextAt(v, from)) {
            used_[*e] = true;
            const std::uint32_t w = Other(*e, v);
            if (from && GoesOn(points_[*from], points_[v], points_[w]))
                line.back() = points_[w];
            else
                line.push_back(points_[w]);
            from = v;
            v = w;
        }
        return line;
    }

private:
    std::uint32_t Vertex(PointF p) const
    {
        return static_cast<std::uint32_t>(std::lower_bound(points_.begin(), points_.end(), p, Less) - points_.begin());
    }
    std::uint32_t Other(std::uint32_t e, std::uint32_t v) const
    {
        return edges_[e].first == v ? edges_[e].second : edges_[e].first;
    }

    std::vector<PointF> points_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> edges_;
    std::vector<std::size_t> first_;
    std::vector<std::uint32_t> meeting_;
    std::vector<bool> used_;
};

}  // namespace

std::vector<std::vector<PointF>> JoinSegments(std::span<const Segment> segments)
{
    Graph graph(segments);
    std::vector<std::vector<PointF>> lines;
    // Runs start where an odd number of segments meet, since a run must end there; what is left
    // then are closed rings, which may start anywhere.
    for (const bool odd : {true, false})
        for (std::uint32_t v = 0; v < graph.Vertices(); ++v)
            if (!odd || graph.Degree(v) % 2 == 1)
                while (graph.NextAt(v, std::nullopt))
                    lines.push_back(graph.Walk(v));
    return lines;
}

}  // namespace tolvane
