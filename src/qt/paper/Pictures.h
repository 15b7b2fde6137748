// Pictures of a maze of any shape for the clipboard, files and paper, drawn by the window's own
// drawing code: the rectangle with exactly the window's strokes, every other shape through the same calls.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string>

#include "core/play/Game.h"
#include "core/render/DrawShape.h"
#include "core/render/Geometry.h"
#include "core/play/Game.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"

namespace tolvane {

// A PNG is held whole while it is written, four bytes a pixel: 2^25 pixels, 128 MiB, is as big
// as it gets, whatever its shape (a 1001 x 1001 maze at 5 pixels a cell, 301 x 301 at 19).
inline constexpr long long kLargestPngPixels = 1LL << 25;

// The window's maze picture: lines from 0 to 357 on both axes, in logical pixels.
inline constexpr int kPictureSide = kSquare + 1;

// On paper a rectangle's wall is one unit of the picture, and a cell at least this many: walls
// thin enough to stay apart, however big the maze.
inline constexpr int kPaperCell = 4;

// A rectangle shape's cells across and down.
MazeSize RectangleCells(const Shape& shape);

// The square a rectangle's picture on paper spans, in units: the window's for every maze whose
// cells there are at least kPaperCell pixels, otherwise kPaperCell units a cell.
int PaperSquare(MazeSize size);

// What a rectangle's caption adds when the picture on paper marks S and G with squares, its
// cells being too small for letters: which square is which. Empty when the letters are drawn.
QString MarksNote(MazeSize size);

// Where a shape's S and G are, for the captions of every shape but the rectangle, whose letters
// (or MarksNote) say it.
QString WhereSAndGAre(ShapeKind kind);

// Units a cell of a shape's picture other than a rectangle's, and its PNG's pixels a cell unless
// asked otherwise: room for the letters S and G inside a cell, twice as much for a triangle,
// whose cells are narrow.
int ShapeUnit(ShapeKind kind);

// Such a picture's size at `unit` pixels a cell: the shape and half a cell free all round; where
// the shape lies on it; and its size in whole pixels.
QSizeF ShapePictureSize(const Shape& shape, double unit);
ShapeView ShapePictureView(int unit);
QSize ShapePicturePixels(const Shape& shape, int unit);

// The pixels a cell a PNG of a shape other than the rectangle gets: `asked` when given, else
// ShapeUnit, made smaller (down to 1) while the picture would have more than kLargestPngPixels.
int ShapePngUnit(const Shape& shape, int asked);

// Where a maze lies on its picture on paper (an SVG, a PDF's page, a printed sheet), in the
// picture's own units: a rectangle fills its paper square as it fills the window's, every other
// shape has ShapeUnit units a cell and half a cell free all round.
struct PaperFrame {
    QSizeF size;    // the picture, in units
    QSizeF aspect;  // its proportions, as a page fits it
    ShapeView view;
};
PaperFrame PaperFrameOf(const Shape& shape);

// With `game`, each picture shows that game's trail and marker as the window does; with the
// answer shown, the route over them.

// The picture a PNG gets without a size asked for: a rectangle's pixels exactly as the window
// paints them at `scale` device pixels a pixel; another shape at ShapePngUnit pixels a cell.
QImage PictureImage(const ShapeMaze& maze, Answer answer, double scale = 1.0, const Game* game = nullptr);

// The picture at `cell` pixels a cell, as big as that makes it and no bigger, a wide maze wide:
// for mazes too big for the window's square. Painted through the vector surface.
QImage CellPictureImage(const ShapeMaze& maze, Answer answer, int cell, const Game* game = nullptr);

// The picture as an SVG document of the paper frame's size, written directly: the walls joined
// into runs, the route one stroke, S and G outlines. A rectangle drawn back at a unit a pixel
// gives the pixels of its PNG at the same cells.
std::string PictureSvg(const ShapeMaze& maze, Answer answer, const QString& title, const Game* game = nullptr);

// The picture as vectors, scaled to fill `target` (of the paper frame's proportions) on the
// painter's device.
void PaintPicture(QPainter& painter, const QRectF& target, const ShapeMaze& maze, Answer answer,
                  const Game* game = nullptr);

// One page: the picture centred and as large as `page` allows, `caption` in small type under it.
void PaintPage(QPainter& painter, const QRectF& page, const ShapeMaze& maze, Answer answer, const QString& caption,
               const Game* game = nullptr);

// A page around any picture: `paint` fills the largest rectangle of `aspect`'s proportions that
// leaves room for `caption` under it, centred on `page`.
void PaintPageAround(QPainter& painter, const QRectF& page, const QSizeF& aspect, const QString& caption,
                     const std::function<void(const QRectF&)>& paint);

}  // namespace tolvane
