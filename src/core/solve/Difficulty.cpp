// Difficulty measures and levels.
#include "core/solve/Difficulty.h"

#include "core/generate/MakeMaze.h"
#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/graph/Texture.h"
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

namespace {

// Draws seeds until one builds a maze, `algorithm` route first, whose route lies within
// `tolerance` cells of `route` and whose measures `accept` takes. Seeds are cheap to pass over:
// one whose first draw, the route's length, is already too far off costs one seeding and one
// draw; the bound on those only guards against a target no seed meets.
std::optional<Difficulty> BuildNear(MazeState& maze, ClockRandom& random, Algorithm algorithm, int route, int tolerance,
                                    const std::function<bool(const Difficulty&)>& accept, int attempts, int* built)
{
    const RouteRange range = RouteRangeOf(RectangleGraph(maze.size));
    const BuildChoice how{algorithm, 0, true};
    int builds = 0;
    std::optional<Difficulty> found;
    for (long long looked = 0; builds < attempts && looked < 1000LL * attempts && !found; ++looked) {
        random.Randomize();
        const std::uint64_t seed = *random.LastSeed();
        if (std::abs(FirstRouteLength(range, random) - route) > tolerance)
            continue;
        ++builds;
        random.QueueSeed(seed);
        BuildMazeBy(maze, how, random);
        const Texture t = MeasureTexture(maze);
        const Difficulty d{t.route, t.deadEnds, t.decisions};
        if (std::abs(d.route - route) <= tolerance && accept(d))
            found = d;
    }
    if (built)
        *built = builds;
    return found;
}

}  // namespace

std::optional<Difficulty> BuildLevelMaze(MazeState& maze, ClockRandom& random, const Level& level, int attempts, int* built)
{
    if (maze.size != level.size)
        maze = MazeState(level.size);
    return BuildNear(maze, random, level.algorithm, level.route, level.route / 10,
                     [&](const Difficulty& d) { return level.Fits(d); }, attempts, built);
}

std::optional<Difficulty> BuildRouteMaze(MazeState& maze, ClockRandom& random, Algorithm algorithm, int route,
                                         int tolerance, int attempts, int* built)
{
    return BuildNear(maze, random, algorithm, route, tolerance, [](const Difficulty&) { return true; }, attempts, built);
}

}  // namespace tolvane
