// Playing a maze by hand.
#include "core/play/Play.h"

#include <cmath>

#include "core/graph/Rectangle.h"
#include "core/maze/Openings.h"

namespace tolvane {

void Play::Start(const MazeState& maze)
{
    if (graph_.CellCount() != maze.Width() * maze.Height() || size_ != maze.size)
        graph_ = RectangleGraph(maze.size);
    size_ = maze.size;
    width_ = maze.Width();
    passages_ = PassagesOf(graph_, maze);
    game_.Start(graph_);
    trail_.clear();
    FollowTrail();
}

void Play::FollowTrail()
{
    const std::vector<CellId>& ids = game_.Trail();
    if (trail_.size() > ids.size())
        trail_.resize(ids.size());
    while (trail_.size() < ids.size())
        trail_.push_back(CellOf(ids[trail_.size()]));
}

std::optional<Direction> Play::Hint(const MazeState&)
{
    const std::optional<CellId> next = game_.Hint(graph_, passages_);
    if (!next)
        return std::nullopt;
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up})
        if (Step(Marker(), d) == CellOf(*next))
            return d;
    return std::nullopt;
}

MoveOutcome Play::Move(const MazeState&, Direction direction, Millis now)
{
    if (!game_.Active())
        return MoveOutcome::Ignored;
    const Cell next = Step(Marker(), direction);
    if (next.x < 0 || next.y < 0 || next.x >= size_.width || next.y >= size_.height)
        return game_.Finished() ? MoveOutcome::Ignored : MoveOutcome::Blocked;  // the frame
    const MoveOutcome outcome = game_.Move(graph_, passages_, RectangleCell(size_, next.x, next.y), now);
    FollowTrail();
    return outcome;
}

std::optional<Cell> CellAt(const MazeState& maze, const CellGeometry& geometry, double x, double y)
{
    const int cx = static_cast<int>(std::floor((x - geometry.left) / geometry.cell));
    const int cy = static_cast<int>(std::floor((y - geometry.top) / geometry.cell));
    if (cx < 0 || cy < 0 || cx >= maze.Width() || cy >= maze.Height())
        return std::nullopt;
    return Cell{cx, cy};
}

bool IsOpen(const MazeState& maze, Cell from, Direction direction)
{
    const Openings open = OpenSides(maze, from.x, from.y);
    switch (direction) {
    case Direction::Right:
        return open.right;
    case Direction::Left:
        return open.left;
    case Direction::Down:
        return open.down;
    case Direction::Up:
        return open.up;
    }
    return false;
}

Cell Step(Cell cell, Direction direction)
{
    switch (direction) {
    case Direction::Right:
        return {cell.x + 1, cell.y};
    case Direction::Left:
        return {cell.x - 1, cell.y};
    case Direction::Down:
        return {cell.x, cell.y + 1};
    case Direction::Up:
        return {cell.x, cell.y - 1};
    }
    return cell;
}

}  // namespace tolvane
