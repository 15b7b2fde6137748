// Playing a maze by hand: the marker, the trail behind it, the moves and the clock.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/maze/MazeState.h"
#include "core/render/Geometry.h"

namespace tolvane {

using Millis = std::int64_t;  // a monotonic clock reading, in milliseconds

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

enum class Direction { Right, Left, Down, Up };

enum class MoveOutcome {
    Moved,        // one cell further; the trail grew by it
    SteppedBack,  // onto the cell the trail came from; the last step is rubbed out
    Reached,      // onto G: the game is over and the clock stopped
    Blocked,      // a wall is in the way: nothing changed
    Ignored,      // not playing, or already at G
};

// The time a game has taken. It starts at the first move, stands still while the player is away
// (the window has no focus or is minimised) and stops at G. Times come in from outside.
class PlayClock {
public:
    void Reset();
    void Start(Millis now);
    void Stop(Millis now);
    void SetAway(bool away, Millis now);

    Millis Elapsed(Millis now) const { return elapsed_ + (Running() ? now - since_ : 0); }
    bool Started() const { return started_; }
    bool Running() const { return started_ && !stopped_ && !away_; }
    // Started, not yet at G, and held because the player is away.
    bool Paused() const { return started_ && !stopped_ && away_; }

private:
    Millis elapsed_ = 0;  // the stretches that have ended
    Millis since_ = 0;    // when the running stretch began
    bool started_ = false;
    bool stopped_ = false;
    bool away_ = false;  // survives a restart: the window's focus is not the game's to reset
};

// One game on one maze. The trail is always the one path from S to the marker, without a cell
// twice: a step back onto the cell it came from takes the last step off again.
class Play {
public:
    // A new game on `maze`: the marker on S, the clock at zero until the first move.
    void Start(const MazeState& maze);
    // Ends the game; a game that reached G keeps its trail and result for the picture.
    void Stop() { active_ = false; }
    // Forgets the game altogether: for a new maze.
    void Clear();

    // One step of the marker, if no wall is in the way.
    MoveOutcome Move(const MazeState& maze, Direction direction, Millis now);

    bool Active() const { return active_; }
    bool Finished() const { return active_ && finished_; }
    // G was reached, whether the game is still on or was left since.
    bool AtGoal() const { return finished_; }
    // Some moves made, G not reached: what leaving the game would throw away.
    bool InProgress() const { return active_ && !finished_ && moves_ > 0; }
    Cell Marker() const { return trail_.back(); }
    const std::vector<Cell>& Trail() const { return trail_; }
    int Moves() const { return moves_; }
    // Moves along the shortest route from S to G (its cells less one), known once G is reached:
    // the player's moves compare with it directly.
    int ShortestMoves() const { return shortestMoves_; }
    bool TookShortestRoute() const { return finished_ && moves_ == shortestMoves_; }

    // The first step of the shortest route from the marker to G, counted as a hint taken;
    // nothing when not playing or already at G.
    std::optional<Direction> Hint(const MazeState& maze);
    int Hints() const { return hints_; }
    PlayClock& clock() { return clock_; }
    const PlayClock& clock() const { return clock_; }

    // The maze's size and its goal, read in this one place.
    static Cell StartCell() { return {0, 0}; }
    static Cell GoalCell(const MazeState& maze) { return {maze.LastX(), maze.LastY()}; }

private:
    std::vector<Cell> trail_{StartCell()};
    int moves_ = 0;
    int shortestMoves_ = 0;
    int hints_ = 0;
    bool active_ = false;
    bool finished_ = false;
    PlayClock clock_;
};

// The cell of `maze` under the point (x, y) of a picture drawn with `geometry`, if any.
std::optional<Cell> CellAt(const MazeState& maze, const CellGeometry& geometry, double x, double y);

// Whether the side of `from` that faces `direction` is open.
bool IsOpen(const MazeState& maze, Cell from, Direction direction);

// The neighbour of `cell` in `direction`.
Cell Step(Cell cell, Direction direction);

}  // namespace tolvane
