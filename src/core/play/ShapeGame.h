// A game on a maze of another shape: the game on its graph, keys by their direction on the
// picture, and the pointer's cell.
#pragma once

#include <optional>
#include <vector>

#include "core/play/CellFinder.h"
#include "core/play/Compass.h"
#include "core/play/Play.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {

// A key's direction on the picture, in degrees (0 right, 90 up).
double KeyDegrees(Direction key);

// Every call is given the maze the game was started on.
class ShapeGame {
public:
    // A new game on `maze`: the marker on S. The cells are filed for the pointer once a shape.
    void Start(const ShapeMaze& maze);
    void Stop() { game_.Stop(); }
    // Forgets the game and the filed cells: for a new maze.
    void Clear();

    // The key's move: to the open neighbour nearest its direction (see Aimed), or refused,
    // remembering the wall it met.
    MoveOutcome Key(const ShapeMaze& maze, Direction key, Millis now);
    // A move to the neighbouring cell `to`, as a click or a drag asks.
    MoveOutcome MoveTo(const ShapeMaze& maze, CellId to, Millis now);
    // The next open cell on the way towards `target`: the open neighbour of the marker whose
    // centre lies nearest target's centre, if it is nearer than the marker's own; nothing
    // where a wall stops a drag (or the marker is there).
    std::optional<CellId> StepToward(const ShapeMaze& maze, CellId target) const;
    std::optional<CellId> Hint(const ShapeMaze& maze) { return game_.Hint(maze.shape.graph, maze.passages); }

    // The cell under `p`, in shape units; nothing outside the maze or before the first game.
    std::optional<CellId> CellUnder(const ShapeMaze& maze, PointF p) const;
    // The wall the last refused key ran into, or -1 (none, or the frame).
    WallId Bumped() const { return bumped_; }
    // The edges of the marker's outline the last refused key ran into: its walls or the frame.
    const std::vector<std::int32_t>& BumpedEdges() const { return bumpedEdges_; }

    const Game& game() const { return game_; }
    Game& game() { return game_; }

private:
    Game game_;
    std::optional<CellFinder> finder_;
    WallId bumped_ = -1;
    std::vector<std::int32_t> bumpedEdges_;
};

}  // namespace tolvane
