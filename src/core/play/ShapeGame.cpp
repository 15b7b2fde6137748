// A game on a maze of another shape.
#include "core/play/ShapeGame.h"

#include <cmath>

namespace tolvane {

double KeyDegrees(Direction key)
{
    switch (key) {
    case Direction::Right:
        return kRightDeg;
    case Direction::Left:
        return kLeftDeg;
    case Direction::Down:
        return kDownDeg;
    case Direction::Up:
        return kUpDeg;
    }
    return kRightDeg;
}

void ShapeGame::Start(const ShapeMaze& maze)
{
    if (!finder_)
        finder_.emplace(maze.shape);
    bumped_ = -1;
    bumpedEdges_.clear();
    game_.Start(maze.shape.graph);
}

void ShapeGame::Clear()
{
    game_.Clear();
    finder_.reset();
    bumped_ = -1;
}

MoveOutcome ShapeGame::Key(const ShapeMaze& maze, Direction key, Millis now)
{
    if (!game_.Active() || game_.Finished())
        return MoveOutcome::Ignored;
    const Aim aim =
        Aimed(maze.shape.graph, maze.passages, maze.shape.centres, game_.Marker(), KeyDegrees(key), game_.Previous());
    bumped_ = aim.open ? -1 : aim.wall;
    bumpedEdges_.clear();
    if (!aim.open) {
        bumpedEdges_ = EdgesInTheWay(maze.shape, maze.passages, game_.Marker(), KeyDegrees(key));
        return MoveOutcome::Blocked;
    }
    return game_.Move(maze.shape.graph, maze.passages, aim.to, now);
}

MoveOutcome ShapeGame::MoveTo(const ShapeMaze& maze, CellId to, Millis now)
{
    bumped_ = -1;
    bumpedEdges_.clear();
    return game_.Move(maze.shape.graph, maze.passages, to, now);
}

std::optional<CellId> ShapeGame::StepToward(const ShapeMaze& maze, CellId target) const
{
    const auto centre = [&](CellId c) { return maze.shape.centres[static_cast<std::size_t>(c)]; };
    const PointF goal = centre(target);
    const auto distance = [&](CellId c) { return std::hypot(centre(c).x - goal.x, centre(c).y - goal.y); };
    const CellId at = game_.Marker();
    std::optional<CellId> best;
    double nearest = distance(at);
    for (const Link& l : maze.shape.graph.Neighbours(at))
        if (maze.passages.Open(l.wall) && distance(l.to) < nearest)
            best = l.to, nearest = distance(l.to);
    return best;
}

std::optional<CellId> ShapeGame::CellUnder(const ShapeMaze& maze, PointF p) const
{
    return finder_ ? finder_->At(maze.shape, p) : std::nullopt;
}

}  // namespace tolvane
