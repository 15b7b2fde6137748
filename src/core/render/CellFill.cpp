// Cell and opening fills.
#include "core/render/CellFill.h"

#include <algorithm>

namespace tolvane {
namespace {

// A line of width w covers w pixels across, centred on its coordinate, and along its length
// both end points widened by (w - 1) / 2: a line of no length at a cell's centre, as wide as
// the cell's inside, covers exactly that inside.
void Dot(Surface& surface, PointF at, int width, Colour colour)
{
    const int saved = surface.DrawWidth();
    surface.SetDrawWidth(width);
    surface.Line(at, at, EndPoint::Absolute, colour);
    surface.SetDrawWidth(saved);
}

}  // namespace

void FillCell(Surface& surface, const CellGeometry& g, int x, int y, Colour colour)
{
    if (g.cell >= 2)
        Dot(surface, g.Centre(x, y), g.cell - 1, colour);
}

void FillOpening(Surface& surface, const CellGeometry& g, int x, int y, int nx, int ny, Colour colour)
{
    if (g.cell < 2)
        return;
    const int ox = std::max(x, nx);  // the corner the wall starts from: top or left end
    const int oy = std::max(y, ny);
    const PointF start = g.Corner(ox, oy);
    const auto inside = static_cast<float>(g.cell - 1);
    const int saved = surface.DrawWidth();
    surface.SetDrawWidth(1);
    if (nx != x)  // a wall standing upright between left and right
        surface.Line({start.x, start.y + 1}, {start.x, start.y + inside}, EndPoint::Absolute, colour);
    else
        surface.Line({start.x + 1, start.y}, {start.x + inside, start.y}, EndPoint::Absolute, colour);
    surface.SetDrawWidth(saved);
}

void FillCorner(Surface& surface, const CellGeometry& g, int x, int y, Colour colour)
{
    Dot(surface, g.Corner(x, y), 1, colour);
}

}  // namespace tolvane
