// Playing a maze of any shape by hand: keys by their direction on the picture, clicks and drags,
// the hint, and the wall a refused move met, over the game on the maze's graph.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/maze/MazeState.h"
#include "core/play/CellFinder.h"
#include "core/play/Game.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {

// A cell of a rectangle by column and row.
struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// An arrow key.
enum class Direction { Right, Left, Down, Up };

// A key's direction on the picture, in degrees (0 right, 90 up).
double KeyDegrees(Direction key);

// One game on a maze of any shape. Every call is given the maze the game was started on; the
// rectangle is one shape among the others, so that its arrow keys, clicks and drags are the
// same rules as a hexagon's.
class Play {
public:
    // A new game on `maze`: the marker on S, the clock at zero until the first move. The cells
    // are filed for the pointer once a maze.
    void Start(const ShapeMaze& maze);
    // Ends the game; a game that reached G keeps its trail and result for the picture.
    void Stop() { game_.Stop(); }
    // Forgets the game and the filed cells: for a new maze.
    void Clear();

    // The key's move: to the open neighbour nearest its direction (see Aimed), or refused,
    // remembering what it met.
    MoveOutcome Key(const ShapeMaze& maze, Direction key, Millis now);
    // A move to the neighbouring cell `to`, as a click or a drag asks; refused across a wall,
    // remembering that wall.
    MoveOutcome MoveTo(const ShapeMaze& maze, CellId to, Millis now);
    // The next open cell on the way towards `target`: the open neighbour of the marker whose
    // centre lies nearest target's centre, if it is nearer than the marker's own; nothing
    // where a wall stops a drag (or the marker is there). Of two as near, the first the graph
    // lists, which on square cells is the step across before the step down.
    std::optional<CellId> StepToward(const ShapeMaze& maze, CellId target) const;
    // The first step of a shortest route from the marker to G, counted as a hint taken.
    std::optional<CellId> Hint(const ShapeMaze& maze) { return game_.Hint(maze.shape.graph, maze.passages); }

    // The cell under `p`, in shape units; nothing outside the maze or before the first game.
    std::optional<CellId> CellUnder(const ShapeMaze& maze, PointF p) const;
    // The wall the last refused move ran into, or -1 (none, or the frame).
    WallId Bumped() const { return bumped_; }
    // The edges of the marker's outline the last refused move ran into: its walls or the frame.
    const std::vector<std::int32_t>& BumpedEdges() const { return bumpedEdges_; }

    bool Active() const { return game_.Active(); }
    bool Finished() const { return game_.Finished(); }
    bool AtGoal() const { return game_.AtGoal(); }
    bool InProgress() const { return game_.InProgress(); }
    CellId Marker() const { return game_.Marker(); }
    int Moves() const { return game_.Moves(); }
    PlayClock& clock() { return game_.clock(); }
    const PlayClock& clock() const { return game_.clock(); }
    const Game& game() const { return game_; }

private:
    void Refused(WallId wall, std::vector<std::int32_t> edges);

    Game game_;
    std::optional<CellFinder> finder_;
    WallId bumped_ = -1;
    std::vector<std::int32_t> bumpedEdges_;
};

// Whether the side of `from` that faces `direction` is open in the classic state.
bool IsOpen(const MazeState& maze, Cell from, Direction direction);

// The neighbour of `cell` in `direction`.
Cell Step(Cell cell, Direction direction);

}  // namespace tolvane
