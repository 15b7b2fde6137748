// Building a maze of a shape.
#include "core/shape/ShapeMaze.h"

#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/platform/Random.h"
#include "core/shape/Polygons.h"

namespace tolvane {

ShapeMaze BuildShapeMaze(Shape shape, const BuildChoice& how, std::uint64_t seed)
{
    ClockRandom random;
    random.QueueSeed(seed);
    return BuildShapeMaze(std::move(shape), how, random);
}

ShapeMaze BuildShapeMaze(Shape shape, const BuildChoice& how, RandomSource& random)
{
    ShapeMaze maze{std::move(shape), {}, {}};
    maze.passages = BuildPassages(maze.shape.graph, how, random);
    maze.route = SearchDepthFirst(maze.shape.graph, maze.passages).cells;
    return maze;
}

ShapeMaze ShapeMazeOf(const MazeState& state)
{
    ShapeMaze maze{RectangleShape(state.size), {}, {}};
    maze.passages = PassagesOf(maze.shape.graph, state);
    maze.route = SearchDepthFirst(maze.shape.graph, maze.passages).cells;
    return maze;
}

Texture MeasureTexture(const ShapeMaze& maze)
{
    return MeasureTexture(maze.shape.graph, maze.passages, CentresStraight(maze.shape));
}

}  // namespace tolvane
