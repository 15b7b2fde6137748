// The picture of a game.
#include "core/play/DrawPlay.h"

#include <algorithm>

#include "core/render/CellFill.h"
#include "core/render/DrawMaze.h"

namespace tolvane {
namespace {

// `classic` pixels in a kCell-pixel cell, in proportion in any other, rounded to the nearest.
int Scaled(const CellGeometry& g, int classic) { return (g.cell * classic + kCell / 2) / kCell; }

}  // namespace

int TrailWidth(const CellGeometry& g) { return std::max(1, std::min(Scaled(g, kTrailWidth), g.cell - 3)); }

int MarkerSide(const CellGeometry& g) { return std::max(1, std::min(Scaled(g, kMarkerSide), g.cell - 1)); }

void DrawPlay(const MazeState& maze, const Play& play, Surface& surface, const CellGeometry& geometry, Answer answer)
{
    DrawWalls(maze, surface, geometry);
    const std::vector<Cell>& trail = play.Trail();
    surface.SetDrawWidth(TrailWidth(geometry));
    for (std::size_t i = 1; i < trail.size(); ++i)
        surface.Line(geometry.Centre(trail[i - 1].x, trail[i - 1].y), geometry.Centre(trail[i].x, trail[i].y),
                     EndPoint::Absolute, kTrailColour);
    surface.SetDrawWidth(1);
    if (answer == Answer::Shown)
        DrawWholeRoute(maze, surface, geometry);
    // A line of no length at the marker's width is a square centred on the cell.
    const PointF centre = geometry.Centre(play.Marker().x, play.Marker().y);
    surface.SetDrawWidth(MarkerSide(geometry));
    surface.Line(centre, centre, EndPoint::Absolute, kMarkerColour);
    surface.SetDrawWidth(1);
    PrintMarks(maze, surface, geometry);
}

Segment WallSide(const CellGeometry& g, Cell c, Direction direction)
{
    switch (direction) {
    case Direction::Right:
        return {g.Corner(c.x + 1, c.y), g.Corner(c.x + 1, c.y + 1)};
    case Direction::Left:
        return {g.Corner(c.x, c.y), g.Corner(c.x, c.y + 1)};
    case Direction::Down:
        return {g.Corner(c.x, c.y + 1), g.Corner(c.x + 1, c.y + 1)};
    case Direction::Up:
        return {g.Corner(c.x, c.y), g.Corner(c.x + 1, c.y)};
    }
    return {};
}

void DrawHint(const MazeState& maze, const Play& play, Direction next, Surface& surface, const CellGeometry& geometry)
{
    const Cell to = Step(play.Marker(), next);
    FillCell(surface, geometry, to.x, to.y, kHintColour);
    PrintMarks(maze, surface, geometry);  // G, when the hint is its cell, stays readable
}

}  // namespace tolvane
