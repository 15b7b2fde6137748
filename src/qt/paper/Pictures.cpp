// Pictures of a maze.
#include "qt/paper/Pictures.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <span>

#include "core/platform/surface/SvgSurface.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawMaze.h"
#include "core/shape/ShapeMaze.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/surface/PainterSurface.h"
#include "qt/platform/letters/SvgLetters.h"
#include "qt/platform/letters/WindowFont.h"

namespace tolvane {
namespace {

constexpr qreal kCaptionGap = 0.4;     // the space above the caption, in caption line heights
constexpr qreal kCaptionPoints = 9.0;  // small type, whatever the page
constexpr double kMarginCells = 0.5;   // free all round a shape other than the rectangle
constexpr int kUnit = 16;

bool IsRectangle(const ShapeMaze& maze) { return maze.shape.kind == ShapeKind::Rectangle; }

ShapeView ViewOf(const CellGeometry& g)
{
    return {static_cast<float>(g.cell), static_cast<float>(g.left), static_cast<float>(g.top)};
}

ShapeView ViewAt(double unit)
{
    return {static_cast<float>(unit), static_cast<float>(kMarginCells * unit), static_cast<float>(kMarginCells * unit)};
}

void Draw(const ShapeMaze& maze, Answer answer, Surface& surface, const ShapeView& view, const Game* game)
{
    const std::span<const CellId> route = answer == Answer::Shown ? std::span(maze.route) : std::span<const CellId>();
    if (game)
        return DrawShapePlay(maze.shape, maze.passages, *game, surface, view, route);
    DrawShape(maze.shape, maze.passages, surface, view);
    if (!route.empty())
        DrawShapeRoute(maze.shape, route, surface, view);
}

}  // namespace

MazeSize RectangleCells(const Shape& shape)
{
    return {static_cast<int>(std::lround(shape.width)), static_cast<int>(std::lround(shape.height))};
}

int PaperSquare(MazeSize size)
{
    return CellGeometry::For(size).cell >= kPaperCell ? kSquare : CellGeometry::SquareFor(size, kPaperCell);
}

QString MarksNote(MazeSize size)
{
    if (MarksAreLetters(CellGeometry::For(size, PaperSquare(size)), kSmallestOutlineLetter))
        return {};
    return QCoreApplication::translate("Pictures", " · S and G: the blue squares at the top left and bottom right");
}

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

int ShapeUnit(ShapeKind kind)
{
    const bool narrow = kind == ShapeKind::Triangle || kind == ShapeKind::TriangleRectangle;
    return narrow ? 2 * kUnit : kUnit;
}

QSizeF ShapePictureSize(const Shape& shape, double unit)
{
    return {(shape.width + 2 * kMarginCells) * unit, (shape.height + 2 * kMarginCells) * unit};
}

ShapeView ShapePictureView(int unit) { return ViewAt(unit); }

QSize ShapePicturePixels(const Shape& shape, int unit)
{
    const QSizeF size = ShapePictureSize(shape, unit);
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
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

PaperFrame PaperFrameOf(const Shape& shape)
{
    if (shape.kind == ShapeKind::Rectangle) {
        // A big maze gets a bigger square, so that its walls stay whole units apart.
        const MazeSize size = RectangleCells(shape);
        const int square = PaperSquare(size);
        return {QSizeF(square + 1, square + 1), QSizeF(1, 1), ViewOf(CellGeometry::For(size, square))};
    }
    const int unit = ShapeUnit(shape.kind);
    return {ShapePictureSize(shape, unit), ShapePictureSize(shape, 1), ViewAt(unit)};
}

QImage PictureImage(const ShapeMaze& maze, Answer answer, double scale, const Game* game)
{
    if (!IsRectangle(maze))
        return CellPictureImage(maze, answer, ShapePngUnit(maze.shape, 0), game);
    ImageSurface surface(kPictureSide, kPictureSide, WindowFont());
    surface.SetScale(scale);
    Draw(maze, answer, surface, ViewOf(CellGeometry::For(RectangleCells(maze.shape))), game);
    QImage image = surface.image();
    image.setDevicePixelRatio(scale);
    return image;
}

QImage CellPictureImage(const ShapeMaze& maze, Answer answer, int cell, const Game* game)
{
    // A rectangle's lines run from 0 to cell x its sides; another shape keeps half a cell free all round.
    const MazeSize cells = RectangleCells(maze.shape);
    const QSize size = IsRectangle(maze) ? QSize(cell * cells.width + 1, cell * cells.height + 1)
                                         : ShapePicturePixels(maze.shape, cell);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    {
        PainterSurface surface(painter, size, WindowFont());
        Draw(maze, answer, surface, IsRectangle(maze) ? ViewOf(CellGeometry{cell, 0, 0}) : ViewAt(cell), game);
    }
    return image;
}

std::string PictureSvg(const ShapeMaze& maze, Answer answer, const QString& title, const Game* game)
{
    const PaperFrame frame = PaperFrameOf(maze.shape);
    const SvgLetters letters(WindowFont());
    // A rectangle's strokes end and turn square, as the window's whole pixels do; a shape's arcs
    // and slanted walls join round.
    SvgSurface surface(static_cast<float>(frame.size.width()), static_cast<float>(frame.size.height()), title.toStdString(),
                       IsRectangle(maze) ? SvgSurface::Ends::Square : SvgSurface::Ends::Round, &letters);
    Draw(maze, answer, surface, frame.view, game);
    return surface.Document();
}

void PaintPicture(QPainter& painter, const QRectF& target, const ShapeMaze& maze, Answer answer, const Game* game)
{
    const PaperFrame frame = PaperFrameOf(maze.shape);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / frame.size.width(), target.height() / frame.size.height());
    {
        PainterSurface surface(painter, frame.size.toSize(), WindowFont());
        // A sheet of a tiled poster shows a part of the picture: the walls outside it are left out.
        if (painter.hasClipping())
            surface.SetVisible(painter.clipBoundingRect().toAlignedRect().adjusted(-2, -2, 2, 2));
        Draw(maze, answer, surface, frame.view, game);
    }  // the surface paints what it holds back before the painter is restored
    painter.restore();
}

void PaintPage(QPainter& painter, const QRectF& page, const ShapeMaze& maze, Answer answer, const QString& caption,
               const Game* game)
{
    PaintPageAround(painter, page, PaperFrameOf(maze.shape).aspect, caption,
                    [&](const QRectF& picture) { PaintPicture(painter, picture, maze, answer, game); });
}

void PaintPageAround(QPainter& painter, const QRectF& page, const QSizeF& aspect, const QString& caption,
                     const std::function<void(const QRectF&)>& paint)
{
    QFont font;
    font.setPointSizeF(kCaptionPoints);
    const QFontMetricsF metrics(font, painter.device());
    const qreal captionHeight = metrics.height() * (1 + kCaptionGap);
    const qreal scale = std::min(page.width() / aspect.width(), (page.height() - captionHeight) / aspect.height());
    const qreal width = aspect.width() * scale;
    const qreal height = aspect.height() * scale;
    const QRectF picture(page.left() + (page.width() - width) / 2, page.top() + (page.height() - height - captionHeight) / 2,
                         width, height);
    paint(picture);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(picture.left(), picture.bottom() + metrics.height() * kCaptionGap, width, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, caption);
    painter.restore();
}

}  // namespace tolvane
