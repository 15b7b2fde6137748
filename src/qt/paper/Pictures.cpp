// Pictures of a maze.
#include "qt/paper/Pictures.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include "core/platform/SvgSurface.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawMaze.h"
#include "core/shape/ShapeMaze.h"
#include "qt/platform/ImageSurface.h"
#include "qt/platform/PainterSurface.h"
#include "qt/platform/SvgLetters.h"
#include "qt/platform/WindowFont.h"

namespace tolvane {
namespace {

constexpr qreal kCaptionGap = 0.4;     // the space above the caption, in caption line heights
constexpr qreal kCaptionPoints = 9.0;  // small type, whatever the page

void Draw(const MazeState& maze, Surface& surface, Answer answer, const Game* play, const CellGeometry& geometry)
{
    if (play) {
        // A game is drawn as on any shape, in the classic picture's strokes.
        const ShapeMaze shaped = ShapeMazeOf(maze);
        DrawShapePlay(shaped.shape, shaped.passages, *play, surface, ShapeView::Of(geometry),
                      answer == Answer::Shown ? std::span(shaped.route) : std::span<const CellId>());
    } else
        DrawPicture(maze, surface, answer, geometry);
}

}  // namespace

QImage PictureImage(const MazeState& maze, Answer answer, double scale, const Game* play)
{
    ImageSurface surface(kPictureSide, kPictureSide, WindowFont());
    surface.SetScale(scale);
    Draw(maze, surface, answer, play, CellGeometry::For(maze.size));
    QImage image = surface.image();
    image.setDevicePixelRatio(scale);
    return image;
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

QImage CellPictureImage(const MazeState& maze, Answer answer, int cell)
{
    const QSize size(cell * maze.size.width + 1, cell * maze.size.height + 1);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    {
        PainterSurface surface(painter, size, WindowFont());
        DrawPicture(maze, surface, answer, CellGeometry{cell, 0, 0});
    }
    return image;
}

std::string PictureSvg(const MazeState& maze, Answer answer, const QString& title, const Game* play)
{
    // A big maze gets a bigger canvas, so that its walls stay whole units apart.
    const int square = PaperSquare(maze.size);
    const auto side = static_cast<float>(square + 1);
    const SvgLetters letters(WindowFont());
    SvgSurface surface(side, side, title.toStdString(), SvgSurface::Ends::Square, &letters);
    Draw(maze, surface, answer, play, CellGeometry::For(maze.size, square));
    return surface.Document();
}

void PaintPicture(QPainter& painter, const QRectF& target, const MazeState& maze, Answer answer, const Game* play)
{
    const int square = PaperSquare(maze.size);
    const int side = square + 1;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / side, target.height() / side);
    {
        PainterSurface surface(painter, QSize(side, side), WindowFont());
        // A sheet of a tiled poster shows a part of the picture: the walls outside it are left out.
        if (painter.hasClipping())
            surface.SetVisible(painter.clipBoundingRect().toAlignedRect().adjusted(-2, -2, 2, 2));
        Draw(maze, surface, answer, play, CellGeometry::For(maze.size, square));
    }  // the surface paints what it holds back before the painter is restored
    painter.restore();
}

void PaintPage(QPainter& painter, const QRectF& page, const MazeState& maze, Answer answer, const QString& caption,
               const Game* play)
{
    PaintPageAround(painter, page, QSizeF(1, 1), caption + MarksNote(maze.size),
                    [&](const QRectF& picture) { PaintPicture(painter, picture, maze, answer, play); });
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
