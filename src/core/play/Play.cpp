// Playing a maze by hand.
#include "core/play/Play.h"

#include <algorithm>
#include <cmath>

#include "core/graph/Rectangle.h"
#include "core/graph/Searches.h"
#include "core/maze/Openings.h"
#include "core/solve/Search.h"

namespace tolvane {

void PlayClock::Reset()
{
    elapsed_ = 0;
    since_ = 0;
    started_ = false;
    stopped_ = false;
}

void PlayClock::Start(Millis now)
{
    if (started_)
        return;
    started_ = true;
    since_ = now;
}

void PlayClock::Stop(Millis now)
{
    elapsed_ = Elapsed(now);
    stopped_ = true;
}

void PlayClock::SetAway(bool away, Millis now)
{
    if (away == away_)
        return;
    elapsed_ = Elapsed(now);
    away_ = away;
    since_ = now;
}

void Play::Start(const MazeState&)
{
    Clear();
    active_ = true;
}

std::optional<Direction> Play::Hint(const MazeState& maze)
{
    if (!active_ || finished_)
        return std::nullopt;
    MazeGraph graph = RectangleGraph(maze.size);
    graph.start = RectangleCell(maze.size, Marker().x, Marker().y);
    const GraphRoute route = SearchBreadthFirst(graph, PassagesOf(maze));
    if (route.cells.size() < 2)
        return std::nullopt;
    const Cell next{route.cells[1] % maze.Width(), route.cells[1] / maze.Width()};
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up})
        if (Step(Marker(), d) == next) {
            ++hints_;
            return d;
        }
    return std::nullopt;
}

MoveOutcome Play::Move(const MazeState& maze, Direction direction, Millis now)
{
    if (!active_ || finished_)
        return MoveOutcome::Ignored;
    if (!IsOpen(maze, Marker(), direction))
        return MoveOutcome::Blocked;
    clock_.Start(now);
    ++moves_;
    const Cell next = Step(Marker(), direction);
    // In a perfect maze only the cell just left can already be on the trail; cutting the trail
    // back to any cell it holds keeps it a simple path whatever the maze.
    MoveOutcome outcome = MoveOutcome::Moved;
    if (const auto on = std::find(trail_.begin(), trail_.end(), next); on != trail_.end()) {
        trail_.erase(on + 1, trail_.end());
        outcome = MoveOutcome::SteppedBack;
    } else {
        trail_.push_back(next);
    }
    if (next == GoalCell(maze)) {
        finished_ = true;
        clock_.Stop(now);
        MazeState searched = maze;
        Solve(searched);
        shortestMoves_ = searched.Found ? searched.PathLen - 1 : 0;
        outcome = MoveOutcome::Reached;
    }
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

void Play::Clear()
{
    trail_.assign(1, StartCell());
    moves_ = 0;
    shortestMoves_ = 0;
    hints_ = 0;
    active_ = false;
    finished_ = false;
    clock_.Reset();
}

}  // namespace tolvane
