// Letters as SVG outlines.
#include "qt/platform/letters/SvgLetters.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <charconv>
#include <cmath>

#include "qt/platform/letters/FittedText.h"

namespace tolvane {
namespace {

void Number(std::string& out, double value)
{
    const double rounded = std::round(value * 100) / 100;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded, std::chars_format::general).ptr;
    out.append(text, end);
}

// SVG path data of `path`: moves, lines and cubic curves, as a QPainterPath holds them. The paths
// given are simplified, so that they fill alike under either of SVG's fill rules.
std::string PathData(const QPainterPath& path)
{
    std::string out;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement: out += 'M'; break;
        case QPainterPath::LineToElement: out += 'L'; break;
        case QPainterPath::CurveToElement: out += 'C'; break;
        case QPainterPath::CurveToDataElement: out += ' '; break;
        }
        Number(out, e.x);
        out += ' ';
        Number(out, e.y);
    }
    return out;
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

SvgLetters::SvgLetters(const QFont& font) : font_(font), ascent_(QFontMetricsF(font_).ascent()) {}

std::string SvgLetters::Printed(std::string_view text, PointF at, float spread) const
{
    // As PainterSurface paints it: the glyph widened by the spread, centred in the prints' box.
    const QPainterPath& outline = WidenedText(font_, Text(text), spread);
    return PathData(outline.translated(at.x + spread / 2.0, at.y + spread / 2.0 + ascent_).simplified());
}

std::string SvgLetters::Fitted(std::string_view text, PointF topLeft, float side) const
{
    return PathData(FittedText(font_, Text(text), QRectF(topLeft.x, topLeft.y, side, side)).simplified());
}

}  // namespace tolvane
