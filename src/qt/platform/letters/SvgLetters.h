// S and G in an SVG file as the outlines paper gets, in the window's font: no font needed where
// the file is opened.
#pragma once

#include <QFont>

#include "core/platform/surface/SvgSurface.h"

namespace tolvane {

class SvgLetters final : public LetterOutlines {
public:
    explicit SvgLetters(const QFont& font);

    std::string Printed(std::string_view text, PointF at, float spread) const override;
    std::string Fitted(std::string_view text, PointF topLeft, float side) const override;

private:
    QFont font_;
    qreal ascent_;
};

}  // namespace tolvane
