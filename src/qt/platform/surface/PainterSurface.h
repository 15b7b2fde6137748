// A surface that paints on any QPainter device as vectors: PDF, a printer, an image at any scale.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "core/platform/surface/PenSurface.h"

namespace tolvane {

// The caller sets the painter's transform that maps the surface's logical pixels onto the
// device. Lines become the same filled runs of pixels the backing image paints, as rectangles,
// so that the picture on paper is the one on screen, enlarged and crisp at any size. Cls paints
// the surface's own area white and forgets nothing, since a vector device keeps no picture to
// paint again. Runs of one colour go to the device together, touching runs of a row or column
// joined, which keeps a page of a PDF small and quick to write. (SVG files have their own
// writer, SvgSurface.)
//
// Text is held back and painted last, over every line, as filled outlines that need no font where
// the file is read. Prints of the same text one pixel apart, which make a letter bold on screen,
// become one solid letter: the glyph widened by the same pixel, not copies with doubled edges.
// The smallest square of a letter on paper and in vector files, in the picture's units.
inline constexpr int kSmallestOutlineLetter = 5;

class PainterSurface final : public PenSurface {
public:
    PainterSurface(QPainter& painter, QSize logicalSize, const QFont& font);
    ~PainterSurface() override { Finish(); }
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override;
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override;
    void Print(std::string_view text) override;
    void PrintFitted(std::string_view text, PointF topLeft, float side) override;
    // On paper and in vector files an outline reads at a few units, a cell of a page being
    // millimetres wide; painted on an image it needs the pixels a screen's letter needs.
    int SmallestLetter() const override;

    // Lines are painted only where they cross `visible`, in the surface's pixels: the rest of a
    // poster printed across several sheets is left off each sheet. The whole surface unless told.
    void SetVisible(const QRect& visible) { visible_ = visible.intersected(QRect(QPoint(0, 0), size_)); }

    // Paints the runs that wait.
    void Flush();
    // Paints everything that waits, the text over the runs; the destructor does it too.
    void Finish();

private:
    // One or more prints of `text` whose positions lie within one pixel of each other.
    struct Mark {
        QString text;
        QRgb colour;
        QPointF least;  // the smallest x and y printed at
        QPointF most;   // the largest
        QRectF fitted;  // a fitted mark: its square; else empty
    };
    void Paint(const Mark& mark);
    void FlushRects();

    std::vector<Mark> marks_;
    QPainter& painter_;
    std::vector<QRect> runs_;
    QRgb runColour_ = 0;
    QSize size_;
    QRect visible_;
    QFont font_;
    qreal ascent_;
};

}  // namespace tolvane
