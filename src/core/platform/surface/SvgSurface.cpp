// Writing SVG.
#include "core/platform/surface/SvgSurface.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/platform/surface/LineSpans.h"

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

// Where the middle of a stroke of width `w` lies so that it covers the pixels a line at `c`
// covers on every surface: w pixels, the first at Across(c, w).first.
double Snapped(double c, int w) { return Across(c, w).first + w / 2.0; }

}  // namespace

SvgSurface::SvgSurface(float width, float height, std::string title, Ends ends, const LetterOutlines* outlines)
    : width_(width), height_(height), title_(std::move(title)), ends_(ends), outlines_(outlines)
{
    body_.reserve(1 << 20);
}

void SvgSurface::Number(std::string& out, double value) const
{
    // Hundredths as a whole number, written with its point put back: the same text as a
    // two-decimal format with its trailing zeros dropped, without a formatting call a number.
    long long hundredths = std::llround(value * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, hundredths / 100).ptr;
    out.append(text, end);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction != 0) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += static_cast<char>('0' + fraction % 10);
    }
}

void SvgSurface::Point(PointF p)
{
    const float shift = Shift();
    Number(body_, p.x - shift);
    body_ += ' ';
    Number(body_, p.y - shift);
}

float SvgSurface::Shift() const { return ends_ == Ends::Square && drawWidth_ % 2 == 1 ? 0.5F : 0.0F; }

void SvgSurface::LineTo(PointF from, PointF to)
{
    if (ends_ == Ends::Round) {
        body_ += 'L';
        Point(to);
        return;
    }
    // Whole pixels: the step from the last point, across or down alone where it can, is shortest.
    // A turn starts a new stroke from the same point: the two square ends fill the corner as a
    // mitred join would, and Qt, which joins no corners of lines one pixel wide, draws it too.
    const int direction = to.y == from.y ? 1 : to.x == from.x ? 2 : 3;
    if (direction_ != 0 && direction != direction_)
        body_ += "m0 0";
    direction_ = direction;
    if (to.y == from.y) {
        body_ += 'h';
        Number(body_, to.x - from.x);
    } else if (to.x == from.x) {
        body_ += 'v';
        Number(body_, to.y - from.y);
    } else {
        body_ += 'l';
        Number(body_, to.x - from.x);
        body_ += ' ';
        Number(body_, to.y - from.y);
    }
}

void SvgSurface::EndPath()
{
    if (inPath_)
        body_ += "\"/>\n";
    inPath_ = false;
}

void SvgSurface::Stroke(Colour colour)
{
    if (inGroup_ && colour == groupColour_ && drawWidth_ == groupWidth_)
        return;
    EndPath();
    if (inGroup_)
        body_ += "</g>\n";
    body_ += "<g fill=\"none\" stroke=\"" + Hex(colour) + "\" stroke-width=\"" + std::to_string(drawWidth_);
    if (ends_ == Ends::Round)
        body_ += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    else if (drawWidth_ % 2 == 1)
        body_ += "\" stroke-linecap=\"square\" stroke-linejoin=\"miter\" transform=\"translate(.5 .5)\">\n";
    else
        body_ += "\" stroke-linecap=\"square\" stroke-linejoin=\"miter\">\n";
    inGroup_ = true;
    groupColour_ = colour;
    groupWidth_ = drawWidth_;
}

void SvgSurface::Cls()
{
    body_.clear();
    letters_.clear();
    inGroup_ = false;
    inPath_ = false;
    // In units rather than "100%", which SVG Tiny renderers (Qt's) do not read.
    body_ += "<rect width=\"" + std::to_string(static_cast<int>(std::ceil(width_))) + "\" height=\"" +
             std::to_string(static_cast<int>(std::ceil(height_))) + "\" fill=\"#ffffff\"/>\n";
}

void SvgSurface::Line(PointF from, PointF to, EndPoint end, std::optional<Colour> colour)
{
    to = EndOf(from, to, end);
    const Colour c = colour.value_or(foreColor_);
    if (ends_ == Ends::Square && (from.x == to.x || from.y == to.y)) {
        // The run of pixels every surface paints, as the middle line of its rectangle.
        const int w = drawWidth_;
        const bool across = from.y == to.y;
        const Span along = across ? Along(from.x, to.x, w) : Along(from.y, to.y, w);
        const Span side = Across(across ? from.y : from.x, w);
        if (along.last - along.first + 1 <= w) {
            // As long as it is wide: a square, which a stroke of no length would not draw everywhere.
            EndPath();
            if (inGroup_)
                body_ += "</g>\n";
            inGroup_ = false;
            body_ += "<rect x=\"" + std::to_string(across ? along.first : side.first) + "\" y=\"" +
                     std::to_string(across ? side.first : along.first) + "\" width=\"" + std::to_string(w) +
                     "\" height=\"" + std::to_string(w) + "\" fill=\"" + Hex(c) + "\"/>\n";
            return;
        }
        const float a = static_cast<float>(along.first + w / 2.0), b = static_cast<float>(along.last + 1 - w / 2.0);
        const bool forward = across ? from.x <= to.x : from.y <= to.y;
        const auto middle = static_cast<float>(side.first + w / 2.0);
        from = across ? PointF{forward ? a : b, middle} : PointF{middle, forward ? a : b};
        to = across ? PointF{forward ? b : a, middle} : PointF{middle, forward ? b : a};
    }
    Stroke(c);
    if (!inPath_ || from != pathEnd_) {
        EndPath();
        body_ += "<path d=\"M";
        Point(from);
        inPath_ = true;
        direction_ = 0;
    }
    LineTo(from, to);
    pathEnd_ = to;
}

void SvgSurface::Path(PointF from, std::span<const PathPiece> pieces, std::optional<Colour> colour)
{
    Stroke(colour.value_or(foreColor_));
    EndPath();
    const auto snap = [&](PointF p) {
        if (ends_ == Ends::Square)
            p = {static_cast<float>(Snapped(p.x, drawWidth_)), static_cast<float>(Snapped(p.y, drawWidth_))};
        return p;
    };
    body_ += "<path d=\"M";
    Point(snap(from));
    direction_ = 0;
    PointF at = from;
    for (const PathPiece& p : pieces) {
        if (p.arc) {
            ArcTo(p);
            Point(snap(p.to));
        } else {
            LineTo(snap(at), snap(p.to));
        }
        at = p.to;
    }
    body_ += "\"/>\n";
}

void SvgSurface::Fill(PointF from, std::span<const PathPiece> pieces, Colour colour)
{
    // Outside any group, so its points are the picture's own, not moved by a group's transform.
    EndPath();
    if (inGroup_)
        body_ += "</g>\n";
    inGroup_ = false;
    const auto point = [&](PointF p) {
        Number(body_, p.x);
        body_ += ' ';
        Number(body_, p.y);
    };
    body_ += "<path fill=\"" + Hex(colour) + "\" d=\"M";
    point(from);
    for (const PathPiece& p : pieces) {
        if (p.arc)
            ArcTo(p);
        else
            body_ += 'L';
        point(p.to);
    }
    body_ += "Z\"/>\n";
}

void SvgSurface::ArcTo(const PathPiece& p)
{
    // Anticlockwise on the picture is SVG's negative sweep.
    body_ += 'A';
    Number(body_, p.radius);
    body_ += ' ';
    Number(body_, p.radius);
    body_ += std::abs(p.sweepDeg) > 180 ? " 0 1 " : " 0 0 ";
    body_ += p.sweepDeg < 0 ? "1 " : "0 ";
}

void SvgSurface::Print(std::string_view text)
{
    const PointF at{currentX_, currentY_};
    if (!letters_.empty()) {
        // The same letter printed again a pixel over makes it bold: one letter, a little wider.
        Letter& last = letters_.back();
        const PointF least{std::min(last.least.x, at.x), std::min(last.least.y, at.y)};
        const PointF most{std::max(last.most.x, at.x), std::max(last.most.y, at.y)};
        if (last.side == 0 && last.text == text && last.colour == foreColor_ && most.x - least.x <= 1 &&
            most.y - least.y <= 1) {
            last.least = least;
            last.most = most;
            return;
        }
    }
    letters_.push_back({std::string(text), foreColor_, at, at, 0});
}

void SvgSurface::PrintFitted(std::string_view text, PointF topLeft, float side)
{
    // A mark printed again over the route is written once, over everything, all the same.
    for (const Letter& l : letters_)
        if (l.side == side && l.least == topLeft && l.text == text && l.colour == foreColor_)
            return;
    letters_.push_back({std::string(text), foreColor_, topLeft, topLeft, side});
}

std::string SvgSurface::LettersText() const
{
    // The window font's capitals are about 13 pixels from top to baseline; a bold capital's ink
    // is about 0.73 of the font size high and a little less wide, so a fitted letter's size is
    // its square's side, centred on the square and on its baseline.
    constexpr float kAscent = 12;
    constexpr float kInkHeight = 0.73F;
    std::string out = "<g font-family=\"DejaVu Sans,sans-serif\" font-weight=\"bold\" font-size=\"14\">\n";
    for (const Letter& l : letters_) {
        out += "<text x=\"";
        if (l.side == 0) {
            Number(out, l.least.x);
            out += "\" y=\"";
            Number(out, l.least.y + kAscent);
            out += "\"";
        } else {
            Number(out, l.least.x + l.side / 2);
            out += "\" y=\"";
            Number(out, l.least.y + l.side / 2 + l.side * kInkHeight / 2);
            out += "\" font-size=\"";
            Number(out, l.side);
            out += "\" text-anchor=\"middle\"";
        }
        out += " fill=\"" + Hex(l.colour) + "\">" + Escaped(l.text) + "</text>\n";
    }
    return out + "</g>\n";
}

std::string SvgSurface::OutlinedLetters() const
{
    std::string out;
    for (const Letter& l : letters_) {
        const std::string d = l.side == 0 ? outlines_->Printed(l.text, l.least, std::max(l.most.x - l.least.x, l.most.y - l.least.y))
                                          : outlines_->Fitted(l.text, l.least, l.side);
        out += "<path fill=\"" + Hex(l.colour) + "\" d=\"" + d + "\"/>\n";
    }
    return out;
}

std::string SvgSurface::Document() const
{
    const std::string w = std::to_string(static_cast<int>(std::ceil(width_)));
    const std::string h = std::to_string(static_cast<int>(std::ceil(height_)));
    std::string out;
    out.reserve(body_.size() + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w +
           "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n<title>" + Escaped(title_) + "</title>\n";
    out += body_;
    if (inPath_)
        out += "\"/>\n";
    if (inGroup_)
        out += "</g>\n";
    if (!letters_.empty())
        out += outlines_ ? OutlinedLetters() : LettersText();
    out += "</svg>\n";
    return out;
}

}  // namespace tolvane
