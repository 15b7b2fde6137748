// Playing steps onto a surface.
#include "core/watch/StepPlayer.h"

#include <array>
#include <cmath>

#include "core/graph/Rectangle.h"
#include "core/maze/Openings.h"
#include "core/render/CellFill.h"
#include "core/render/DrawMaze.h"
#include "core/solve/Answer.h"
#include "core/solve/Replay.h"

namespace tolvane {
namespace {

constexpr std::uint8_t kEntered = 1;
constexpr std::uint8_t kGivenUp = 2;
constexpr std::int32_t kFirstLinked = 1;  // the region the build links every other one to
constexpr int kMarkReach = 16;            // pixels from S's or G's corner that its letter may cover

constexpr std::array<Colour, 12> kRegionColours{
    0xB4C8FF, 0xB4FFC8, 0xFFC8B4, 0x8CE6FF, 0xFFB4F0, 0xC8FFFF,
    0xA0D2A0, 0xDCB4FF, 0xFFE6A0, 0xA0A0F0, 0xD2F0B4, 0xF0D2FF,
};

}  // namespace

std::span<const Colour> RegionColours() { return kRegionColours; }

std::vector<Colour> StepPlayer::Colours() const
{
    if (kind_ == WatchKind::Search)
        return {kVisitedColour, kGivenUpColour};
    if (kind_ == WatchKind::Build) {
        std::vector<Colour> colours{kJoinedColour, kTakenColour};
        colours.insert(colours.end(), kRegionColours.begin(), kRegionColours.end());
        return colours;
    }
    return {};
}

StepPlayer::StepPlayer(const MazeState& finished, WatchKind kind, std::vector<StepEvent> steps,
                       const CellGeometry& geometry)
    : WatchPlayer(kind, std::move(steps)), finished_(finished), g_(geometry), graph_(RectangleGraph(finished.size)),
      shown_(finished.size)
{
    const auto cells = static_cast<std::size_t>(graph_.CellCount());
    if (kind_ == WatchKind::Build) {
        group_.assign(cells, 0);
        // Regions are numbered from 1; the steps say how many there are.
        std::int32_t regions = 0;
        for (const StepEvent& s : steps_)
            regions = std::max(regions, s.group);
        members_.resize(static_cast<std::size_t>(regions) + 1);
        joined_.assign(static_cast<std::size_t>(regions) + 1, 0);
    }
    mark_.assign(cells, 0);
}

void StepPlayer::DrawFirst(Surface& surface)
{
    shown_.Walls = finished_.Walls;
    if (kind_ == WatchKind::Build)
        for (int x = -1; x <= shown_.LastX(); ++x)
            for (int y = -1; y <= shown_.LastY(); ++y)
                shown_.Walls(x, y) = To16(kBottomWall + kRightWall);
    DrawMaze(shown_, surface, g_);
}

void StepPlayer::DrawLast(Surface& surface) const
{
    DrawPicture(finished_, surface, kind_ == WatchKind::Build ? Answer::Hidden : Answer::Shown, g_);
}

Colour StepPlayer::CellColour(CellId c) const
{
    const auto i = static_cast<std::size_t>(c);
    if (kind_ == WatchKind::Build) {
        const std::int32_t group = group_[i];
        if (group == 0)  // the ways that grow the maze cell by cell: taken in, then done with
            return mark_[i] == kEntered ? kTakenColour : mark_[i] == kGivenUp ? kJoinedColour : kWhite;
        if (joined_[static_cast<std::size_t>(group)])
            return kJoinedColour;
        return kRegionColours[static_cast<std::size_t>(group - 1) % kRegionColours.size()];
    }
    return mark_[i] == kEntered ? kVisitedColour : mark_[i] == kGivenUp ? kGivenUpColour : kWhite;
}

// The cell's inside, its openings and the corners no wall touches, each in the colour its cells
// share (white between cells of different colours); then what lies over it: the letters and
// the red path.
void StepPlayer::PaintCell(Surface& surface, CellId c)
{
    const int w = shown_.Width();
    const int x = c % w;
    const int y = c / w;
    const Colour colour = CellColour(c);
    FillCell(surface, g_, x, y, colour);
    const Openings open = OpenSides(shown_, x, y);
    const std::array<std::pair<bool, CellId>, 4> sides{{{open.right, c + 1}, {open.left, c - 1}, {open.down, c + w}, {open.up, c - w}}};
    for (const auto& [isOpen, n] : sides)
        if (isOpen)
            FillOpening(surface, g_, x, y, n % w, n / w, CellColour(n) == colour ? colour : kWhite);
    for (int cy = y; cy <= y + 1; ++cy) {
        for (int cx = x; cx <= x + 1; ++cx) {
            if (cx == 0 || cy == 0 || cx == w || cy == shown_.Height())
                continue;  // the frame
            // The four walls that meet at this corner: none left, and it shows the cells' colour.
            if (shown_.Walls(cx - 1, cy - 1) != 0 || (shown_.Walls(cx - 1, cy) & kRightWall) != 0 ||
                (shown_.Walls(cx, cy - 1) & kBottomWall) != 0)
                continue;
            const CellId around[4] = {c, (cy - 1) * w + cx - 1, (cy - 1) * w + cx, cy * w + cx - 1};
            bool same = true;
            for (CellId a : around)
                same = same && CellColour(a) == colour;
            FillCorner(surface, g_, cx, cy, same ? colour : kWhite);
        }
    }
    // In the order the finished picture has them: the letters, the route, and over a route in
    // cells too small to keep it beside them, the letters again.
    const bool near = NearMarks(c);
    if (near)
        PrintMarks(shown_, surface, g_);
    for (std::size_t i = 0; i < path_.size(); ++i) {
        if (path_[i] != c)
            continue;
        const int at = static_cast<int>(i);
        const int last = std::min(at, static_cast<int>(path_.size()) - 2);
        if (std::max(at - 1, 0) <= last)
            DrawRouteSegments(shown_, surface, std::max(at - 1, 0), last, g_);
        break;
    }
    if (near && g_.cell < kCell)
        PrintMarks(shown_, surface, g_);
}

// Whether S's or G's letter, or the beacon beside a mark too small to read, may reach into the
// cell: then they are printed again over it.
bool StepPlayer::NearMarks(CellId c) const
{
    const int x = c % shown_.Width();
    const int y = c / shown_.Width();
    const int reach = (kMarkReach + g_.cell - 1) / g_.cell;
    if ((x <= reach && y <= reach) || (x >= shown_.LastX() - reach && y >= shown_.LastY() - reach))
        return true;
    if (MarksAreLetters(g_, kSmallestPixelLetter))
        return false;
    const PictureBox box{g_.Corner(0, 0), g_.Corner(shown_.LastX() + 1, shown_.LastY() + 1)};
    const auto cell = static_cast<float>(g_.cell);
    const float beacon = BeaconSize::For(cell, box, kSmallestPixelLetter).reach;
    if (beacon == 0)
        return false;
    const auto within = [&](int mx, int my) { return std::hypot(static_cast<float>(x - mx), static_cast<float>(y - my)) * cell <= beacon + cell; };
    return within(0, 0) || within(shown_.LastX(), shown_.LastY());
}

void StepPlayer::Mark(CellId c, std::uint8_t mark)
{
    std::uint8_t& m = mark_[static_cast<std::size_t>(c)];
    if (m == 0)
        ++visited_;
    m = mark;
}

void StepPlayer::ErasePath(Surface& surface)
{
    const std::vector<CellId> old = std::move(path_);
    path_.clear();
    for (CellId c : old)
        PaintCell(surface, c);
}

void StepPlayer::ExtendPath(Surface& surface, CellId c, bool paint)
{
    const int at = static_cast<int>(path_.size());
    path_.push_back(c);
    shown_.PathX(at) = To16(c % shown_.Width());
    shown_.PathY(at) = To16(c / shown_.Width());
    if (paint) {
        PaintCell(surface, c);
    } else if (at > 0) {
        DrawRouteSegments(shown_, surface, at - 1, at - 1, g_);
        if (g_.cell < kCell && (NearMarks(c) || NearMarks(path_[static_cast<std::size_t>(at) - 1])))
            PrintMarks(shown_, surface, g_);
    }
}

void StepPlayer::Build(Surface& surface, const StepEvent& step)
{
    if (step.kind == StepKind::Enter || step.kind == StepKind::BackUp) {
        mark_[static_cast<std::size_t>(step.cell)] = step.kind == StepKind::Enter ? kEntered : kGivenUp;
        PaintCell(surface, step.cell);
        return;
    }
    if (step.kind == StepKind::Group) {
        group_[static_cast<std::size_t>(step.cell)] = step.group;
        members_[static_cast<std::size_t>(step.group)].push_back(step.cell);
        PaintCell(surface, step.cell);
        return;
    }
    if (step.kind != StepKind::Open)
        return;
    // The lower-numbered cell owns the wall: its right wall or its bottom wall.
    const CellId a = graph_.SideA(step.wall);
    const CellId b = graph_.SideB(step.wall);
    Int16& code = shown_.Walls(a % shown_.Width(), a / shown_.Width());
    code = To16(code & ~(b == a + 1 ? kRightWall : kBottomWall));
    if (step.group == 0) {
        PaintCell(surface, step.cell);
        if (step.cell != a && step.cell != b)  // a loop opened, or a wall told by its first cell
            PaintCell(surface, a), PaintCell(surface, b);
        return;
    }
    // A region linked: it turns grey, and the first region with the first link.
    for (std::int32_t region : {kFirstLinked, step.group}) {
        if (joined_[static_cast<std::size_t>(region)])
            continue;
        joined_[static_cast<std::size_t>(region)] = 1;
        for (CellId c : members_[static_cast<std::size_t>(region)])
            PaintCell(surface, c);
    }
    PaintCell(surface, step.cell);
}

void StepPlayer::Search(Surface& surface, const StepEvent& step)
{
    switch (step.kind) {
    case StepKind::Enter: {
        Mark(step.cell, kEntered);
        const CellId from = step.wall >= 0 ? graph_.Across(step.wall, step.cell) : kNoCell;
        const bool follows = path_.empty() ? from == kNoCell : from == path_.back();
        if (!flood_ && follows) {
            ExtendPath(surface, step.cell, true);
            return;
        }
        if (!flood_) {
            flood_ = true;
            ErasePath(surface);
        }
        PaintCell(surface, step.cell);
        return;
    }
    case StepKind::BackUp:
        Mark(step.cell, kGivenUp);
        if (!path_.empty() && path_.back() == step.cell) {
            path_.pop_back();
            PaintCell(surface, step.cell);
            if (!path_.empty())
                PaintCell(surface, path_.back());  // the half of the path's end that led on
        } else {
            PaintCell(surface, step.cell);
        }
        return;
    case StepKind::Route: {
        if (mark_[static_cast<std::size_t>(step.cell)] == 0)
            ++visited_;  // dead-end filling never entered it
        if (kind_ == WatchKind::Search && !routeDrawn_ && !flood_ && step.cell == graph_.start) {
            // The route's steps come last; when the path walked is the route, they draw nothing.
            std::vector<CellId> route;
            for (std::size_t i = next_ - 1; i < steps_.size() && steps_[i].kind == StepKind::Route; ++i)
                route.push_back(steps_[i].cell);
            routeDrawn_ = route == path_;
            if (!routeDrawn_)
                ErasePath(surface);
        }
        if (!routeDrawn_)
            ExtendPath(surface, step.cell, false);
        return;
    }
    default:
        return;
    }
}

}  // namespace tolvane
