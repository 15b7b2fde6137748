// Joining segments into polylines.
#include "core/render/JoinSegments.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

namespace tolvane {
namespace {

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
        // Every end point with the segment end it is, sorted by a key that is the same exactly
        // for equal points: runs of one key are one vertex.
        struct End {
            std::uint64_t key;
            std::uint32_t at;  // segment * 2, plus 1 for its far end
        };
        std::vector<End> ends;
        ends.reserve(2 * segments.size());
        std::uint32_t kept = 0;
        for (const Segment& s : segments)
            if (!(s.from == s.to)) {
                ends.push_back({Key(s.from), 2 * kept});
                ends.push_back({Key(s.to), 2 * kept + 1});
                ++kept;
            }
        std::sort(ends.begin(), ends.end(), [](const End& a, const End& b) { return a.key < b.key; });
        std::vector<std::uint32_t> vertexOf(ends.size());
        for (std::size_t i = 0; i < ends.size(); ++i) {
            if (i == 0 || ends[i].key != ends[i - 1].key)
                points_.push_back(Point(ends[i].key));
            vertexOf[ends[i].at] = static_cast<std::uint32_t>(points_.size() - 1);
        }
        std::vector<std::uint64_t> pairs(kept);
        for (std::uint32_t e = 0; e < kept; ++e) {
            const std::uint64_t a = vertexOf[2 * e], b = vertexOf[2 * e + 1];
            pairs[e] = std::min(a, b) << 32 | std::max(a, b);
        }
        std::sort(pairs.begin(), pairs.end());
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        edges_.reserve(pairs.size());
        for (const std::uint64_t pair : pairs)
            edges_.emplace_back(static_cast<std::uint32_t>(pair >> 32), static_cast<std::uint32_t>(pair));
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
        used_.assign(edges_.size(), 0);
    }

    std::size_t Vertices() const { return points_.size(); }
    std::size_t Degree(std::uint32_t v) const { return first_[v + 1] - first_[v]; }

    // An edge at `v` not yet drawn; coming from `from`, only the one that goes straight on.
    std::optional<std::uint32_t> NextAt(std::uint32_t v, std::optional<std::uint32_t> from) const
    {
        for (std::size_t i = first_[v]; i < first_[v + 1]; ++i) {
            const std::uint32_t e = meeting_[i];
            if (!used_[e] && (!from || GoesOn(points_[*from], points_[v], points_[Other(e, v)])))
                return e;
        }
        return std::nullopt;
    }

    // The run of edges not yet drawn through an edge at `v`, as far as it goes straight on both
    // ways, and marks it drawn.
    std::vector<PointF> Walk(std::uint32_t v)
    {
        const std::uint32_t e = *NextAt(v, std::nullopt);
        used_[e] = 1;
        const std::uint32_t w = Other(e, v);
        const std::uint32_t far = Extend(v, w), near = Extend(w, v);
        return {points_[near], points_[far]};
    }

private:
    // A point's coordinates as one number, and back; adding zero makes -0 and 0 one point.
    static std::uint64_t Key(PointF p)
    {
        return std::uint64_t{std::bit_cast<std::uint32_t>(p.x + 0.0f)} << 32 | std::bit_cast<std::uint32_t>(p.y + 0.0f);
    }
    static PointF Point(std::uint64_t key)
    {
        return {std::bit_cast<float>(static_cast<std::uint32_t>(key >> 32)), std::bit_cast<float>(static_cast<std::uint32_t>(key))};
    }
    // Where a run that came from `from` to `v` ends when it goes straight on.
    std::uint32_t Extend(std::uint32_t from, std::uint32_t v)
    {
        while (const auto e = NextAt(v, from)) {
            used_[*e] = 1;
            from = std::exchange(v, Other(*e, v));
        }
        return v;
    }
    std::uint32_t Other(std::uint32_t e, std::uint32_t v) const
    {
        return edges_[e].first == v ? edges_[e].second : edges_[e].first;
    }

    std::vector<PointF> points_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> edges_;
    std::vector<std::size_t> first_;
    std::vector<std::uint32_t> meeting_;
    std::vector<std::uint8_t> used_;  // bytes: quicker to test than bits
};

}  // namespace

std::vector<std::vector<PointF>> JoinSegments(std::span<const Segment> segments)
{
    Graph graph(segments);
    std::vector<std::vector<PointF>> lines;
    // Runs start where an odd number of segments meet, since a run must end there, then anywhere.
    for (const bool odd : {true, false})
        for (std::uint32_t v = 0; v < graph.Vertices(); ++v)
            if (!odd || graph.Degree(v) % 2 == 1)
                while (graph.NextAt(v, std::nullopt))
                    lines.push_back(graph.Walk(v));
    return lines;
}

}  // namespace tolvane
