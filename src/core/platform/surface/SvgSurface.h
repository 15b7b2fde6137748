// A surface that writes SVG text directly: lines and paths (arcs as SVG arcs), letters as text
// or as outlines.
#pragma once

#include <string>
#include <vector>

#include "core/platform/surface/PenSurface.h"

namespace tolvane {

// A vector letter still reads in a square of this many pixels (drawn larger on paper).
inline constexpr int kSmallestVectorLetter = 5;

// Letters as outlines, where a file must not depend on the fonts of whoever opens it: each
// answers SVG path data in the picture's coordinates.
class LetterOutlines {
public:
    virtual ~LetterOutlines() = default;
    // `text` printed with its top-left corner at `at`, made bold by prints spread over `spread`
    // pixels across and down from there (0: printed once).
    virtual std::string Printed(std::string_view text, PointF at, float spread) const = 0;
    // `text` as large as fits the square of `side` pixels from `topLeft`, centred in it.
    virtual std::string Fitted(std::string_view text, PointF topLeft, float side) const = 0;
};

// Strokes of one colour and width share one group, so that a maze of ten thousand walls costs
// little more than its coordinates; numbers carry at most two decimals. Prints of the same text
// a pixel apart, which make a letter bold on screen, become one bold letter, written over
// every stroke. Cls starts the picture again with a white background.
//
// An axis-aligned line covers the pixels it covers on every other surface (LineSpans.h), and a
// line that goes on from where the last one ended in the same pen is the same path. With
// Ends::Square strokes end and turn square, so that the pixels of walls and a route drawn in
// whole pixels are exactly the window's; with Ends::Round (a shape's arcs and slanted walls)
// they end and join round.
class SvgSurface final : public PenSurface {
public:
    enum class Ends { Round, Square };

    SvgSurface(float width, float height, std::string title, Ends ends = Ends::Round,
               const LetterOutlines* outlines = nullptr);

    void Cls() override;
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override;
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override;
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override;
    void Print(std::string_view text) override;
    void PrintFitted(std::string_view text, PointF topLeft, float side) override;
    int SmallestLetter() const override { return kSmallestVectorLetter; }
    bool JoinsWalls() const override { return true; }

    // The whole document.
    std::string Document() const;

private:
    struct Letter {
        std::string text;
        Colour colour;
        PointF least, most;  // a print: the smallest and largest corner it was printed at
        float side;          // a fitted letter: its square's side from `least`; 0 for a print
    };

    void Stroke(Colour colour);
    void EndPath();
    void Number(std::string& out, double value) const;
    // The arc's radii and flags, before the point it ends at.
    void ArcTo(const PathPiece& p);
    void Point(PointF p);
    void LineTo(PointF from, PointF to);
    float Shift() const;  // what points are moved by, which the group's transform moves back
    std::string LettersText() const;
    std::string OutlinedLetters() const;

    float width_;
    float height_;
    std::string title_;
    Ends ends_;
    const LetterOutlines* outlines_;
    std::string body_;
    std::vector<Letter> letters_;  // written last, over every stroke
    bool inGroup_ = false;
    bool inPath_ = false;  // the body ends in a path that a line going on from `pathEnd_` extends
    PointF pathEnd_{};
    int direction_ = 0;  // of the path's last straight piece: 1 across, 2 down, 3 slanted, 0 none yet
    Colour groupColour_ = 0;
    int groupWidth_ = 0;
};

}  // namespace tolvane
