// What a game says: the status beside the maze and the words a screen reader speaks.
#pragma once

#include <QString>
#include <optional>

#include "core/maze/MazeState.h"
#include "core/play/Play.h"

namespace tolvane {

// A time as m:ss, or h:mm:ss from an hour on; with `tenths`, one decimal more.
QString ClockText(Millis elapsed, bool tenths = false);

// The status area: the time and the moves, "paused" while the player is away, the result at G (kept once the game is left).
QString StatusText(const Play& play, Millis elapsed);

// What the cell offers: "dead end", "corridor: up and right open", "junction: left, right and
// down open".
QString CellWords(const MazeState& maze, Cell cell);

// The result at G: the moves against the shortest route's moves, and the time.
QString ResultWords(const Play& play, Millis elapsed);

// What a screen reader says after a move, a refused move, at the start, and where the marker is.
QString MoveWords(const MazeState& maze, const Play& play, MoveOutcome outcome, Direction direction, Millis elapsed);
QString StartWords(const MazeState& maze, const Play& play);
QString WhereWords(const MazeState& maze, const Play& play, Millis elapsed);
// A hint taken: "hint: right", or that there is none.
QString HintWords(std::optional<Direction> next);

}  // namespace tolvane
