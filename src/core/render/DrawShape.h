// Draws a maze of any shape: its walls joined into runs, S and G in their cells, its route.
#pragma once

#include <span>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/platform/surface/Surface.h"
#include "core/render/Geometry.h"
#include "core/shape/Shape.h"

namespace tolvane {

// Where a shape lies on a picture: `unit` pixels a shape unit, its (0, 0) at (left, top).
struct ShapeView {
    float unit = 1;
    float left = 0;
    float top = 0;

    PointF Map(PointF p) const { return {left + p.x * unit, top + p.y * unit}; }

    // The largest view that fits `shape` into `width` x `height` pixels with `margin` pixels
    // free all round, centred.
    static ShapeView Fit(const Shape& shape, float width, float height, float margin);
    // The view that lays the rectangle shape's cells on the classic picture's cells.
    static ShapeView Of(const CellGeometry& g)
    {
        return {static_cast<float>(g.cell), static_cast<float>(g.left), static_cast<float>(g.top)};
    }
};

// Clears the surface and draws the frame and every closed wall in the pen's colour and
// width, as few strokes as the walls allow, then the blue S and G centred in their cells, each as large as its cell holds.
void DrawShape(const Shape& shape, const Passages& passages, Surface& surface, const ShapeView& view);
// The same without S and G, for pictures that print them over what they add.
void DrawShapeWalls(const Shape& shape, const Passages& passages, Surface& surface, const ShapeView& view);

// A way through the centres of cells, as one stroke on the picture: where it starts and its
// pieces; a step between two cells of one ring of a circle follows the ring.
struct CentreStroke {
    PointF from;
    std::vector<PathPiece> pieces;
};
// Through the first `steps` steps of `cells`, or all of them.
CentreStroke StrokeThroughCentres(const Shape& shape, std::span<const CellId> cells, const ShapeView& view, int steps = -1);

// The route in red through the centres of `route`'s cells, as one stroke; a step between two
// cells of one ring of a circle follows the ring. Draws the first `steps` steps, or all of them.
void DrawShapeRoute(const Shape& shape, std::span<const CellId> route, Surface& surface, const ShapeView& view,
                    int steps = -1);

// One cell for a picture that shows more than walls: its inside filled with `fill` up to its
// outline (arcs included), then the frame and the closed walls of its outline in the pen's
// colour and width, over the fill. Neighbours' walls that only touch it at a corner are left
// as they are.
void DrawShapeCell(const Shape& shape, const Passages& passages, CellId cell, Colour fill, Surface& surface,
                   const ShapeView& view);

// The blue S and G alone, centred on their cells' centres, each as large as its cell holds.
void PrintShapeMarks(const Shape& shape, Surface& surface, const ShapeView& view);

}  // namespace tolvane
