// Writing SVG.
#include "core/platform/SvgSurface.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tolvane {
namespace {

std::string Hex(Colour c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

std::string Escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

SvgSurface::SvgSurface(float width, float height, std::string title) : width_(width), height_(height), title_(std::move(title))
{
    body_.reserve(1 << 20);
}

void SvgSurface::Number(double value)
{
    const double rounded = std::round(value * 100) / 100;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, 2).ptr;
    std::string_view v(text, static_cast<std::size_t>(end - text));
    while (v.back() == '0')
        v.remove_suffix(1);
    if (v.back() == '.')
        v.remove_suffix(1);
    body_ += v;
}

void SvgSurface::Point(PointF p)
{
    Number(p.x);
    body_ += ' ';
    Number(p.y);
}

void SvgSurface::Stroke(Colour colour)
{
    if (inGroup_ && colour == groupColour_ && drawWidth_ == groupWidth_)
        return;
    if (inGroup_)
        body_ += "</g>\n";
    body_ += "<g fill=\"none\" stroke=\"" + Hex(colour) + "\" stroke-width=\"" + std::to_string(drawWidth_) +
             "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    inGroup_ = true;
    groupColour_ = colour;
    groupWidth_ = drawWidth_;
}

void SvgSurface::Cls()
{
    body_.clear();
    letters_.clear();
    inGroup_ = false;
    lastText_.clear();
    body_ += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

void SvgSurface::Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour)
{
    Stroke(colour.value_or(foreColor_));
    body_ += "<path d=\"M";
    Point(from);
    body_ += 'L';
    Point(EndOf(from, to, end));
    body_ += "\"/>\n";
}

void SvgSurface::Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour)
{
    Stroke(colour.value_or(foreColor_));
    body_ += "<path d=\"M";
    Pieces(from, pieces);
    body_ += "\"/>\n";
}

void SvgSurface::Fill(PointF from, std::span<const PathPiece> pieces, Colour colour)
{
    if (inGroup_)
        body_ += "</g>\n";
    inGroup_ = false;
    body_ += "<path fill=\"" + Hex(colour) + "\" d=\"M";
    Pieces(from, pieces);
    body_ += "Z\"/>\n";
}

void SvgSurface::Pieces(PointF from, std::span<const PathPiece> pieces)
{
    Point(from);
    for (const PathPiece& p : pieces) {
        if (p.arc) {
            // Anticlockwise on the picture is SVG's negative sweep.
            body_ += 'A';
            Number(p.radius);
            body_ += ' ';
            Number(p.radius);
            body_ += std::abs(p.sweepDeg) > 180 ? " 0 1 " : " 0 0 ";
            body_ += p.sweepDeg < 0 ? "1 " : "0 ";
        } else {
            body_ += 'L';
        }
        Point(p.to);
    }
}

void SvgSurface::Print(std::string_view text)
{
    const PointF at{currentX_, currentY_};
    if (text == lastText_ && std::abs(at.x - lastAt_.x) <= 1 && std::abs(at.y - lastAt_.y) <= 1)
        return;  // the same letter a pixel over: already bold
    lastText_ = text;
    lastAt_ = at;
    // The window font's capitals are about 13 pixels from top to baseline.
    constexpr float kAscent = 12;
    std::swap(body_, letters_);  // Number writes to the body
    body_ += "<text x=\"";
    Number(at.x);
    body_ += "\" y=\"";
    Number(at.y + kAscent);
    body_ += "\" fill=\"" + Hex(foreColor_) + "\">";
    body_ += Escaped(text);
    body_ += "</text>\n";
    std::swap(body_, letters_);
}

void SvgSurface::PrintFitted(std::string_view text, PointF topLeft, float side)
{
    // A bold capital's ink is about 0.73 of the font size high and a little less wide: a size of
    // the square's side keeps it inside, centred on the square and on its baseline.
    constexpr float kInkHeight = 0.73F;
    std::swap(body_, letters_);
    body_ += "<text x=\"";
    Number(topLeft.x + side / 2);
    body_ += "\" y=\"";
    Number(topLeft.y + side / 2 + side * kInkHeight / 2);
    body_ += "\" font-size=\"";
    Number(side);
    body_ += "\" text-anchor=\"middle\" fill=\"" + Hex(foreColor_) + "\">";
    body_ += Escaped(text);
    body_ += "</text>\n";
    std::swap(body_, letters_);
}

std::string SvgSurface::Document() const
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    out += std::to_string(static_cast<int>(std::ceil(width_))) + "\" height=\"" + std::to_string(static_cast<int>(std::ceil(height_)));
    out += "\" viewBox=\"0 0 " + std::to_string(static_cast<int>(std::ceil(width_))) + " " +
           std::to_string(static_cast<int>(std::ceil(height_))) + "\">\n<title>" + Escaped(title_) + "</title>\n";
    out += body_;
    if (inGroup_)
        out += "</g>\n";
    if (!letters_.empty())
        out += "<g font-family=\"DejaVu Sans,sans-serif\" font-weight=\"bold\" font-size=\"14\">\n" + letters_ + "</g>\n";
    out += "</svg>\n";
    return out;
}

}  // namespace tolvane
