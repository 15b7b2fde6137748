// Path animation.
#include "core/solve/Replay.h"

#include "core/render/DrawMaze.h"
#include "core/render/Geometry.h"

namespace tolvane {
namespace {

constexpr int kPlainWidth = 1;

PointF Centre(Int16 x, Int16 y) { return kWindowGeometry.Centre(x, y); }

}  // namespace

void DrawRoute(const MazeState& s, Surface& surface, int lastSegment)
{
    surface.SetDrawWidth(kRouteWidth);
    for (int i = 0; i <= lastSegment; ++i)
        surface.Line(Centre(s.PathX(i), s.PathY(i)), Centre(s.PathX(i + 1), s.PathY(i + 1)), EndPoint::Absolute,
                     kRouteColour);
    surface.SetDrawWidth(kPlainWidth);
}

void ReplayTick(MazeState& s, Surface& surface, Switch& timer)
{
    DrawMaze(s, surface);
    DrawRoute(s, surface, s.StepCount);  // the bound is read once, before the first segment
    s.StepCount = To16(s.StepCount + 1);
    if (s.StepCount == s.PathLen)
        timer.SetEnabled(false);
}

}  // namespace tolvane
