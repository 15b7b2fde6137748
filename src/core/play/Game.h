// A game played by hand on a maze of any shape: the marker, the trail, the moves, the clock.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/graph/MazeGraph.h"

namespace tolvane {

using Millis = std::int64_t;  // a monotonic clock reading, in milliseconds

enum class MoveOutcome {
    Moved,        // one cell further; the trail grew by it
    SteppedBack,  // onto a cell the trail holds (the one it came from, in a perfect maze): the trail is cut back to it
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

// One game over a maze graph and its passages, which every call is given: the same ones from
// Start to the end of the game. The trail is always the one path from S to the marker, without
// a cell twice: a step back onto the cell it came from takes the last step off again.
class Game {
public:
    // A new game: the marker on S, the clock at zero until the first move.
    void Start(const MazeGraph& graph);
    // Ends the game; a game that reached G keeps its trail and result for the picture.
    void Stop() { active_ = false; }
    // Forgets the game altogether: for a new maze.
    void Clear();

    // One step of the marker onto the neighbouring cell `to`, if the wall between them is open.
    MoveOutcome Move(const MazeGraph& graph, const Passages& passages, CellId to, Millis now);
    // The first step of a shortest route from the marker to G, counted as a hint taken; nothing
    // when not playing or already at G.
    std::optional<CellId> Hint(const MazeGraph& graph, const Passages& passages);

    bool Active() const { return active_; }
    bool Finished() const { return active_ && finished_; }
    // G was reached, whether the game is still on or was left since.
    bool AtGoal() const { return finished_; }
    // Some moves made, G not reached: what leaving the game would throw away.
    bool InProgress() const { return active_ && !finished_ && moves_ > 0; }
    CellId Marker() const { return trail_.back(); }
    // The cell the marker came from, or nothing on S.
    std::optional<CellId> Previous() const
    {
        return trail_.size() > 1 ? std::optional(trail_[trail_.size() - 2]) : std::nullopt;
    }
    const std::vector<CellId>& Trail() const { return trail_; }
    int Moves() const { return moves_; }
    // Moves along a shortest route from S to G (its cells less one), known once G is reached:
    // the player's moves compare with it directly.
    int ShortestMoves() const { return shortestMoves_; }
    bool TookShortestRoute() const { return finished_ && moves_ == shortestMoves_; }
    int Hints() const { return hints_; }
    PlayClock& clock() { return clock_; }
    const PlayClock& clock() const { return clock_; }

private:
    CellId start_ = 0;
    std::vector<CellId> trail_{0};
    std::vector<std::int32_t> place_;  // each cell's index in the trail, or -1 off it
    int moves_ = 0;
    int shortestMoves_ = 0;
    int hints_ = 0;
    bool active_ = false;
    bool finished_ = false;
    PlayClock clock_;
};

}  // namespace tolvane
