// Walls read off a picture as the eye reads them, to compare a frame with a picture drawn afresh.
#pragma once

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tolvane::testing {

// Light and dark as the eye sees a wall: a pixel is a wall's when dark, a cell's when light
// (every fill colour is), and the smoothed pixels at a wall's edges are neither.
enum class Ink : std::uint8_t { Dark, Between, Light };
struct InkMap {
    int width, height;
    std::vector<Ink> ink;
    Ink At(int x, int y) const
    {
        return x < 0 || y < 0 || x >= width || y >= height ? Ink::Light : ink[static_cast<std::size_t>(y * width + x)];
    }
};

inline InkMap InkOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    InkMap map{rgb.width(), rgb.height(), {}};
    map.ink.reserve(static_cast<std::size_t>(map.width * map.height));
    for (int y = 0; y < map.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < map.width; ++x) {
            const int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            const int lightness = (std::max({r, g, b}) + std::min({r, g, b})) / 2;
            map.ink.push_back(lightness < 60 ? Ink::Dark : lightness > 180 ? Ink::Light : Ink::Between);
        }
    }
    return map;
}

// The pixels where one picture has a wall and the other only cells, there and two pixels all
// round: a slanted wall's smoothed edge drawn again over itself darkens and thickens a little,
// which is no fault, but a wall left standing or missing is a whole line of such pixels.
inline int WallsApart(const QImage& first, const QImage& second)
{
    const InkMap a = InkOf(first), b = InkOf(second);
    const auto lightAround = [](const InkMap& m, int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (m.At(x + dx, y + dy) != Ink::Light)
                    return false;
        return true;
    };
    int apart = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            apart += a.At(x, y) == Ink::Dark && lightAround(b, x, y);
            apart += b.At(x, y) == Ink::Dark && lightAround(a, x, y);
        }
    return apart;
}

}  // namespace tolvane::testing
