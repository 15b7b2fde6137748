// The picture of a game.
#include "core/play/DrawPlay.h"

#include <algorithm>
#include <cmath>

#include "core/render/CellFill.h"
#include "core/render/DrawMaze.h"

namespace tolvane {
namespace {

// `classic` pixels in a kCell-pixel cell, in proportion in any other, rounded to the nearest.
int Scaled(const CellGeometry& g, int classic) { return (g.cell * classic + kCell / 2) / kCell; }

// How far the narrowest cells of a shape reach from their centres to their nearest side, in
// shape units: half a square or a hexagon, a unit triangle's inner circle, half a circle's
// narrowest cell (0.75 wide).
double InnerReach(const Shape& shape)
{
    switch (shape.kind) {
    case ShapeKind::Triangle:
    case ShapeKind::TriangleRectangle:
        return 0.28867513;  // 1 / (2 sqrt 3)
    case ShapeKind::Circle:
        return 0.375;
    default:
        return 0.5;
    }
}

// A shape's cell drawn as the classic 17-pixel cell draws a `classic`-pixel width: in proportion
// to how far its narrowest cells reach, at least a pixel.
int ShapeScaled(const Shape& shape, const ShapeView& view, int classic)
{
    return std::max(1, static_cast<int>(std::lround(2 * InnerReach(shape) * view.unit * classic / kCell)));
}

}  // namespace

int TrailWidth(const CellGeometry& g) { return std::max(1, std::min(Scaled(g, kTrailWidth), g.cell - 3)); }

int MarkerSide(const CellGeometry& g) { return std::max(1, std::min(Scaled(g, kMarkerSide), g.cell - 1)); }

// The rectangle's cells as whole pixels, for the widths its classic game keeps.
CellGeometry RectangleCells(const ShapeView& view)
{
    return {static_cast<int>(view.unit), static_cast<int>(view.left), static_cast<int>(view.top)};
}

int ShapeTrailWidth(const Shape& shape, const ShapeView& view)
{
    return shape.kind == ShapeKind::Rectangle ? TrailWidth(RectangleCells(view)) : ShapeScaled(shape, view, kTrailWidth);
}

int ShapeMarkerSide(const Shape& shape, const ShapeView& view)
{
    return shape.kind == ShapeKind::Rectangle ? MarkerSide(RectangleCells(view)) : ShapeScaled(shape, view, kMarkerSide);
}

void DrawShapePlay(const Shape& shape, const Passages& passages, const Game& game, Surface& surface,
                   const ShapeView& view, std::span<const CellId> route)
{
    DrawShapeWalls(shape, passages, surface, view);
    const std::vector<CellId>& trail = game.Trail();
    if (shape.kind == ShapeKind::Rectangle) {
        // The rectangle's classic trail: a line a step.
        const auto centre = [&](std::size_t i) { return view.Map(shape.centres[static_cast<std::size_t>(trail[i])]); };
        surface.SetDrawWidth(ShapeTrailWidth(shape, view));
        for (std::size_t i = 1; i < trail.size(); ++i)
            surface.Line(centre(i - 1), centre(i), EndPoint::Absolute, kTrailColour);
    } else if (trail.size() > 1) {
        const CentreStroke stroke = StrokeThroughCentres(shape, trail, view);
        surface.SetDrawWidth(ShapeTrailWidth(shape, view));
        surface.Path(stroke.from, stroke.pieces, kTrailColour);
    }
    surface.SetDrawWidth(1);
    DrawShapeRoute(shape, route, surface, view);
    const PointF centre = view.Map(shape.centres[static_cast<std::size_t>(game.Marker())]);
    surface.SetDrawWidth(ShapeMarkerSide(shape, view));
    surface.Line(centre, centre, EndPoint::Absolute, kMarkerColour);
    surface.SetDrawWidth(1);
    PrintShapeMarks(shape, surface, view);
}

CentreStroke EdgeStroke(const Shape& shape, std::int32_t edge, const ShapeView& view)
{
    const Edge& e = shape.edges[static_cast<std::size_t>(edge)];
    PathPiece piece{.to = view.Map(e.to), .arc = e.arc};
    if (e.arc) {
        piece.centre = view.Map(e.centre);
        piece.radius = e.radius * view.unit;
        piece.startDeg = e.startDeg;
        piece.sweepDeg = e.sweepDeg;
    }
    return {view.Map(e.from), {piece}};
}

void DrawShapeHint(const Shape& shape, const Game& game, CellId next, Surface& surface, const ShapeView& view)
{
    if (shape.kind == ShapeKind::Rectangle) {
        const PointF c = shape.centres[static_cast<std::size_t>(next)];
        FillCell(surface, RectangleCells(view), static_cast<int>(c.x), static_cast<int>(c.y), kHintColour);
        return PrintShapeMarks(shape, surface, view);  // G, when the hint is its cell, stays readable
    }
    const CellId step[] = {game.Marker(), next};
    const CentreStroke stroke = StrokeThroughCentres(shape, step, view);
    surface.SetDrawWidth(ShapeTrailWidth(shape, view));
    surface.Path(stroke.from, stroke.pieces, kHintColour);
    const PointF centre = view.Map(shape.centres[static_cast<std::size_t>(next)]);
    surface.SetDrawWidth(ShapeMarkerSide(shape, view));
    surface.Line(centre, centre, EndPoint::Absolute, kHintColour);
    surface.SetDrawWidth(1);
    PrintShapeMarks(shape, surface, view);  // G, when the hint is its cell, stays readable
}

}  // namespace tolvane
