// Save Animation…: the game played, or the route's replay, of the maze shown as an animated picture.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/maze/MazeState.h"
#include "core/play/Game.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"
#include "qt/paper/Progress.h"

namespace tolvane {

// Writes to `path` (.gif or .webp) the animation of what the window shows of `maze`: with a
// `game`, its trail from S growing move by move, ending on the game's picture (the whole route
// over it when `answer` shows it); otherwise the route's replay. A step every `paceMs`
// milliseconds. The reason of a failure, or nothing; the file appears only when complete.
std::optional<QString> WriteShownAnimation(const QString& path, const MazeState& maze, const Game* game, Answer answer,
                                           int paceMs, Progress* progress = nullptr);

// The same for a maze of another shape, painted as its PNG file is: with a `game`, its trail
// growing move by move; otherwise the route's replay.
std::optional<QString> WriteShownAnimation(const QString& path, const ShapeMaze& maze, const Game* game, Answer answer,
                                           int paceMs, Progress* progress = nullptr);

// Asks where to save (a GIF or a WebP, the type from the filter or the name's extension),
// starting in `folder` and keeping the folder chosen there, writes the animation, and says in a
// message box why when it cannot.
void SaveAnimation(QWidget& window, const QString& code, const MazeState& maze, const Game* game, Answer answer,
                   int paceMs, QString& folder);
void SaveAnimation(QWidget& window, const QString& code, const ShapeMaze& maze, const Game* game, Answer answer,
                   int paceMs, QString& folder);

}  // namespace tolvane
