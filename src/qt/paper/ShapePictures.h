// Pictures of mazes of any shape for files and paper, drawn through the vector surface.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSizeF>
#include <string>

#include "core/play/Game.h"
#include "core/render/DrawShape.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"
#include "qt/paper/Pictures.h"

namespace tolvane {

// Pixels a cell in a PNG of a shape unless asked otherwise, and units a cell of an SVG or a
// PDF's picture: room for the letters S and G inside a cell, twice as much for a triangle,
// whose cells are narrow. A PNG keeps to at most kLargestPngPixels pixels, as every PNG does.
int ShapeUnit(ShapeKind kind);

// The picture's size at `unit` pixels a cell: the shape and half a cell free all round.
QSizeF ShapePictureSize(const Shape& shape, double unit);

// The pixels a cell a PNG of `shape` gets: `asked` when given, else ShapeUnit, made smaller
// (down to 1) while the picture would have more than kLargestPngPixels pixels.
int ShapePngUnit(const Shape& shape, int asked);

// With a `game`, the game's picture instead: its trail and marker, the route over them when shown.
QImage ShapePictureImage(const ShapeMaze& maze, Answer answer, int unit, const Game* game = nullptr);

// Where the shape lies on that picture, and the picture's size in whole pixels.
ShapeView ShapePictureView(int unit);
QSize ShapePicturePixels(const Shape& shape, int unit);

// The picture as vectors, filling `target` (of the picture's proportions) on the painter's device.
void PaintShapePicture(QPainter& painter, const QRectF& target, const ShapeMaze& maze, Answer answer,
                       const Game* game = nullptr);

// Where a shape's S and G are, for its caption.
QString WhereSAndGAre(ShapeKind kind);

// The picture as an SVG document, written directly: walls and the route as paths with true
// arcs, S and G as outlines.
std::string ShapeSvg(const ShapeMaze& maze, Answer answer, const QString& title, const Game* game = nullptr);

}  // namespace tolvane
