// Pictures of mazes of any shape.
#include "qt/paper/ShapePictures.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/platform/SvgSurface.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawShape.h"
#include "qt/platform/PainterSurface.h"
#include "qt/platform/SvgLetters.h"
#include "qt/platform/WindowFont.h"

namespace tolvane {
namespace {

constexpr double kMarginCells = 0.5;
constexpr int kUnit = 16;

ShapeView ViewAt(double unit)
{
    return {static_cast<float>(unit), static_cast<float>(kMarginCells * unit), static_cast<float>(kMarginCells * unit)};
}

void Draw(const ShapeMaze& maze, Answer answer, Surface& surface, double unit, const Game* game)
{
    const ShapeView view = ViewAt(unit);
    if (game) {
        const std::span<const CellId> route = answer == Answer::Shown ? std::span(maze.route) : std::span<const CellId>();
        return DrawShapePlay(maze.shape, maze.passages, *game, surface, view, route);
    }
    DrawShape(maze.shape, maze.passages, surface, view);
    if (answer == Answer::Shown)
        DrawShapeRoute(maze.shape, maze.route, surface, view);
}

}  // namespace

QString WhereSAndGAre(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Circle:
        return QCoreApplication::translate("Export", "S at the centre, G on the rim");
    case ShapeKind::Triangle:
        return QCoreApplication::translate("Export", "S at the top, G at the bottom right");
    case ShapeKind::Outline:
        return QCoreApplication::translate("Export", "S and G at the ends of the longest way, S the left one");
    default:
        return QCoreApplication::translate("Export", "S at the top left, G at the bottom right");
    }
}

QSizeF ShapePictureSize(const Shape& shape, double unit)
{
    return {(shape.width + 2 * kMarginCells) * unit, (shape.height + 2 * kMarginCells) * unit};
}

int ShapeUnit(ShapeKind kind)
{
    const bool narrow = kind == ShapeKind::Triangle || kind == ShapeKind::TriangleRectangle;
    return narrow ? 2 * kUnit : kUnit;
}

int ShapePngUnit(const Shape& shape, int asked)
{
    int unit = asked > 0 ? asked : ShapeUnit(shape.kind);
    const auto fits = [&](int u) {
        const QSize pixels = ShapePicturePixels(shape, u);
        return static_cast<long long>(pixels.width()) * pixels.height() <= kLargestPngPixels;
    };
    while (unit > 1 && !fits(unit))
        --unit;
    return unit;
}

ShapeView ShapePictureView(int unit) { return ViewAt(unit); }

QSize ShapePicturePixels(const Shape& shape, int unit)
{
    const QSizeF size = ShapePictureSize(shape, unit);
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

QImage ShapePictureImage(const ShapeMaze& maze, Answer answer, int unit, const Game* game)
{
    const QSize pixels = ShapePicturePixels(maze.shape, unit);
    QImage image(pixels, QImage::Format_RGB32);
    QPainter painter(&image);
    {
        PainterSurface surface(painter, pixels, WindowFont());
        Draw(maze, answer, surface, unit, game);
    }
    return image;
}

void PaintShapePicture(QPainter& painter, const QRectF& target, const ShapeMaze& maze, Answer answer,
                       const Game* game)
{
    const int unit = ShapeUnit(maze.shape.kind);
    const QSizeF size = ShapePictureSize(maze.shape, unit);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    {
        PainterSurface surface(painter, size.toSize(), WindowFont());
        Draw(maze, answer, surface, unit, game);
    }  // the surface paints the letters it holds back before the painter is restored
    painter.restore();
}

std::string ShapeSvg(const ShapeMaze& maze, Answer answer, const QString& title, const Game* game)
{
    const int unit = ShapeUnit(maze.shape.kind);
    const QSizeF size = ShapePictureSize(maze.shape, unit);
    const SvgLetters letters(WindowFont());
    SvgSurface surface(static_cast<float>(size.width()), static_cast<float>(size.height()), title.toStdString(),
                       SvgSurface::Ends::Round, &letters);
    Draw(maze, answer, surface, unit, game);
    return surface.Document();
}

}  // namespace tolvane
