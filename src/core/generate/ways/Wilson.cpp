// Wilson's algorithm: random walks from each cell outside the maze, their loops erased.
#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {

Passages BuildWilson(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    // The way each cell of the current walk last left by: a walk that comes back to a cell
    // overwrites it, which erases the loop it made.
    std::vector<Link> leftBy(static_cast<std::size_t>(graph.CellCount()), Link{kNoCell, -1});
    maze.TakeIn(Draw(random, graph.CellCount()));
    for (CellId from = 0; from < graph.CellCount(); ++from) {
        if (maze.In(from))
            continue;
        for (CellId c = from; !maze.In(c);) {
            const auto links = graph.Neighbours(c);
            const Link& way = links[static_cast<std::size_t>(Draw(random, static_cast<int>(links.size())))];
            leftBy[static_cast<std::size_t>(c)] = way;
            c = way.to;
        }
        // The walk without its loops joins the maze, from its first cell on.
        CellId c = from;
        maze.TakeIn(c);
        while (true) {
            const Link way = leftBy[static_cast<std::size_t>(c)];
            if (maze.In(way.to)) {
                maze.passages.Carve(way.wall);
                Report(sink, {StepKind::Open, c, way.wall});
                break;
            }
            maze.OpenInto(way.wall, way.to);
            c = way.to;
        }
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
