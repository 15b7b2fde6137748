// The finished picture of a maze.
#include "core/solve/Answer.h"

#include "core/render/DrawMaze.h"
#include "core/solve/Replay.h"
#include "core/solve/Search.h"

namespace tolvane {

void DrawPicture(const MazeState& maze, Surface& surface, Answer answer)
{
    DrawMaze(maze, surface);
    if (answer == Answer::Shown)
        DrawWholeRoute(maze, surface);
}

void DrawWholeRoute(const MazeState& maze, Surface& surface)
{
    MazeState searched = maze;
    Solve(searched);
    if (searched.Found)
        DrawRoute(searched, surface, searched.PathLen - 1);
}

}  // namespace tolvane
