// What a game says: the status beside the maze and the words a screen reader speaks.
#pragma once

#include <QString>
#include <optional>

#include "core/play/Compass.h"
#include "core/play/Play.h"
#include "core/shape/Shape.h"

namespace tolvane {

// A time as m:ss, or h:mm:ss from an hour on; with `tenths`, one decimal more.
QString ClockText(Millis elapsed, bool tenths = false);

// The status area: the time and the moves, "paused" while the player is away, the result at G (kept once the game is left).
QString StatusText(const Game& game, Millis elapsed);

// The result at G: the moves against the shortest route's moves, and the time.
QString ResultWords(const Game& game, Millis elapsed);

// What a screen reader says, the ways named for the shape: the picture's sides on square cells
// ("corridor: up and right open"), "clockwise", "outward", ... on a circle (the centre's ways by
// the hour they lead to), "north-east", ... on hexagons and triangles. A refused key names the
// key's side.
QString WayWord(Way way);
// What the cell offers: "dead end", "corridor: up and right open", "junction: left, right and
// down open". Off square cells each way also names the arrow key that takes it from `cell`, aimed
// as the game aims keys with `previous` the cell the marker came from: "anticlockwise (Up)".
QString CellWords(const Shape& shape, const Passages& passages, CellId cell, std::optional<CellId> previous = std::nullopt);
QString MoveWords(const Shape& shape, const Passages& passages, const Game& game, MoveOutcome outcome, Direction key,
                  Millis elapsed);
QString StartWords(const Shape& shape, const Passages& passages, const Game& game);
// Where the marker is: a rectangle's row and column, a circle's ring and place on it, elsewhere
// how far across and down the picture.
QString WhereWords(const Shape& shape, const Passages& passages, const Game& game, Millis elapsed);
// A hint taken: "hint: right", or that there is none.
QString HintWords(const Shape& shape, const Passages& passages, const Game& game, std::optional<CellId> next);

}  // namespace tolvane
