// The window's persistent drawing surface: a backing image that keeps what is drawn until Cls.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "core/platform/surface/PenSurface.h"
#include "qt/platform/surface/QtColour.h"

namespace tolvane {

// Every operation paints into a QImage at once, so the picture exists before the window is
// shown and survives being covered; the widget only copies it out. The strokes since the last
// Cls are kept too, so that a change of device pixel ratio can paint them again at the new
// resolution instead of scaling pixels (which would blur walls or make them uneven).
class ImageSurface final : public PenSurface {
public:
    // Without keepStrokes it forgets each stroke once painted (a change of ratio then shows a
    // blank picture): for pictures painted once at one ratio through millions of strokes.
    ImageSurface(int width, int height, const QFont& font, bool keepStrokes = true);

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override;
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override;
    void Print(std::string_view text) override;
    void PrintFitted(std::string_view text, PointF topLeft, float side) override;
    int SmallestLetter() const override { return kSmallestPixelLetter; }

    // Device pixels per logical pixel; the image is width x height logical pixels.
    void SetScale(double scale);
    // A blank image of another size, at the same scale, for a resized window to draw again.
    void Resize(int width, int height);
    double scale() const { return scale_; }
    const QImage& image() const { return image_; }
    QSize logicalSize() const { return {width_, height_}; }

private:
    struct Stroke {
        enum class Kind { Line, Text, Fitted, Path, Fill } kind;
        PointF from, to;  // Line: absolute end points; Text: `from` is the top-left corner;
                          // Fitted: `from` is the square's top-left corner, `to.x` its side; Path: where it starts
        QRgb colour;
        int width;
        QString text;
        std::vector<PathPiece> pieces;  // Path, Fill
    };
    void Paint(const Stroke& stroke);
    void Keep(Stroke stroke);
    void PaintLine(const Stroke& stroke);
    void PaintText(const Stroke& stroke);
    void PaintFitted(const Stroke& stroke);
    void PaintPath(const Stroke& stroke);

    int width_;
    int height_;
    QFont font_;
    double scale_ = 1.0;
    QImage image_;
    std::vector<Stroke> strokes_;
    std::map<std::pair<int, QString>, std::pair<int, QRect>> fitted_;  // a fitted text's pixel size and ink
    bool keepStrokes_;
};

}  // namespace tolvane
