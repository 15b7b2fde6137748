// Path animation.
#include "core/solve/Replay.h"

#include "core/render/DrawMaze.h"
#include "core/render/Geometry.h"

namespace tolvane {
namespace {

constexpr int kPlainWidth = 1;

}  // namespace

void DrawRoute(const MazeState& s, Surface& surface, int lastSegment)
{
    DrawRoute(s, surface, lastSegment, CellGeometry::For(s.size));
}

void DrawRoute(const MazeState& s, Surface& surface, int lastSegment, const CellGeometry& g)
{
    DrawRouteSegments(s, surface, 0, lastSegment, g);
    // A mark in the middle of its cell lies under the route's first and last segments; printed
    // again it stays readable. The classic letters keep the classic picture.
    if (g.cell != kCell)
        PrintMarks(s, surface, g);
}

void DrawRouteSegments(const MazeState& s, Surface& surface, int firstSegment, int lastSegment, const CellGeometry& g)
{
    surface.SetDrawWidth(kRouteWidth);
    for (int i = firstSegment; i <= lastSegment; ++i)
        surface.Line(g.Centre(s.PathX(i), s.PathY(i)), g.Centre(s.PathX(i + 1), s.PathY(i + 1)), EndPoint::Absolute,
                     kRouteColour);
    surface.SetDrawWidth(kPlainWidth);
}

void ReplayTick(MazeState& s, Surface& surface, Switch& timer) { ReplayTick(s, surface, timer, CellGeometry::For(s.size)); }

void ReplayTick(MazeState& s, Surface& surface, Switch& timer, const CellGeometry& g)
{
    DrawMaze(s, surface, g);
    ReplayStep(s, surface, timer, g);
}

void ReplayStep(MazeState& s, Surface& surface, Switch& timer, const CellGeometry& g)
{
    DrawRoute(s, surface, s.StepCount, g);  // the bound is read once, before the first segment
    s.StepCount = Add32(s.StepCount, 1);
    if (s.StepCount == s.PathLen)
        timer.SetEnabled(false);
}

}  // namespace tolvane
