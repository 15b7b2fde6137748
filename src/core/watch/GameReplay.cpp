// Replaying a game's trail.
#include "core/watch/GameReplay.h"

#include "core/play/DrawPlay.h"

namespace tolvane {
namespace {

// The way from one cell of a trail to the next, its neighbour.
Direction Towards(Cell from, Cell to)
{
    if (to.x != from.x)
        return to.x > from.x ? Direction::Right : Direction::Left;
    return to.y > from.y ? Direction::Down : Direction::Up;
}

}  // namespace

GameReplay::GameReplay(const MazeState& maze, const Play& game, Answer answer, const CellGeometry& geometry)
    : maze_(maze), trail_(game.Trail()), answer_(answer), g_(geometry)
{
}

void GameReplay::DrawFirst(Surface& surface)
{
    replay_.Start(maze_);
    next_ = 1;
    DrawPlay(maze_, replay_, surface, g_);
}

bool GameReplay::PlayStep(Surface& surface)
{
    if (next_ >= trail_.size())
        return false;
    // The replay's clock is never read: the time of a move is its place in the game.
    const auto at = static_cast<Millis>(next_);
    replay_.Move(maze_, Towards(trail_[next_ - 1], trail_[next_]), at);
    ++next_;
    DrawPlay(maze_, replay_, surface, g_);
    return true;
}

void GameReplay::DrawLast(Surface& surface) const { DrawPlay(maze_, replay_, surface, g_, answer_); }

std::vector<Colour> GameReplay::Colours() const { return {kTrailColour, kMarkerColour}; }

}  // namespace tolvane
