// Difficulty measures and levels.
#include "core/solve/Difficulty.h"

#include "core/maze/BuildMaze.h"
#include "core/maze/Openings.h"
#include "core/solve/Search.h"

namespace tolvane {

Difficulty MeasureSolved(const MazeState& s)
{
    Difficulty d;
    d.route = s.Found ? s.PathLen : 0;
    // S and G are where the way begins and ends, not places to turn back from.
    for (int x = 0; x <= s.LastX(); ++x)
        for (int y = 0; y <= s.LastY(); ++y)
            if (OpenSides(s, x, y).Count() == 1 && !(x == 0 && y == 0) && !(x == s.LastX() && y == s.LastY()))
                ++d.deadEnds;
    // Entry 1 is the start, where every open side leads on; elsewhere one side leads back.
    for (int i = 1; i < d.route; ++i) {
        const int ways = OpenSides(s, s.PathX(i), s.PathY(i)).Count() - (i == 1 ? 0 : 1);
        if (ways > 1)
            ++d.junctions;
    }
    return d;
}

Difficulty Measure(const MazeState& maze)
{
    MazeState searched = maze;
    Solve(searched);
    return MeasureSolved(searched);
}

std::optional<Level> LevelNumbered(int number)
{
    for (const Level& level : kLevels)
        if (level.number == number)
            return level;
    return std::nullopt;
}

std::optional<Difficulty> BuildLevelMaze(MazeState& maze, RandomSource& random, const Level& level, int attempts)
{
    if (maze.size != level.size)
        maze = MazeState(level.size);
    for (int i = 0; i < attempts; ++i) {
        BuildMaze(maze, random);
        const Difficulty d = Measure(maze);
        if (level.Fits(d))
            return d;
    }
    return std::nullopt;
}

}  // namespace tolvane
