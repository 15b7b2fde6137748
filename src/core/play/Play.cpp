// Playing a maze of any shape by hand.
#include "core/play/Play.h"

#include <cmath>

#include "core/maze/Openings.h"
#include "core/play/Compass.h"

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

void Play::Start(const ShapeMaze& maze)
{
    if (!finder_)
        finder_.emplace(maze.shape);
    bumped_ = -1;
    bumpedEdges_.clear();
    game_.Start(maze.shape.graph);
}

void Play::Clear()
{
    game_.Clear();
    finder_.reset();
    bumped_ = -1;
    bumpedEdges_.clear();
}

void Play::Refused(WallId wall, std::vector<std::int32_t> edges)
{
    bumped_ = wall;
    bumpedEdges_ = std::move(edges);
}

MoveOutcome Play::Key(const ShapeMaze& maze, Direction key, Millis now)
{
    if (!game_.Active() || game_.Finished())
        return MoveOutcome::Ignored;
    const Aim aim =
        Aimed(maze.shape.graph, maze.passages, maze.shape.centres, game_.Marker(), KeyDegrees(key), game_.Previous());
    if (!aim.open) {
        Refused(aim.wall, EdgesInTheWay(maze.shape, maze.passages, game_.Marker(), KeyDegrees(key)));
        return MoveOutcome::Blocked;
    }
    Refused(-1, {});
    return game_.Move(maze.shape.graph, maze.passages, aim.to, now);
}

MoveOutcome Play::MoveTo(const ShapeMaze& maze, CellId to, Millis now)
{
    const MoveOutcome outcome = game_.Move(maze.shape.graph, maze.passages, to, now);
    WallId wall = -1;
    if (outcome == MoveOutcome::Blocked)
        for (const Link& l : maze.shape.graph.Neighbours(game_.Marker()))
            if (l.to == to)
                wall = l.wall;
    // A click across a wall flashes that wall, as a key that met it does.
    Refused(wall, wall >= 0 ? std::vector{maze.shape.wallEdge[static_cast<std::size_t>(wall)]} : std::vector<std::int32_t>{});
    return outcome;
}

std::optional<CellId> Play::StepToward(const ShapeMaze& maze, CellId target) const
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

std::optional<CellId> Play::CellUnder(const ShapeMaze& maze, PointF p) const
{
    return finder_ ? finder_->At(maze.shape, p) : std::nullopt;
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
