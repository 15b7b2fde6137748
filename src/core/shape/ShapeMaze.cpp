// Building a maze of a shape.
#include "core/shape/ShapeMaze.h"

#include "core/generate/Builders.h"
#include "core/graph/GraphSearch.h"
#include "core/platform/Random.h"

namespace tolvane {

ShapeMaze BuildShapeMaze(Shape shape, std::uint64_t seed)
{
    ClockRandom random;
    random.Seed(seed);
    ShapeMaze maze{std::move(shape), {}, {}};
    maze.passages = BuildBacktracker(maze.shape.graph, random, nullptr);
    maze.route = SearchDepthFirst(maze.shape.graph, maze.passages).cells;
    return maze;
}

}  // namespace tolvane
