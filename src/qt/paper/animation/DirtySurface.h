// A surface that passes everything to the picture it wraps and notes where it may have painted.
#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>

#include "core/platform/surface/PenSurface.h"
#include "core/platform/surface/LineSpans.h"

namespace tolvane {

// Lines are noted as the pixels the picture's lines cover (LineSpans.h); a print as a box of
// kTextReach pixels from its position, more than a letter of the window's font takes. Cls
// notes the whole picture. Only the noted part needs comparing with the frame before.
class DirtySurface final : public PenSurface {
public:
    DirtySurface(Surface& inner, QSize size) : inner_(inner), size_(size) {}

    void Cls() override
    {
        inner_.Cls();
        dirty_ = QRect(QPoint(0, 0), size_);
    }
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override
    {
        to = EndOf(from, to, end);
        inner_.SetDrawWidth(drawWidth_);
        inner_.SetForeColor(foreColor_);
        inner_.Line(from, to, EndPoint::Absolute, colour);
        const Span x = from.y == to.y ? Along(from.x, to.x, drawWidth_) : Across(from.x, drawWidth_);
        const Span y = from.y == to.y ? Across(from.y, drawWidth_) : Along(from.y, to.y, drawWidth_);
        if (from.x != to.x && from.y != to.y)  // slanted: the box of both ends, widened
            Note(QRect(QPoint(static_cast<int>(std::floor(std::min(from.x, to.x))) - drawWidth_,
                              static_cast<int>(std::floor(std::min(from.y, to.y))) - drawWidth_),
                       QPoint(static_cast<int>(std::ceil(std::max(from.x, to.x))) + drawWidth_,
                              static_cast<int>(std::ceil(std::max(from.y, to.y))) + drawWidth_)));
        else
            Note(QRect(QPoint(x.first, y.first), QPoint(x.last, y.last)));
    }
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override
    {
        inner_.SetDrawWidth(drawWidth_);
        inner_.SetForeColor(foreColor_);
        inner_.Path(from, pieces, colour);
        NotePath(from, pieces);
    }
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override
    {
        inner_.Fill(from, pieces, colour);
        NotePath(from, pieces);
    }
    void Print(std::string_view text) override
    {
        inner_.SetForeColor(foreColor_);
        inner_.SetCurrentX(currentX_);
        inner_.SetCurrentY(currentY_);
        inner_.Print(text);
        const int x = static_cast<int>(std::floor(currentX_));
        const int y = static_cast<int>(std::floor(currentY_));
        Note(QRect(x - kTextReach, y - kTextReach, 3 * kTextReach * static_cast<int>(text.size()), 3 * kTextReach));
    }

    // A fitted letter never leaves its square.
    void PrintFitted(std::string_view text, PointF topLeft, float side) override
    {
        inner_.SetForeColor(foreColor_);
        inner_.PrintFitted(text, topLeft, side);
        Note(QRect(QPoint(static_cast<int>(std::floor(topLeft.x)), static_cast<int>(std::floor(topLeft.y))),
                   QPoint(static_cast<int>(std::ceil(topLeft.x + side)), static_cast<int>(std::ceil(topLeft.y + side)))));
    }
    int SmallestLetter() const override { return inner_.SmallestLetter(); }

    // What was noted since the last call, within the picture; then nothing.
    QRect Take()
    {
        const QRect taken = dirty_ & QRect(QPoint(0, 0), size_);
        dirty_ = QRect();
        return taken;
    }

private:
    static constexpr int kTextReach = 16;
    void Note(const QRect& r) { dirty_ = dirty_.isNull() ? r : dirty_ | r; }
    // Every point a path passes, an arc's whole circle included, and the pen's width around.
    // (Kept as bounds, not as a union of rectangles: Qt drops a rectangle of no size from a
    // union, and a path's corners are points.)
    void NotePath(PointF from, std::span<const PathPiece> pieces)
    {
        float left = from.x, right = from.x, top = from.y, bottom = from.y;
        const auto reach = [&](float x0, float y0, float x1, float y1) {
            left = std::min(left, x0);
            top = std::min(top, y0);
            right = std::max(right, x1);
            bottom = std::max(bottom, y1);
        };
        for (const PathPiece& p : pieces) {
            reach(p.to.x, p.to.y, p.to.x, p.to.y);
            if (p.arc)
                reach(p.centre.x - p.radius, p.centre.y - p.radius, p.centre.x + p.radius, p.centre.y + p.radius);
        }
        const int pen = drawWidth_ + 1;
        Note(QRect(QPoint(static_cast<int>(std::floor(left)) - pen, static_cast<int>(std::floor(top)) - pen),
                   QPoint(static_cast<int>(std::ceil(right)) + pen, static_cast<int>(std::ceil(bottom)) + pen)));
    }

    Surface& inner_;
    QSize size_;
    QRect dirty_;
};

}  // namespace tolvane
