// A surface that paints on any QPainter device as vectors: SVG, PDF, a printer.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "core/platform/PenSurface.h"

namespace tolvane {

// The caller sets the painter's transform that maps the surface's logical pixels onto the
// device. Lines become the same filled runs of pixels the backing image paints, as rectangles,
// so that the picture on paper is the one on screen, enlarged and crisp at any size. Cls paints
// the surface's own area white and forgets nothing, since a vector device keeps no picture to
// paint again. Runs of one colour go to the device together, touching runs joined, which keeps
// a page of a PDF small and quick to write.
class PainterSurface final : public PenSurface {
public:
    PainterSurface(QPainter& painter, QSize logicalSize, const QFont& font);
    ~PainterSurface() override { Flush(); }
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Print(std::string_view text) override;

    // Paints the runs that wait; the destructor does it too.
    void Flush();

private:
    QPainter& painter_;
    std::vector<QRect> runs_;
    QRgb runColour_ = 0;
    QSize size_;
    QFont font_;
    qreal ascent_;
};

}  // namespace tolvane
