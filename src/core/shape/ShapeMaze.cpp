// Building a maze of a shape.
#include "core/shape/ShapeMaze.h"

#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/platform/Random.h"
#include "core/shape/make/Polygons.h"

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

namespace {

ShapeMaze RectangleMaze(Shape shape, const MazeState& state)
{
    ShapeMaze maze{std::move(shape), {}, {}};
    maze.passages = PassagesOf(maze.shape.graph, state);
    maze.route = SearchDepthFirst(maze.shape.graph, maze.passages).cells;
    return maze;
}

}  // namespace

ShapeMaze ShapeMazeOf(const MazeState& state) { return RectangleMaze(RectangleShape(state.size), state); }

ShapeMaze PictureMazeOf(const MazeState& state)
{
    if (!state.Found)
        return RectangleMaze(RectanglePictureShape(state.size), state);
    // A solved state's route is the one the depth-first search would find: read, not searched again.
    ShapeMaze maze{RectanglePictureShape(state.size), {}, {}};
    maze.passages = PassagesOf(maze.shape.graph, state);
    maze.route.reserve(static_cast<std::size_t>(state.PathLen));
    for (int i = 1; i <= state.PathLen; ++i)
        maze.route.push_back(state.PathY(i) * state.size.width + state.PathX(i));
    return maze;
}

Texture MeasureTexture(const ShapeMaze& maze)
{
    return MeasureTexture(maze.shape.graph, maze.passages, CentresStraight(maze.shape));
}

}  // namespace tolvane
