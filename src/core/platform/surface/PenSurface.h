// The pen and the print position, kept the same way by every surface that paints.
#pragma once

#include <string>

#include "core/platform/RuntimeError.h"
#include "core/platform/surface/Surface.h"

namespace tolvane {

class PenSurface : public Surface {
public:
    void SetForeColor(Colour colour) override { foreColor_ = colour; }
    Colour ForeColor() const override { return foreColor_; }
    void SetDrawWidth(int width) override
    {
        if (width < 1 || width > kMaxWidth)
            throw RuntimeError(ErrorKind::PlatformFailure, "Invalid pen width " + std::to_string(width));
        drawWidth_ = width;
    }
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }

protected:
    static constexpr int kMaxWidth = 1000;  // pen widths beyond this are a caller's mistake

    // Where a line ends, whichever way its second point was given.
    static PointF EndOf(PointF from, PointF to, EndPoint end)
    {
        return end == EndPoint::Relative ? PointF{from.x + to.x, from.y + to.y} : to;
    }

    Colour foreColor_ = kBlack;
    int drawWidth_ = 1;
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace tolvane
