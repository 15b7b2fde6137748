// Playing a maze by hand: the marker, the trail behind it, the moves and the clock.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"
#include "core/play/Game.h"
#include "core/render/Geometry.h"

namespace tolvane {

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

enum class Direction { Right, Left, Down, Up };

// One game on a rectangle's maze, by cells and the four sides: the game on its graph, which is
// read from the maze once, when the game starts.
class Play {
public:
    // A new game on `maze`: the marker on S, the clock at zero until the first move.
    void Start(const MazeState& maze);
    // Ends the game; a game that reached G keeps its trail and result for the picture.
    void Stop() { game_.Stop(); }
    // Forgets the game altogether: for a new maze.
    void Clear()
    {
        game_.Clear();
        trail_.clear();
    }

    // One step of the marker, if no wall is in the way: on the maze the game started on.
    MoveOutcome Move(const MazeState& maze, Direction direction, Millis now);

    bool Active() const { return game_.Active(); }
    bool Finished() const { return game_.Finished(); }
    // G was reached, whether the game is still on or was left since.
    bool AtGoal() const { return game_.AtGoal(); }
    // Some moves made, G not reached: what leaving the game would throw away.
    bool InProgress() const { return game_.InProgress(); }
    Cell Marker() const { return CellOf(game_.Marker()); }
    // The trail's cells from S to the marker.
    const std::vector<Cell>& Trail() const { return trail_; }
    int Moves() const { return game_.Moves(); }
    // Moves along the shortest route from S to G (its cells less one), known once G is reached:
    // the player's moves compare with it directly.
    int ShortestMoves() const { return game_.ShortestMoves(); }
    bool TookShortestRoute() const { return game_.TookShortestRoute(); }

    // The first step of the shortest route from the marker to G, counted as a hint taken;
    // nothing when not playing or already at G.
    std::optional<Direction> Hint(const MazeState& maze);
    int Hints() const { return game_.Hints(); }
    PlayClock& clock() { return game_.clock(); }
    const PlayClock& clock() const { return game_.clock(); }
    const Game& game() const { return game_; }

    // The maze's size and its goal, read in this one place.
    static Cell StartCell() { return {0, 0}; }
    static Cell GoalCell(const MazeState& maze) { return {maze.LastX(), maze.LastY()}; }

private:
    Cell CellOf(CellId id) const { return {id % width_, id / width_}; }
    // Brings the trail's cells up to the game's after a move, which only ever cuts the trail
    // back or adds to its end.
    void FollowTrail();

    Game game_;
    MazeGraph graph_;
    Passages passages_;
    MazeSize size_;
    int width_ = 1;
    std::vector<Cell> trail_;  // the game's trail as cells, kept as it changes
};

// The cell of `maze` under the point (x, y) of a picture drawn with `geometry`, if any.
std::optional<Cell> CellAt(const MazeState& maze, const CellGeometry& geometry, double x, double y);

// Whether the side of `from` that faces `direction` is open.
bool IsOpen(const MazeState& maze, Cell from, Direction direction);

// The neighbour of `cell` in `direction`.
Cell Step(Cell cell, Direction direction);

}  // namespace tolvane
