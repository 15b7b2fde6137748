// The vector surface.
#include "qt/platform/surface/PainterSurface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <map>
#include <algorithm>
#include <tuple>
#include <string>

#include "core/platform/RuntimeError.h"
#include "qt/platform/letters/FittedText.h"
#include "core/platform/surface/LineSpans.h"
#include "qt/platform/surface/PathOf.h"
#include "qt/platform/surface/QtColour.h"

namespace tolvane {

PainterSurface::PainterSurface(QPainter& painter, QSize logicalSize, const QFont& font)
    : painter_(painter), size_(logicalSize), visible_(QPoint(0, 0), logicalSize), font_(font), ascent_(QFontMetricsF(font_, painter.device()).ascent())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
}

int PainterSurface::SmallestLetter() const
{
    return painter_.device()->devType() == QInternal::Image ? kSmallestPixelLetter : kSmallestOutlineLetter;
}

void PainterSurface::Cls()
{
    runs_.clear();
    marks_.clear();
    painter_.fillRect(QRect(QPoint(0, 0), size_), QColor(ToQRgb(kWhite)));
}

void PainterSurface::Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour)
{
    to = EndOf(from, to, end);
    const QRgb rgb = ToQRgb(colour.value_or(foreColor_));
    const QColor qcolour(rgb);
    if (from.x != to.x && from.y != to.y) {
        Flush();
        painter_.setPen(QPen(qcolour, drawWidth_, Qt::SolidLine, Qt::SquareCap));
        painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
        painter_.setPen(Qt::NoPen);
        return;
    }
    const bool horizontal = from.y == to.y;
    const Span along = horizontal ? Along(from.x, to.x, drawWidth_) : Along(from.y, to.y, drawWidth_);
    const Span across = Across(horizontal ? from.y : from.x, drawWidth_);
    const int length = along.last - along.first + 1;
    const QRect rect = horizontal ? QRect(along.first, across.first, length, drawWidth_)
                                  : QRect(across.first, along.first, drawWidth_, length);
    // What lies outside the surface, such as the walls of the border ring, is cut off at its
    // edge, as the backing image's edge cuts it; not every device can clip.
    const QRect inside = rect.intersected(visible_);
    if (inside.isEmpty())
        return;
    if (!runs_.empty() && rgb != runColour_)
        Flush();
    runColour_ = rgb;
    runs_.push_back(inside);
    // A poster's million walls are sent in batches: the same pixels, and memory that stays small.
    constexpr std::size_t kLargestBatch = 1 << 16;
    if (runs_.size() >= kLargestBatch)
        Flush();
}

void PainterSurface::Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour)
{
    Flush();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(QColor(ToQRgb(colour.value_or(foreColor_))), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawPath(PathOf(from, pieces));
    painter_.restore();
}

void PainterSurface::Fill(PointF from, std::span<const PathPiece> pieces, Colour colour)
{
    Flush();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline = PathOf(from, pieces);
    outline.closeSubpath();
    painter_.fillPath(outline, QColor(ToQRgb(colour)));
    painter_.restore();
}

void PainterSurface::Flush()
{
    if (runs_.empty())
        return;
    FlushRects();
}

void PainterSurface::FlushRects()
{
    // Runs in one row or column that touch or overlap become one: the same pixels, fewer shapes.
    std::vector<QRect> horizontal, vertical;
    for (const QRect& r : runs_)
        (r.width() > r.height() ? horizontal : vertical).push_back(r);
    runs_.clear();
    auto join = [](std::vector<QRect>& runs, bool across) {
        std::sort(runs.begin(), runs.end(), [across](const QRect& a, const QRect& b) {
            return across ? std::tuple(a.top(), a.height(), a.left()) < std::tuple(b.top(), b.height(), b.left())
                          : std::tuple(a.left(), a.width(), a.top()) < std::tuple(b.left(), b.width(), b.top());
        });
        std::vector<QRect> joined;
        for (const QRect& r : runs) {
            if (!joined.empty()) {
                QRect& last = joined.back();
                const bool sameLine = across ? last.top() == r.top() && last.height() == r.height()
                                             : last.left() == r.left() && last.width() == r.width();
                const bool touches = across ? r.left() <= last.right() + 1 : r.top() <= last.bottom() + 1;
                if (sameLine && touches) {
                    last = last.united(r);
                    continue;
                }
            }
            joined.push_back(r);
        }
        return joined;
    };
    std::vector<QRect> all = join(horizontal, true);
    const std::vector<QRect> columns = join(vertical, false);
    all.insert(all.end(), columns.begin(), columns.end());
    painter_.setBrush(QColor(runColour_));
    painter_.drawRects(all.data(), static_cast<int>(all.size()));
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Print(std::string_view text)
{
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QRgb colour = ToQRgb(foreColor_);
    const QPointF at(currentX_, currentY_);
    if (!marks_.empty()) {
        Mark& last = marks_.back();
        const QPointF least(std::min(last.least.x(), at.x()), std::min(last.least.y(), at.y()));
        const QPointF most(std::max(last.most.x(), at.x()), std::max(last.most.y(), at.y()));
        if (last.fitted.isEmpty() && last.text == qtext && last.colour == colour && most.x() - least.x() <= 1 &&
            most.y() - least.y() <= 1) {
            last.least = least;
            last.most = most;
            return;
        }
    }
    marks_.push_back({qtext, colour, at, at, {}});
}

void PainterSurface::PrintFitted(std::string_view text, PointF topLeft, float side)
{
    const Mark mark{QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), ToQRgb(foreColor_), {}, {},
                    QRectF(topLeft.x, topLeft.y, side, side)};
    // A mark printed again over the route is painted once, over everything, all the same.
    const bool known = std::any_of(marks_.cbegin(), marks_.cend(), [&](const Mark& m) {
        return m.fitted == mark.fitted && m.text == mark.text && m.colour == mark.colour;
    });
    if (!known)
        marks_.push_back(mark);
}

void PainterSurface::Finish()
{
    Flush();
    for (const Mark& mark : marks_)
        Paint(mark);
    marks_.clear();
}

void PainterSurface::Paint(const Mark& mark)
{
    if (!mark.fitted.isEmpty()) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.fillPath(FittedText(font_, mark.text, mark.fitted), QColor(mark.colour));
        painter_.restore();
        return;
    }
    // The prints cover the glyph moved over the whole box from `least` to `most`: that is the
    // glyph centred in the box and widened by the box's size.
    const QPointF spread = mark.most - mark.least;
    const QPainterPath& outline = WidenedText(font_, mark.text, std::max(spread.x(), spread.y()));
    painter_.fillPath(outline.translated(mark.least + spread / 2 + QPointF(0, ascent_)), QColor(mark.colour));
}

}  // namespace tolvane
