// The picture of a game.
#include "core/play/DrawPlay.h"

#include "core/render/CellFill.h"
#include "core/render/DrawMaze.h"

namespace tolvane {

void DrawPlay(const MazeState& maze, const Play& play, Surface& surface, const CellGeometry& geometry, Answer answer)
{
    DrawMaze(maze, surface);
    const std::vector<Cell>& trail = play.Trail();
    surface.SetDrawWidth(kTrailWidth);
    for (std::size_t i = 1; i < trail.size(); ++i)
        surface.Line(geometry.Centre(trail[i - 1].x, trail[i - 1].y), geometry.Centre(trail[i].x, trail[i].y),
                     EndPoint::Absolute, kTrailColour);
    surface.SetDrawWidth(1);
    if (answer == Answer::Shown)
        DrawWholeRoute(maze, surface);
    // A line of no length at the marker's width is a square centred on the cell.
    const PointF centre = geometry.Centre(play.Marker().x, play.Marker().y);
    surface.SetDrawWidth(kMarkerSide);
    surface.Line(centre, centre, EndPoint::Absolute, kMarkerColour);
    surface.SetDrawWidth(1);
}

}  // namespace tolvane

namespace tolvane {

void DrawHint(const MazeState&, const Play& play, Direction next, Surface& surface, const CellGeometry& geometry)
{
    const Cell to = Step(play.Marker(), next);
    FillCell(surface, geometry, to.x, to.y, kHintColour);
}

}  // namespace tolvane
