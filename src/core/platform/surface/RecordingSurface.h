// A surface that paints nothing and logs every operation, for tests, benchmarks and fuzzing.
#pragma once

#include <string>
#include <vector>

#include "core/platform/surface/Surface.h"

namespace tolvane {

// One logged operation. Fields that an operation does not use stay at their defaults.
struct DrawOp {
    enum class Kind { Cls, Line, Path, Fill, Print, PrintFitted, ForeColor, DrawWidth, CurrentX, CurrentY };
    Kind kind = Kind::Cls;
    PointF from{};  // Line: its start; PrintFitted: the square's top-left corner
    PointF to{};
    EndPoint end = EndPoint::Absolute;
    std::optional<Colour> colour;  // Line: its own colour; ForeColor: the new colour
    float value = 0;               // DrawWidth, CurrentX, CurrentY; PrintFitted: the square's side; Path: the pen width
    std::string text;              // Print, PrintFitted
    std::vector<PathPiece> pieces;  // Path, from `from`
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

class RecordingSurface final : public Surface {
public:
    void Cls() override { Log({.kind = DrawOp::Kind::Cls}); }
    void Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour) override
    {
        Log({.kind = DrawOp::Kind::Line, .from = from, .to = to, .end = end, .colour = colour});
    }
    void Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour) override
    {
        Log({.kind = DrawOp::Kind::Path, .from = from, .colour = colour, .value = static_cast<float>(drawWidth_),
             .pieces = {pieces.begin(), pieces.end()}});
    }
    void Fill(PointF from, std::span<const PathPiece> pieces, Colour colour) override
    {
        Log({.kind = DrawOp::Kind::Fill, .from = from, .colour = colour, .pieces = {pieces.begin(), pieces.end()}});
    }
    void Print(std::string_view text) override { Log({.kind = DrawOp::Kind::Print, .text = std::string(text)}); }
    void PrintFitted(std::string_view text, PointF topLeft, float side) override
    {
        Log({.kind = DrawOp::Kind::PrintFitted, .from = topLeft, .value = side, .text = std::string(text)});
    }
    void SetForeColor(Colour colour) override
    {
        foreColor_ = colour;
        Log({.kind = DrawOp::Kind::ForeColor, .colour = colour});
    }
    int SmallestLetter() const override { return kSmallestPixelLetter; }
    Colour ForeColor() const override { return foreColor_; }
    void SetDrawWidth(int width) override
    {
        drawWidth_ = width;
        Log({.kind = DrawOp::Kind::DrawWidth, .value = static_cast<float>(width)});
    }
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(float x) override { Log({.kind = DrawOp::Kind::CurrentX, .value = x}); }
    void SetCurrentY(float y) override { Log({.kind = DrawOp::Kind::CurrentY, .value = y}); }

    // Keeps counting but stops storing, so long runs measure nothing but the drawing code.
    void SetKeepLog(bool keep) { keepLog_ = keep; }
    const std::vector<DrawOp>& ops() const { return ops_; }
    std::size_t count() const { return count_; }
    void Clear() { ops_.clear(); count_ = 0; }

private:
    void Log(DrawOp op)
    {
        ++count_;
        if (keepLog_)
            ops_.push_back(std::move(op));
    }

    std::vector<DrawOp> ops_;
    std::size_t count_ = 0;
    bool keepLog_ = true;
    Colour foreColor_ = kBlack;
    int drawWidth_ = 1;
};

}  // namespace tolvane
