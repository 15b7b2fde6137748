// A surface that paints nothing and keeps only the pen: for runs that measure or check the logic.
#pragma once

#include "core/platform/surface/PenSurface.h"

namespace tolvane {

class NullSurface final : public PenSurface {
public:
    void Cls() override {}
    void Line(PointF, PointF, EndPoint, std::optional<Colour>) override {}
    void Path(PointF, std::span<const PathPiece>, std::optional<Colour>) override {}
    void Fill(PointF, std::span<const PathPiece>, Colour) override {}
    void Print(std::string_view) override {}
    void PrintFitted(std::string_view, PointF, float) override {}
    int SmallestLetter() const override { return kSmallestPixelLetter; }
};

}  // namespace tolvane
