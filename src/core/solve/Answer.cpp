// The finished picture of a maze.
#include "core/solve/Answer.h"

#include "core/render/DrawMaze.h"
#include "core/solve/Replay.h"
#include "core/search/Searches.h"

namespace tolvane {

void DrawPicture(const MazeState& maze, Surface& surface, Answer answer)
{
    DrawPicture(maze, surface, answer, CellGeometry::For(maze.size));
}

void DrawPicture(const MazeState& maze, Surface& surface, Answer answer, const CellGeometry& geometry)
{
    DrawMaze(maze, surface, geometry);
    if (answer == Answer::Shown)
        DrawWholeRoute(maze, surface, geometry);
}

void DrawWholeRoute(const MazeState& maze, Surface& surface) { DrawWholeRoute(maze, surface, CellGeometry::For(maze.size)); }

void DrawWholeRoute(const MazeState& maze, Surface& surface, const CellGeometry& geometry)
{
    MazeState searched = maze;
    Solve(searched);
    if (searched.Found)
        DrawRoute(searched, surface, searched.PathLen - 1, geometry);
}

}  // namespace tolvane
