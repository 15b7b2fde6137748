// Replaying a game's trail on a shape.
#include "core/watch/ShapeGameReplay.h"

#include <span>

#include "core/play/DrawPlay.h"

namespace tolvane {

ShapeGameReplay::ShapeGameReplay(const ShapeMaze& maze, const Game& game, Answer answer, const ShapeView& view)
    : maze_(maze), trail_(game.Trail()), answer_(answer), view_(view)
{
}

void ShapeGameReplay::DrawFirst(Surface& surface)
{
    replay_.Start(maze_.shape.graph);
    next_ = 1;
    DrawShapePlay(maze_.shape, maze_.passages, replay_, surface, view_);
}

bool ShapeGameReplay::PlayStep(Surface& surface)
{
    if (next_ >= trail_.size())
        return false;
    // The replay's clock is never read: the time of a move is its place in the game.
    replay_.Move(maze_.shape.graph, maze_.passages, trail_[next_], static_cast<Millis>(next_));
    ++next_;
    DrawShapePlay(maze_.shape, maze_.passages, replay_, surface, view_);
    return true;
}

void ShapeGameReplay::DrawLast(Surface& surface) const
{
    const std::span<const CellId> route = answer_ == Answer::Shown ? std::span(maze_.route) : std::span<const CellId>();
    DrawShapePlay(maze_.shape, maze_.passages, replay_, surface, view_, route);
}

std::vector<Colour> ShapeGameReplay::Colours() const
{
    std::vector<Colour> colours{kTrailColour, kMarkerColour};
    // The smoothed edges of slanted walls, arcs and the trail: greys and the trail's own blends.
    for (Colour grey = 0x202020; grey < 0xF0F0F0; grey += 0x202020)
        colours.push_back(grey);
    return colours;
}

}  // namespace tolvane
