// The backing-image surface.
#include "qt/platform/surface/ImageSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/platform/RuntimeError.h"
#include "core/platform/surface/LineSpans.h"
#include "qt/platform/surface/PathOf.h"

namespace tolvane {

ImageSurface::ImageSurface(int width, int height, const QFont& font, bool keepStrokes)
    : width_(width), height_(height), font_(font), keepStrokes_(keepStrokes)
{
    // Text is painted pixel by pixel in one colour, as the glyph's own pixels and nothing else.
    font_.setStyleStrategy(QFont::NoAntialias);
    SetScale(1.0);
}

void ImageSurface::SetScale(double scale)
{
    if (!(scale > 0) || !std::isfinite(scale))
        throw RuntimeError(ErrorKind::PlatformFailure, "Invalid device pixel ratio " + std::to_string(scale));
    scale_ = scale;
    image_ = QImage(static_cast<int>(std::ceil(width_ * scale)), static_cast<int>(std::ceil(height_ * scale)),
                    QImage::Format_RGB32);
    if (image_.isNull())
        throw RuntimeError(ErrorKind::PlatformFailure, "Out of memory for the drawing surface");
    image_.fill(ToQRgb(kWhite));
    for (const Stroke& stroke : strokes_)
        Paint(stroke);
}

void ImageSurface::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
    strokes_.clear();
    SetScale(scale_);
}

void ImageSurface::Cls()
{
    strokes_.clear();
    image_.fill(ToQRgb(kWhite));
}

void ImageSurface::Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour)
{
    to = EndOf(from, to, end);
    Keep({Stroke::Kind::Line, from, to, ToQRgb(colour.value_or(foreColor_)), drawWidth_, {}});
}

void ImageSurface::Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour)
{
    strokes_.push_back({Stroke::Kind::Path, from, {}, ToQRgb(colour.value_or(foreColor_)), drawWidth_, {}, {pieces.begin(), pieces.end()}});
    Paint(strokes_.back());
}

void ImageSurface::Fill(PointF from, std::span<const PathPiece> pieces, Colour colour)
{
    Keep({Stroke::Kind::Fill, from, {}, ToQRgb(colour), 0, {}, {pieces.begin(), pieces.end()}});
}

void ImageSurface::Print(std::string_view text)
{
    Keep({Stroke::Kind::Text,
          {currentX_, currentY_},
          {},
          ToQRgb(foreColor_),
          0,
          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
}

void ImageSurface::Keep(Stroke stroke)
{
    Paint(stroke);
    if (keepStrokes_)
        strokes_.push_back(std::move(stroke));
}

void ImageSurface::PrintFitted(std::string_view text, PointF topLeft, float side)
{
    strokes_.push_back({Stroke::Kind::Fitted,
                        topLeft,
                        {side, side},
                        ToQRgb(foreColor_),
                        0,
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
    Paint(strokes_.back());
}

void ImageSurface::Paint(const Stroke& stroke)
{
    switch (stroke.kind) {
    case Stroke::Kind::Line:
        PaintLine(stroke);
        break;
    case Stroke::Kind::Path:
    case Stroke::Kind::Fill:
        PaintPath(stroke);
        break;
    case Stroke::Kind::Text:
        PaintText(stroke);
        break;
    case Stroke::Kind::Fitted:
        PaintFitted(stroke);
        break;
    }
}

void ImageSurface::PaintLine(const Stroke& s)
{
    if (s.from.x != s.to.x && s.from.y != s.to.y) {
        QPainter painter(&image_);
        // Slanted lines never occur in the maze; draw them plainly, without anti-aliasing.
        painter.scale(scale_, scale_);
        painter.setPen(QPen(QColor(s.colour), s.width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
        return;
    }
    const bool horizontal = s.from.y == s.to.y;
    const Span along = horizontal ? Along(s.from.x, s.to.x, s.width) : Along(s.from.y, s.to.y, s.width);
    const Span across = Across(horizontal ? s.from.y : s.from.x, s.width);
    // In device pixels every line of one width is equally thick whatever the ratio, and a
    // line ends exactly on the far side of the pixel it ends on, so lines that meet in
    // logical pixels still meet.
    auto device = [this](int logical) { return static_cast<int>(std::floor(logical * scale_)); };
    const int unit = std::max(1, static_cast<int>(std::lround(scale_)));
    const int thickness = std::max(1, static_cast<int>(std::lround(s.width * scale_)));
    const int length = device(along.last) + unit - device(along.first);
    const QRect rect = (horizontal ? QRect(device(along.first), device(across.first), length, thickness)
                                   : QRect(device(across.first), device(along.first), thickness, length)) &
                       image_.rect();
    // The pixels themselves: a painter made for every line cost more than the line, and a watch
    // at full pace paints thousands of short ones a second.
    const QRgb colour = s.colour | 0xFF000000u;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + rect.left(), rect.width(), colour);
}

void ImageSurface::PaintText(const Stroke& s)
{
    // The font is scaled rather than the painter, and the text placed on whole device pixels:
    // glyphs rasterised at fractional positions come out different from copy to copy, and the
    // bold marks, four copies a pixel apart, would break up.
    QFont font = font_;
    if (font_.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font_.pixelSize() * scale_))));
    else
        font.setPointSizeF(font_.pointSizeF() * scale_);
    QPainter painter(&image_);
    painter.setFont(font);
    painter.setPen(QColor(s.colour));
    const QFontMetrics metrics(font, &image_);
    const int x = static_cast<int>(std::floor(s.from.x * scale_));
    const int y = static_cast<int>(std::floor(s.from.y * scale_));
    painter.drawText(QPoint(x, y + metrics.ascent()), s.text);
}

void ImageSurface::PaintFitted(const Stroke& s)
{
    // The window's font at the largest pixel size whose ink, one pixel bolder, fits the square:
    // hinted glyphs in whole pixels of one colour read better at a few pixels than a scaled
    // outline, and a mark printed again over the route looks the same as before. Four prints a
    // pixel apart make it bold as the classic letters are, and the square clips what a glyph's
    // measured ink leaves out.
    const QRect square(static_cast<int>(std::floor(s.from.x * scale_)), static_cast<int>(std::floor(s.from.y * scale_)),
                       static_cast<int>(std::floor(s.to.x * scale_)), static_cast<int>(std::floor(s.to.x * scale_)));
    QFont font = font_;
    auto& [pixels, ink] = fitted_[{square.height(), s.text}];
    if (pixels == 0) {  // measured once a size: a replay or a game prints the marks on every frame
        for (pixels = square.height() * 2; pixels > 1; --pixels) {
            font.setPixelSize(pixels);
            ink = QFontMetrics(font, &image_).tightBoundingRect(s.text);
            if (ink.width() + 1 <= square.width() && ink.height() + 1 <= square.height())
                break;
        }
    }
    font.setPixelSize(pixels);
    const QPoint at(square.left() + (square.width() - ink.width() - 1) / 2 - ink.left(),
                    square.top() + (square.height() - ink.height() - 1) / 2 - ink.top());
    QPainter painter(&image_);
    painter.setClipRect(square);
    painter.setFont(font);
    painter.setPen(QColor(s.colour));
    for (const QPoint step : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        painter.drawText(at + step, s.text);
}

}  // namespace tolvane

namespace tolvane {

void ImageSurface::PaintPath(const Stroke& s)
{
    // Curves and slants are smoothed: shapes other than the rectangle are drawn this way only.
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale_, scale_);
    if (s.kind == Stroke::Kind::Fill) {
        QPainterPath outline = PathOf(s.from, s.pieces);
        outline.closeSubpath();
        painter.fillPath(outline, QColor(s.colour));
        return;
    }
    painter.setPen(QPen(QColor(s.colour), s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(PathOf(s.from, s.pieces));
}

}  // namespace tolvane
