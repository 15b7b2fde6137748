// The regions build's steps on the rectangle's graph.
#include "core/graph/RegionsBuild.h"

#include <algorithm>

#include "core/graph/Rectangle.h"

namespace tolvane {

WallId RectangleWall(MazeSize size, int x, int y, int nx, int ny)
{
    // Walls are numbered as RectangleGraph names them: cell by cell, each cell's right wall,
    // then its bottom wall, where it has them. Every row above the last has 2w - 1 walls.
    const int w = size.width;
    const int ox = std::min(x, nx);  // the cell that owns the wall: left of it or above it
    const int oy = std::min(y, ny);
    const int perCell = oy + 1 < size.height ? 2 : 1;
    const WallId first = oy * (2 * w - 1) + ox * perCell;
    if (ny == y)
        return first;  // its right wall comes first
    return first + (ox + 1 < w ? 1 : 0);
}

void RegionsBuildSteps::Seeded(int x, int y, std::int32_t region)
{
    sink_.Record({StepKind::Group, RectangleCell(size_, x, y), -1, region});
}

void RegionsBuildSteps::Grown(int x, int y, int nx, int ny, std::int32_t region)
{
    const CellId c = RectangleCell(size_, x, y);
    sink_.Record({StepKind::Group, c, -1, region});
    sink_.Record({StepKind::Open, c, RectangleWall(size_, x, y, nx, ny), 0});
}

void RegionsBuildSteps::Linked(int x, int y, int nx, int ny, std::int32_t region)
{
    sink_.Record({StepKind::Open, RectangleCell(size_, x, y), RectangleWall(size_, x, y, nx, ny), region});
}

}  // namespace tolvane
