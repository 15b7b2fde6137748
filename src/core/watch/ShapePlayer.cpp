// Playing steps onto a maze of any shape.
#include "core/watch/ShapePlayer.h"

#include <algorithm>
#include <cmath>

#include "core/render/DrawMaze.h"

namespace tolvane {
namespace {

// What a cell has been through, in the order a later mark replaces an earlier one.
constexpr std::uint8_t kNothing = 0;
constexpr std::uint8_t kEntered = 1;  // a search entered it, a builder took it in
constexpr std::uint8_t kGivenUp = 2;  // a dead end backed out of, a builder done with it

// Whether a cell's outline has a corner at `at`.
bool HasCorner(const Shape& shape, CellId cell, PointF at)
{
    const auto same = [](PointF a, PointF b) { return std::abs(a.x - b.x) < 1e-3f && std::abs(a.y - b.y) < 1e-3f; };
    for (const std::int32_t e : shape.Outline(cell)) {
        const Edge& edge = shape.edges[static_cast<std::size_t>(e)];
        if (same(edge.from, at) || same(edge.to, at))
            return true;
    }
    return false;
}

}  // namespace

ShapePlayer::ShapePlayer(const ShapeMaze& finished, WatchKind kind, std::vector<StepEvent> steps, const ShapeView& view)
    : WatchPlayer(kind, std::move(steps)), finished_(finished), view_(view), shown_(finished.passages)
{
    const auto cells = static_cast<std::size_t>(finished_.shape.graph.CellCount());
    group_.assign(cells, 0);
    mark_.assign(cells, kNothing);
    if (kind_ == WatchKind::Build)
        shown_ = Passages(finished_.shape.graph);
}

std::vector<Colour> ShapePlayer::Colours() const
{
    std::vector<Colour> colours{kVisitedColour, kGivenUpColour, kJoinedColour, kTakenColour};
    if (kind_ == WatchKind::Build)
        colours.insert(colours.end(), RegionColours().begin(), RegionColours().end());
    // The smoothed edges of slanted walls and arcs: greys between the walls' black and white.
    for (Colour grey = 0x202020; grey < 0xF0F0F0; grey += 0x202020)
        colours.push_back(grey);
    return colours;
}

void ShapePlayer::DrawFirst(Surface& surface) { DrawShape(finished_.shape, shown_, surface, view_); }

void ShapePlayer::DrawLast(Surface& surface) const
{
    DrawShape(finished_.shape, finished_.passages, surface, view_);
    if (kind_ != WatchKind::Build)
        DrawShapeRoute(finished_.shape, finished_.route, surface, view_);
}

Colour ShapePlayer::CellColour(CellId c) const
{
    const auto i = static_cast<std::size_t>(c);
    if (group_[i] > 0) {
        const auto colours = RegionColours();
        return colours[static_cast<std::size_t>(group_[i] - 1) % colours.size()];
    }
    if (kind_ == WatchKind::Build)
        return mark_[i] == kEntered ? kTakenColour : mark_[i] == kGivenUp ? kJoinedColour : kWhite;
    return mark_[i] == kEntered ? kVisitedColour : mark_[i] == kGivenUp ? kGivenUpColour : kWhite;
}

// The cell in its colour with its walls, S and G when it holds one, and the red path through it.
void ShapePlayer::PaintCell(Surface& surface, CellId c)
{
    DrawShapeCell(finished_.shape, shown_, c, CellColour(c), surface, view_);
    const MazeGraph& graph = finished_.shape.graph;
    const auto at = std::find(path_.begin(), path_.end(), c);
    if (at != path_.end()) {
        const auto first = at == path_.begin() ? at : at - 1;
        const auto last = at + 1 == path_.end() ? at : at + 1;
        DrawShapeRoute(finished_.shape, std::span<const CellId>(&*first, static_cast<std::size_t>(last - first) + 1), surface, view_);
    }
    // S and G again over the cell that holds one, or that a beacon beside one may cover.
    const Shape& shape = finished_.shape;
    const PictureBox box{view_.Map({0, 0}), view_.Map({shape.width, shape.height})};
    const float beacon = BeaconSize::For(view_.unit, box, surface.SmallestLetter()).reach + view_.unit;
    const auto near = [&](CellId mark) {
        if (c == mark)
            return true;
        const PointF a = view_.Map(shape.centres[static_cast<std::size_t>(c)]), b = view_.Map(shape.centres[static_cast<std::size_t>(mark)]);
        return std::hypot(a.x - b.x, a.y - b.y) <= beacon;
    };
    if (near(graph.start) || near(graph.goal))
        PrintShapeMarks(shape, surface, view_);
}

void ShapePlayer::Build(Surface& surface, const StepEvent& step)
{
    const MazeGraph& graph = finished_.shape.graph;
    const auto i = static_cast<std::size_t>(step.cell);
    switch (step.kind) {
    case StepKind::Enter:
        mark_[i] = kEntered;
        PaintCell(surface, step.cell);
        return;
    case StepKind::BackUp:
        mark_[i] = kGivenUp;
        PaintCell(surface, step.cell);
        return;
    case StepKind::Open: {
        shown_.Carve(step.wall);
        // A wall's stroke reaches a little past its ends into the other cells that meet there
        // (all within two steps of its sides): those are painted again first, then its own two,
        // so that no speck of it stays once every wall at a corner is open.
        const Shape& shape = finished_.shape;
        const Edge& opened = shape.edges[static_cast<std::size_t>(shape.wallEdge[static_cast<std::size_t>(step.wall)])];
        std::vector<CellId> nearby{graph.SideA(step.wall), graph.SideB(step.wall)};
        for (std::size_t from = 0, ring = 0; ring < 2; ++ring) {
            const std::size_t to = nearby.size();
            for (std::size_t k = from; k < to; ++k)
                for (const Link& l : graph.Neighbours(nearby[k]))
                    if (std::find(nearby.begin(), nearby.end(), l.to) == nearby.end())
                        nearby.push_back(l.to);
            from = to;
        }
        for (std::size_t k = 2; k < nearby.size(); ++k)
            if (HasCorner(shape, nearby[k], opened.from) || HasCorner(shape, nearby[k], opened.to))
                PaintCell(surface, nearby[k]);
        PaintCell(surface, nearby[0]);
        PaintCell(surface, nearby[1]);
        return;
    }
    case StepKind::Group:  // a region, or a set the cell joins (numbered from 1)
        group_[i] = step.group;
        PaintCell(surface, step.cell);
        return;
    case StepKind::Route:
        return;
    }
}

void ShapePlayer::SetPath(Surface& surface, std::vector<CellId> path)
{
    std::vector<CellId> old = std::move(path_);
    path_ = std::move(path);
    for (const CellId c : old)
        PaintCell(surface, c);
}

void ShapePlayer::Search(Surface& surface, const StepEvent& step)
{
    const MazeGraph& graph = finished_.shape.graph;
    const auto i = static_cast<std::size_t>(step.cell);
    switch (step.kind) {
    case StepKind::Enter: {
        if (mark_[i] == kNothing)
            ++visited_;
        mark_[i] = kEntered;
        // A search that walks one path (depth-first, the left hand) shows it in red; one that
        // jumps about (breadth-first, A*) shows a flood.
        const CellId from = step.wall >= 0 ? graph.Across(step.wall, step.cell) : kNoCell;
        const bool follows = path_.empty() ? from == kNoCell : from == path_.back();
        if (!flood_ && follows) {
            path_.push_back(step.cell);
        } else if (!flood_) {
            flood_ = true;
            SetPath(surface, {});
        }
        PaintCell(surface, step.cell);
        return;
    }
    case StepKind::BackUp:
        if (mark_[i] == kNothing)
            ++visited_;
        mark_[i] = kGivenUp;
        if (!path_.empty() && path_.back() == step.cell) {
            path_.pop_back();
            if (!path_.empty())
                PaintCell(surface, path_.back());
        }
        PaintCell(surface, step.cell);
        return;
    case StepKind::Route:
        if (mark_[i] == kNothing)
            ++visited_;  // dead-end filling never entered it
        if (next_ < 2 || steps_[next_ - 2].kind != StepKind::Route)
            SetPath(surface, {});  // the route, from S, in place of the path walked
        path_.push_back(step.cell);
        PaintCell(surface, step.cell);
        return;
    default:
        return;
    }
}

}  // namespace tolvane
