// Plays a step record onto a surface: the window's "watch" replays and the animation files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/maze/MazeState.h"
#include "core/platform/Surface.h"
#include "core/render/Geometry.h"
#include "core/watch/Watch.h"
#include "core/watch/WatchPlayer.h"

namespace tolvane {

// The colours a watched picture uses besides the maze's own black, blue and red.
inline constexpr Colour kVisitedColour = 0xA8F0FF;  // a cell a search entered: pale yellow
inline constexpr Colour kGivenUpColour = 0xC4C4C4;  // a dead end backed out of, a cell filled: grey
inline constexpr Colour kJoinedColour = 0xEBEBEB;   // a region linked into the maze: light grey
// Taken into the maze by a way that grows it cell by cell: pale green; a cell it is done with
// (the backtracker backing out of it) turns light grey, as a linked region does.
inline constexpr Colour kTakenColour = 0xC8F0C8;
// The regions' colours while they grow, in turn by region number.
std::span<const Colour> RegionColours();

// Starts from the picture before the first step (DrawFirst), then draws each step over it,
// only the cells and openings that step changed (PlayStep), and ends on exactly the picture
// the window and the files draw of the finished maze (DrawLast): the puzzle after a build,
// with its route after a search or the route's replay. Every picture goes through DrawMaze,
// the route drawing and the cell fills, on the geometry given. Mazes are rectangles.
//
// A build shows each region in its colour as it grows, the walls opening, and each region
// turning grey as it is linked. A search shows the cells it entered in pale yellow, the dead
// ends it backed out of in grey, and, while it walks one path (depth-first, the left hand),
// that path in red; then its route in red.
class StepPlayer final : public WatchPlayer {
public:
    StepPlayer(const MazeState& finished, WatchKind kind, std::vector<StepEvent> steps, const CellGeometry& geometry);

    void DrawFirst(Surface& surface) override;
    bool PlayStep(Surface& surface) override;
    void DrawLast(Surface& surface) const override;
    std::size_t Count() const override { return steps_.size(); }
    std::vector<Colour> Colours() const override;
    bool HoldsLastStep() const override { return kind_ != WatchKind::Route; }

    std::size_t Played() const override { return next_; }
    const std::vector<StepEvent>& Steps() const override { return steps_; }
    const MazeState& Finished() const { return finished_; }
    WatchKind Kind() const override { return kind_; }
    // The cells a search has looked at so far: entered, given up, or (filling dead ends) on
    // its route; at the end the count the search itself gives.
    int Visited() const override { return visited_; }
    int PathLength() const override { return static_cast<int>(path_.size()); }

private:
    Colour CellColour(CellId cell) const;
    void PaintCell(Surface& surface, CellId cell);
    bool NearMarks(CellId cell) const;
    void Mark(CellId cell, std::uint8_t mark);
    void ErasePath(Surface& surface);
    void ExtendPath(Surface& surface, CellId cell, bool paint);
    void Build(Surface& surface, const StepEvent& step);
    void Search(Surface& surface, const StepEvent& step);

    MazeState finished_;
    WatchKind kind_;
    std::vector<StepEvent> steps_;
    CellGeometry g_;
    MazeGraph graph_;
    MazeState shown_;  // the walls as far as played, and the red path in PathX / PathY
    std::vector<std::int32_t> group_;
    std::vector<std::vector<CellId>> members_;
    std::vector<std::uint8_t> joined_;
    std::vector<std::uint8_t> mark_;
    std::vector<CellId> path_;
    bool flood_ = false;       // the search jumps about (breadth-first, A*): no path is shown
    bool routeDrawn_ = false;  // the path walked is the route: its Route steps draw nothing
    std::size_t next_ = 0;
    int visited_ = 0;
};

}  // namespace tolvane
