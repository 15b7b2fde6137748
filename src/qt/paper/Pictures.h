// Pictures of a maze for the clipboard, files and paper, drawn by the window's own drawing code.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <string>

#include "core/maze/MazeState.h"
#include "core/render/Geometry.h"
#include "core/play/Game.h"
#include "core/solve/Answer.h"

namespace tolvane {

// A PNG is held whole while it is written, four bytes a pixel: 2^25 pixels, 128 MiB, is as big
// as it gets, whatever its shape (a 1001 x 1001 maze at 5 pixels a cell, 301 x 301 at 19).
inline constexpr long long kLargestPngPixels = 1LL << 25;

// The window's maze picture: lines from 0 to 357 on both axes, in logical pixels.
inline constexpr int kPictureSide = kSquare + 1;

// On paper a wall is one unit of the picture, and a cell at least this many: walls thin
// enough to stay apart, however big the maze.
inline constexpr int kPaperCell = 4;

// The square a maze's picture on paper spans, in units: the window's for every maze whose
// cells there are at least kPaperCell pixels, otherwise kPaperCell units a cell.
int PaperSquare(MazeSize size);

// What a caption adds when the picture on paper marks S and G with squares, its cells being
// too small for letters: which square is which. Empty when the letters are drawn.
QString MarksNote(MazeSize size);

// With `play`, each picture shows that game's trail and marker as the window does.

// The picture's pixels exactly as the window paints them at `scale` device pixels a pixel.
QImage PictureImage(const MazeState& maze, Answer answer, double scale = 1.0, const Game* play = nullptr);

// The picture at `cell` pixels a cell, as big as that makes it and no bigger, a wide maze wide:
// for mazes too big for the window's square. Painted through the vector surface, which keeps no
// strokes.
QImage CellPictureImage(const MazeState& maze, Answer answer, int cell);

// The picture as an SVG document of PaperSquare + 1 units a side, written directly: the walls
// joined into runs, the route one stroke, S and G outlines; drawn back at a unit a pixel, the
// pixels of a PNG at the same cells.
std::string PictureSvg(const MazeState& maze, Answer answer, const QString& title, const Game* play = nullptr);

// The picture as vectors, scaled to fill the square `target` of the painter's device.
void PaintPicture(QPainter& painter, const QRectF& target, const MazeState& maze, Answer answer,
                  const Game* play = nullptr);

// One page: the picture centred and as large as `page` allows, `caption` in small type under it.
void PaintPage(QPainter& painter, const QRectF& page, const MazeState& maze, Answer answer, const QString& caption,
               const Game* play = nullptr);

// A page around any picture: `paint` fills the largest rectangle of `aspect`'s proportions that
// leaves room for `caption` under it, centred on `page`.
void PaintPageAround(QPainter& painter, const QRectF& page, const QSizeF& aspect, const QString& caption,
                     const std::function<void(const QRectF&)>& paint);

}  // namespace tolvane
