// Which logical pixels an axis-aligned line covers: the one geometry every surface paints.
#pragma once

#include <algorithm>
#include <cmath>

namespace tolvane {

// A run of logical pixels [first, last], inclusive, along one axis.
struct Span {
    int first, last;
};

// The pixels a line of odd or even width w covers across its length: w pixels, centred on
// the coordinate c, with pixels lying right of and below their coordinate.
inline Span Across(double c, int w)
{
    const int first = static_cast<int>(std::floor(c - (w - 1) / 2.0));
    return {first, first + w - 1};
}

// The pixels it covers along its length: both end points, each capped by half the width, so
// that walls meeting at a corner close it and a route's turns are square.
inline Span Along(double a, double b, int w)
{
    const double half = (w - 1) / 2.0;
    return {static_cast<int>(std::floor(std::min(a, b) - half)), static_cast<int>(std::floor(std::max(a, b) + half))};
}

}  // namespace tolvane
