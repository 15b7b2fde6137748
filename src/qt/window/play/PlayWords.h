// What a game says: the status beside the maze and the words a screen reader speaks.
#pragma once

#include <QString>
#include <optional>

#include "core/maze/MazeState.h"
#include "core/play/Compass.h"
#include "core/play/Play.h"
#include "core/shape/Shape.h"

namespace tolvane {

// A time as m:ss, or h:mm:ss from an hour on; with `tenths`, one decimal more.
QString ClockText(Millis elapsed, bool tenths = false);

// The status area: the time and the moves, "paused" while the player is away, the result at G (kept once the game is left).
QString StatusText(const Game& game, Millis elapsed);
inline QString StatusText(const Play& play, Millis elapsed) { return StatusText(play.game(), elapsed); }

// What the cell offers: "dead end", "corridor: up and right open", "junction: left, right and
// down open".
QString CellWords(const MazeState& maze, Cell cell);

// The result at G: the moves against the shortest route's moves, and the time.
QString ResultWords(const Game& game, Millis elapsed);
inline QString ResultWords(const Play& play, Millis elapsed) { return ResultWords(play.game(), elapsed); }

// What a screen reader says after a move, a refused move, at the start, and where the marker is.
QString MoveWords(const MazeState& maze, const Play& play, MoveOutcome outcome, Direction direction, Millis elapsed);
QString StartWords(const MazeState& maze, const Play& play);
QString WhereWords(const MazeState& maze, const Play& play, Millis elapsed);
// A hint taken: "hint: right", or that there is none.
QString HintWords(std::optional<Direction> next);

// The same on a maze of another shape, its ways named for the shape: "clockwise", "outward",
// ... on a circle (the centre's ways by the hour they lead to), "north-east", ... on hexagons and
// triangles, and the picture's sides on square cells. A refused key names the key's side.
QString WayWord(Way way);
// Off square cells each way also names the arrow key that takes it from `cell`, aimed as the game
// aims keys with `previous` the cell the marker came from: "anticlockwise (Up)".
QString CellWords(const Shape& shape, const Passages& passages, CellId cell, std::optional<CellId> previous = std::nullopt);
QString MoveWords(const Shape& shape, const Passages& passages, const Game& game, MoveOutcome outcome, Direction key,
                  Millis elapsed);
QString StartWords(const Shape& shape, const Passages& passages, const Game& game);
QString WhereWords(const Shape& shape, const Passages& passages, const Game& game, Millis elapsed);
QString HintWords(const Shape& shape, const Passages& passages, const Game& game, std::optional<CellId> next);

}  // namespace tolvane
