// Hunt-and-kill: a random walk, and a hunt for the next place to start one.
#include <functional>
#include <queue>
#include <vector>

#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {

Passages BuildHuntAndKill(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    // The cells beside the maze, lowest number first: the hunt takes the first one that is still
    // outside, as a scan over the cells in order would, without scanning again each time. Each
    // goes in once (a cell stays outside until it is the first), however many neighbours it has.
    std::priority_queue<CellId, std::vector<CellId>, std::greater<>> beside;
    std::vector<bool> queued(static_cast<std::size_t>(graph.CellCount()));
    auto takeIn = [&](CellId c) {
        for (const Link& l : graph.Neighbours(c))
            if (!maze.In(l.to) && !queued[static_cast<std::size_t>(l.to)]) {
                queued[static_cast<std::size_t>(l.to)] = true;
                beside.push(l.to);
            }
    };
    CellId c = Draw(random, graph.CellCount());
    maze.TakeIn(c);
    takeIn(c);
    WayOut out(graph, maze);
    std::vector<Link> ways;
    for (;;) {
        if (const auto way = out.From(c, random)) {  // kill: walk on
            maze.OpenInto(way->wall, way->to);
            c = way->to;
            takeIn(c);
            continue;
        }
        while (!beside.empty() && maze.In(beside.top()))
            beside.pop();
        if (beside.empty())
            break;
        // Hunt: join the first cell beside the maze to one of its neighbours inside it.
        c = beside.top();
        LinksWhere(graph, c, [&](const Link& l) { return maze.In(l.to); }, ways);
        const Link& back = ways[static_cast<std::size_t>(Draw(random, static_cast<int>(ways.size())))];
        maze.passages.Carve(back.wall);
        Report(sink, {StepKind::Open, c, back.wall});
        maze.TakeIn(c);
        takeIn(c);
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
