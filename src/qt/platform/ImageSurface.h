// The window's persistent drawing surface: a backing image that keeps what is drawn until Cls.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

#include "core/platform/PenSurface.h"
#include "qt/platform/QtColour.h"

namespace tolvane {

// Every operation paints into a QImage at once, so the picture exists before the window is
// shown and survives being covered; the widget only copies it out. The strokes since the last
// Cls are kept too, so that a change of device pixel ratio can paint them again at the new
// resolution instead of scaling pixels (which would blur walls or make them uneven).
class ImageSurface final : public PenSurface {
public:
    ImageSurface(int width, int height, const QFont& font);

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override;
    void Print(std::string_view text) override;

    // Device pixels per logical pixel; the image is width x height logical pixels.
    void SetScale(double scale);
    double scale() const { return scale_; }
    const QImage& image() const { return image_; }
    QSize logicalSize() const { return {width_, height_}; }

private:
    struct Stroke {
        enum class Kind { Line, Text, Path } kind;
        PointF from, to;  // Line: absolute end points; Text: `from` is the top-left corner; Path: where it starts
        QRgb colour;
        int width;
        QString text;
        std::vector<PathPiece> pieces;  // Path
    };
    void Paint(const Stroke& stroke);
    void PaintLine(const Stroke& stroke);
    void PaintText(const Stroke& stroke);
    void PaintPath(const Stroke& stroke);

    int width_;
    int height_;
    QFont font_;
    double scale_ = 1.0;
    QImage image_;
    std::vector<Stroke> strokes_;
};

}  // namespace tolvane
