// Drawing mazes of any shape.
#include "core/render/DrawShape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/render/DrawMaze.h"
#include "core/render/WallPaths.h"

namespace tolvane {
namespace {

constexpr Colour kMarkColour = kBlue;
constexpr Colour kRouteColour = kRed;
constexpr int kRouteWidth = 3;  // as wide as the replay's route on the rectangle
// A mark keeps a pixel clear of its cell's walls on every side, as on the rectangle: a cell's
// inner square less the wall and that gap.
constexpr float kMarkInset = 3;
// Points taken along each side of a cell when measuring the room inside it; the measure errs
// by at most a side's 1/64, which the inset covers in any cell big enough for a letter.
constexpr int kSidePoints = 32;

// Half the side of the largest upright square centred on `cell`'s centre that stays inside its
// outline, in shape units: the least distance, measured along x or y whichever is larger, from
// the centre to the points of its sides.
double HalfSquareInside(const Shape& shape, CellId cell)
{
    const PointF c = shape.centres[static_cast<std::size_t>(cell)];
    double least = std::max(shape.width, shape.height);
    for (const std::int32_t i : shape.Outline(cell)) {
        const Edge& e = shape.edges[static_cast<std::size_t>(i)];
        for (int k = 0; k <= kSidePoints; ++k) {
            const double t = static_cast<double>(k) / kSidePoints;
            const PointF p = e.arc ? OnCircle(e.centre, e.radius, e.startDeg + t * e.sweepDeg)
                                   : PointF{static_cast<float>(e.from.x + t * (e.to.x - e.from.x)),
                                            static_cast<float>(e.from.y + t * (e.to.y - e.from.y))};
            least = std::min(least, std::max<double>(std::abs(p.x - c.x), std::abs(p.y - c.y)));
        }
    }
    return least;
}

// S or G in its cell: the letter as large as the cell holds, or, in a cell too small for a
// letter to read on the surface, a blue square that fills what lies inside the walls.
void PrintMark(const Shape& shape, CellId cell, std::string_view letter, Surface& surface, const ShapeView& view,
               const PictureBox& box)
{
    const PointF at = view.Map(shape.centres[static_cast<std::size_t>(cell)]);
    const auto side = static_cast<float>(std::floor(2 * HalfSquareInside(shape, cell) * view.unit) - kMarkInset);
    if (side >= static_cast<float>(surface.SmallestLetter())) {
        surface.PrintFitted(letter, {std::round(at.x - side / 2), std::round(at.y - side / 2)}, side);
        return;
    }
    // A line of no length at a width is a square centred on its point.
    const int width = surface.DrawWidth();
    surface.SetDrawWidth(std::max(1, static_cast<int>(side)));
    surface.Line(at, at, EndPoint::Absolute, kMarkColour);
    surface.SetDrawWidth(width);
    PrintBeacon(surface, at, side + kMarkInset, letter, box);
}

// The angle of `p` around `centre` in the surface's degrees.
double DegreesOf(PointF p, PointF centre) { return std::atan2(centre.y - p.y, p.x - centre.x) * 180.0 / std::numbers::pi; }

// An edge as a piece of a path on the picture, walked from `from` to `to` or, reversed, back.
PathPiece PieceOf(const Edge& e, const ShapeView& view, bool reversed)
{
    if (!e.arc)
        return {view.Map(reversed ? e.from : e.to)};
    return {view.Map(reversed ? e.from : e.to), true, view.Map(e.centre), e.radius * view.unit,
            reversed ? e.startDeg + e.sweepDeg : e.startDeg, reversed ? -e.sweepDeg : e.sweepDeg};
}

// A rectangle's cells across and down: one unit each.
MazeSize RectangleSize(const Shape& shape)
{
    return {static_cast<int>(std::lround(shape.width)), static_cast<int>(std::lround(shape.height))};
}

// The rectangle's route as its classic replay draws it: a line a step, the first a dot on S's
// centre (the replay's step from S to itself), and S and G printed again over it where they are
// not the classic letters.
void DrawRectangleRoute(const Shape& shape, std::span<const CellId> route, Surface& surface, const ShapeView& view,
                        int steps)
{
    const std::size_t last = steps < 0 ? route.size() - 1 : std::min(route.size() - 1, static_cast<std::size_t>(steps));
    const auto centre = [&](std::size_t i) { return view.Map(shape.centres[static_cast<std::size_t>(route[i])]); };
    const int pen = surface.DrawWidth();
    surface.SetDrawWidth(kRouteWidth);
    surface.Line(centre(0), centre(0), EndPoint::Absolute, kRouteColour);
    for (std::size_t i = 1; i <= last; ++i)
        surface.Line(centre(i - 1), centre(i), EndPoint::Absolute, kRouteColour);
    surface.SetDrawWidth(pen);
    if (view.unit != kCell)
        PrintShapeMarks(shape, surface, view);
}

// The squares a shape closes round without making them cells, hatched with lines down to the
// left half a unit apart, which run on unbroken from square to square.
void HatchEnclosed(const Shape& shape, Surface& surface, const ShapeView& view)
{
    for (const PointF corner : shape.enclosed) {
        const auto at = [&](float dx, float dy) { return view.Map({corner.x + dx, corner.y + dy}); };
        surface.Line(at(0.5f, 0), at(0, 0.5f));
        surface.Line(at(1, 0), at(0, 1));
        surface.Line(at(1, 0.5f), at(0.5f, 1));
    }
}

bool Near(PointF a, PointF b) { return std::abs(a.x - b.x) < 1e-3f && std::abs(a.y - b.y) < 1e-3f; }

}  // namespace

ShapeView ShapeView::Fit(const Shape& shape, float width, float height, float margin)
{
    const float unit = std::max(1e-3f, std::min((width - 2 * margin) / shape.width, (height - 2 * margin) / shape.height));
    return {unit, (width - unit * shape.width) / 2, (height - unit * shape.height) / 2};
}

void DrawShape(const Shape& shape, const Passages& passages, Surface& surface, const ShapeView& view)
{
    DrawShapeWalls(shape, passages, surface, view);
    PrintShapeMarks(shape, surface, view);
}

void DrawShapeWalls(const Shape& shape, const Passages& passages, Surface& surface, const ShapeView& view)
{
    // The rectangle keeps its classic strokes, cell by cell from its border ring.
    if (shape.kind == ShapeKind::Rectangle)
        return DrawRectangleWalls(shape.graph, passages, RectangleSize(shape), surface, {view.unit, view.left, view.top});
    surface.Cls();
    HatchEnclosed(shape, surface, view);
    std::vector<PathPiece> mapped;
    for (const WallRun& run : WallRuns(shape, passages)) {
        mapped.clear();
        for (PathPiece p : run.pieces) {
            p.to = view.Map(p.to);
            p.centre = view.Map(p.centre);
            p.radius *= view.unit;
            mapped.push_back(p);
        }
        surface.Path(view.Map(run.from), mapped);
    }
}

void DrawShapeCell(const Shape& shape, const Passages& passages, CellId cell, Colour fill, Surface& surface,
                   const ShapeView& view)
{
    const auto outline = shape.Outline(cell);
    if (outline.empty())
        return;
    // The outline's edges end to end, each walked on from where the last one ended, whatever
    // the order and the direction the shape lists them in.
    std::vector<PathPiece> pieces;
    pieces.reserve(outline.size());
    std::vector<std::uint8_t> used(outline.size(), 0);
    const PointF start = shape.edges[static_cast<std::size_t>(outline.front())].from;
    PointF at = start;
    for (std::size_t n = 0; n < outline.size(); ++n) {
        std::size_t k = 0;
        bool reversed = false;
        for (std::size_t j = 0; j < outline.size(); ++j) {
            const Edge& e = shape.edges[static_cast<std::size_t>(outline[j])];
            if (!used[j] && (Near(e.from, at) || Near(e.to, at))) {
                k = j;
                reversed = !Near(e.from, at);
                break;
            }
        }
        used[k] = 1;
        const Edge& e = shape.edges[static_cast<std::size_t>(outline[k])];
        pieces.push_back(PieceOf(e, view, reversed));
        at = reversed ? e.from : e.to;
    }
    surface.Fill(view.Map(start), pieces, fill);
    for (const std::int32_t i : outline) {
        const Edge& e = shape.edges[static_cast<std::size_t>(i)];
        if (e.wall >= 0 && passages.Open(e.wall))
            continue;
        const PathPiece piece = PieceOf(e, view, false);
        surface.Path(view.Map(e.from), {&piece, 1});
    }
}

void PrintShapeMarks(const Shape& shape, Surface& surface, const ShapeView& view)
{
    const Colour pen = surface.ForeColor();
    surface.SetForeColor(kMarkColour);
    const PictureBox box{view.Map({0, 0}), view.Map({shape.width, shape.height})};
    if (shape.kind == ShapeKind::Rectangle) {
        // The rectangle's marks as the classic picture has them, its corner half a cell off its centre.
        for (const CellId cell : {shape.graph.start, shape.graph.goal}) {
            const PointF centre = view.Map(shape.centres[static_cast<std::size_t>(cell)]);
            PrintSquareMark(surface, {centre.x - view.unit / 2, centre.y - view.unit / 2}, view.unit, cell == shape.graph.goal, box);
        }
    } else {
        PrintMark(shape, shape.graph.start, "S", surface, view, box);
        PrintMark(shape, shape.graph.goal, "G", surface, view, box);
    }
    surface.SetForeColor(pen);
}

CentreStroke StrokeThroughCentres(const Shape& shape, std::span<const CellId> route, const ShapeView& view, int steps)
{
    CentreStroke stroke;
    if (route.empty())
        return stroke;
    const std::size_t last = steps < 0 ? route.size() - 1 : std::min(route.size() - 1, static_cast<std::size_t>(steps));
    const auto centre = [&](std::size_t i) { return shape.centres[static_cast<std::size_t>(route[i])]; };
    stroke.from = view.Map(centre(0));
    stroke.pieces.reserve(last);
    for (std::size_t i = 1; i <= last; ++i) {
        const PointF a = centre(i - 1), b = centre(i);
        PathPiece piece{view.Map(b)};
        if (shape.pole) {
            const PointF pole = *shape.pole;
            const double ra = std::hypot(a.x - pole.x, a.y - pole.y), rb = std::hypot(b.x - pole.x, b.y - pole.y);
            if (ra > 0.25 && std::abs(ra - rb) < 1e-3) {
                const double from = DegreesOf(a, pole);
                double sweep = DegreesOf(b, pole) - from;
                sweep -= 360.0 * std::round(sweep / 360.0);  // the short way round
                piece = {view.Map(b), true, view.Map(pole), static_cast<float>(ra * view.unit), static_cast<float>(from),
                         static_cast<float>(sweep)};
            }
        }
        stroke.pieces.push_back(piece);
    }
    return stroke;
}

void DrawShapeRoute(const Shape& shape, std::span<const CellId> route, Surface& surface, const ShapeView& view, int steps)
{
    if (route.size() < 2 || steps == 0)
        return;
    if (shape.kind == ShapeKind::Rectangle)
        return DrawRectangleRoute(shape, route, surface, view, steps);
    const CentreStroke stroke = StrokeThroughCentres(shape, route, view, steps);
    const int pen = surface.DrawWidth();
    surface.SetDrawWidth(kRouteWidth);
    surface.Path(stroke.from, stroke.pieces, kRouteColour);
    surface.SetDrawWidth(pen);
}

}  // namespace tolvane
