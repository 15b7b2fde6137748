// The drawing surface that the maze drawing and the replay paint on, free of any toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tolvane {

// A colour laid out as 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kWhite = 0xFFFFFF;

// The smallest square a letter reads in when it is drawn in whole pixels, as on a screen.
inline constexpr int kSmallestPixelLetter = 10;

struct PointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Whether the second point of a line is where it ends or an offset from where it starts.
enum class EndPoint { Absolute, Relative };

// One piece of a path: a straight line to `to`, or, with `arc`, the part of the circle around
// `centre` of `radius` that starts at `startDeg` and turns `sweepDeg` (degrees, 0 at three
// o'clock, positive anticlockwise on the picture) and ends at `to`.
struct PathPiece {
    PointF to;
    bool arc = false;
    PointF centre{};
    float radius = 0;
    float startDeg = 0;
    float sweepDeg = 0;
    friend bool operator==(const PathPiece&, const PathPiece&) = default;
};

// What is drawn stays until Cls. Coordinates are pixels of the client area, origin top-left.
class Surface {
public:
    virtual ~Surface() = default;

    // Erases everything to the background colour.
    virtual void Cls() = 0;
    // A straight line of the current DrawWidth, in `colour` or else the current ForeColor.
    virtual void Line(PointF from, PointF to, EndPoint end = EndPoint::Absolute,
                      std::optional<Colour> colour = std::nullopt) = 0;
    // One stroke of the current DrawWidth from `from` through `pieces`, each starting where the
    // last ended, joined and capped round: a run of walls, or a route, that meets itself cleanly.
    virtual void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour = std::nullopt) = 0;
    // The inside of the closed outline from `from` through `pieces` (back to `from`), in
    // `colour`, with no stroke: a cell of any shape coloured in.
    virtual void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) = 0;
    // Paints only the glyph pixels of `text`, its top-left corner at (CurrentX, CurrentY).
    virtual void Print(std::string_view text) = 0;
    // Paints `text` in the ForeColor as large as fits the square of `side` pixels from `topLeft`,
    // its ink centred there and no pixel outside it.
    virtual void PrintFitted(std::string_view text, PointF topLeft, float side) = 0;
    // The smallest square, in pixels, in which a fitted letter still reads on this surface.
    virtual int SmallestLetter() const = 0;
    // Whether walls should come as runs joined end to end (Path) rather than one Line each: a
    // file of text keeps a run in a fraction of the space. The pixels are the same either way.
    virtual bool JoinsWalls() const { return false; }

    virtual void SetForeColor(Colour colour) = 0;
    virtual Colour ForeColor() const = 0;
    virtual void SetDrawWidth(int width) = 0;
    virtual int DrawWidth() const = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
};

}  // namespace tolvane
