// Joining the walls into runs.
#include "core/render/WallPaths.h"

#include "core/shape/make/CornerKeys.h"

#include <cmath>
#include <algorithm>

namespace tolvane {
namespace {

// The piece that draws `e` from the end `forward` says.
PathPiece PieceOf(const Edge& e, bool forward)
{
    if (!e.arc)
        return {forward ? e.to : e.from};
    return forward ? PathPiece{e.to, true, e.centre, e.radius, e.startDeg, e.sweepDeg}
                   : PathPiece{e.from, true, e.centre, e.radius, e.startDeg + e.sweepDeg, -e.sweepDeg};
}

// Whether a straight line from the end of `run`'s last piece, a straight one, to `to` carries it
// on in the same direction.
bool GoesOn(const WallRun& run, PointF to)
{
    const PointF b = run.pieces.back().to;
    const PointF a = run.pieces.size() > 1 ? run.pieces[run.pieces.size() - 2].to : run.from;
    const double ux = b.x - a.x, uy = b.y - a.y, vx = to.x - b.x, vy = to.y - b.y;
    const double cross = ux * vy - uy * vx, dot = ux * vx + uy * vy;
    return dot > 0 && std::abs(cross) <= 1e-6 * std::hypot(ux, uy) * std::hypot(vx, vy);
}

}  // namespace

std::vector<WallRun> WallRuns(const Shape& shape, const Passages& passages)
{
    std::vector<Edge> drawn;
    for (const Edge& e : shape.edges)
        if (e.wall < 0 || !passages.Open(e.wall))
            drawn.push_back(e);
    return WallRuns(drawn);
}

std::vector<WallRun> WallRuns(std::span<const Edge> drawn)
{
    // Corners numbered as they are first met: equal keys are one corner.
    std::vector<std::int32_t> ends(drawn.size() * 2);  // the corner at each end of each drawn edge
    std::int32_t cornerCount = 0;
    KeyTable corners(drawn.size() + 64);  // corners most often join two or more walls
    for (std::size_t d = 0; d < drawn.size(); ++d)
        for (const int end : {0, 1}) {
            const auto [corner, isNew] = corners.Find(CornerKey(end == 0 ? drawn[d].from : drawn[d].to), 0, cornerCount);
            cornerCount += isNew ? 1 : 0;
            ends[2 * d + static_cast<std::size_t>(end)] = corner;
        }
    const auto cornersCount = static_cast<std::size_t>(cornerCount);
    // Each corner's edges, grouped: corner k's are meet[first[k] .. first[k + 1]).
    std::vector<std::int32_t> first(cornersCount + 1, 0);
    for (std::int32_t k : ends)
        ++first[static_cast<std::size_t>(k) + 1];
    for (std::size_t k = 1; k < first.size(); ++k)
        first[k] += first[k - 1];
    std::vector<std::int32_t> meet(ends.size());
    std::vector<std::int32_t> fill(first.begin(), first.end() - 1);
    for (std::size_t i = 0; i < ends.size(); ++i)
        meet[static_cast<std::size_t>(fill[static_cast<std::size_t>(ends[i])]++)] = static_cast<std::int32_t>(i / 2);
    std::vector<std::int32_t> left(cornersCount);  // edges not yet drawn at each corner
    for (std::size_t k = 0; k < left.size(); ++k)
        left[k] = first[k + 1] - first[k];
    std::vector<std::uint8_t> used(drawn.size(), 0);
    std::vector<std::int32_t> cursor(first.begin(), first.end() - 1);

    std::vector<WallRun> runs;
    const auto walkFrom = [&](std::int32_t corner) {
        WallRun run;
        bool started = false;
        while (left[static_cast<std::size_t>(corner)] > 0) {
            std::int32_t& at = cursor[static_cast<std::size_t>(corner)];
            while (used[static_cast<std::size_t>(meet[static_cast<std::size_t>(at)])])
                ++at;
            const std::int32_t d = meet[static_cast<std::size_t>(at)];
            used[static_cast<std::size_t>(d)] = 1;
            const bool forward = ends[2 * static_cast<std::size_t>(d)] == corner;
            const std::int32_t next = ends[2 * static_cast<std::size_t>(d) + (forward ? 1 : 0)];
            --left[static_cast<std::size_t>(corner)];
            --left[static_cast<std::size_t>(next)];
            const Edge& e = drawn[static_cast<std::size_t>(d)];
            if (!started) {
                run.from = forward ? e.from : e.to;
                started = true;
            }
            const PathPiece piece = PieceOf(e, forward);
            if (!piece.arc && !run.pieces.empty() && !run.pieces.back().arc && GoesOn(run, piece.to))
                run.pieces.back().to = piece.to;  // straight on: one longer line
            else
                run.pieces.push_back(piece);
            corner = next;
        }
        if (started)
            runs.push_back(std::move(run));
    };
    for (int pass = 0; pass < 2; ++pass)
        for (std::int32_t k = 0; k < static_cast<std::int32_t>(left.size()); ++k)
            while (left[static_cast<std::size_t>(k)] > 0 && (pass == 1 || left[static_cast<std::size_t>(k)] % 2 == 1))
                walkFrom(k);
    return runs;
}

}  // namespace tolvane
