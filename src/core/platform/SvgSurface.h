// A surface that writes SVG text directly: lines and paths (arcs as SVG arcs), letters as text.
#pragma once

#include <string>

#include "core/platform/PenSurface.h"

namespace tolvane {

// Strokes of one colour and width share one group, so that a maze of ten thousand walls costs
// little more than its coordinates; numbers carry at most two decimals. Prints of the same text
// a pixel apart, which make a letter bold on screen, become one bold letter, written over
// every stroke. Cls starts the
// picture again with a white background.
// A vector letter still reads in a square of this many pixels (drawn larger on paper).
inline constexpr int kSmallestVectorLetter = 5;

class SvgSurface final : public PenSurface {
public:
    SvgSurface(float width, float height, std::string title);

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override;
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override;
    void Print(std::string_view text) override;
    void PrintFitted(std::string_view text, PointF topLeft, float side) override;
    int SmallestLetter() const override { return kSmallestVectorLetter; }

    // The whole document.
    std::string Document() const;

private:
    void Stroke(Colour colour);
    // The path data after "M": the start and each piece.
    void Pieces(PointF from, std::span<const PathPiece> pieces);
    void Number(double value);
    void Point(PointF p);

    float width_;
    float height_;
    std::string title_;
    std::string body_;
    std::string letters_;  // written last, over every stroke
    bool inGroup_ = false;
    Colour groupColour_ = 0;
    int groupWidth_ = 0;
    std::string lastText_;
    PointF lastAt_{-1e9f, -1e9f};
};

}  // namespace tolvane
