// Plays a step record onto a surface: the window's "watch" replays and the animation files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/maze/MazeState.h"
#include "core/platform/surface/Surface.h"
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
    void DrawLast(Surface& surface) const override;
    std::vector<Colour> Colours() const override;

    const MazeState& Finished() const { return finished_; }

private:
    Colour CellColour(CellId cell) const;
    void PaintCell(Surface& surface, CellId cell);
    bool NearMarks(CellId cell) const;
    void Mark(CellId cell, std::uint8_t mark);
    void ErasePath(Surface& surface);
    void ExtendPath(Surface& surface, CellId cell, bool paint);
    void Build(Surface& surface, const StepEvent& step) override;
    void Search(Surface& surface, const StepEvent& step) override;

    MazeState finished_;
    CellGeometry g_;
    MazeGraph graph_;
    MazeState shown_;  // the walls as far as played, and the red path in PathX / PathY
    std::vector<std::int32_t> group_;
    std::vector<std::vector<CellId>> members_;
    std::vector<std::uint8_t> joined_;
    std::vector<std::uint8_t> mark_;
    bool flood_ = false;       // the search jumps about (breadth-first, A*): no path is shown
    bool routeDrawn_ = false;  // the path walked is the route: its Route steps draw nothing
};

}  // namespace tolvane
