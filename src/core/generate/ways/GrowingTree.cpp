// The growing tree, taking the newest cell or a random one.
#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {
namespace {
constexpr double kNewestShare = 0.75;  // how often the newest cell is taken: three times in four
}

Passages BuildGrowingTree(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Carving maze(graph, sink);
    // The cells that may still lead on, in the order they came, except that a cell leaving the
    // list gives its place to the last one.
    std::vector<CellId> active{Draw(random, graph.CellCount())};
    maze.TakeIn(active.back());
    WayOut out(graph, maze);
    while (!active.empty()) {
        const int count = static_cast<int>(active.size());
        const std::size_t at = static_cast<std::size_t>(random.NextRandom() < kNewestShare ? count - 1 : Draw(random, count));
        const CellId c = active[at];
        const auto way = out.From(c, random);
        if (!way) {
            Report(sink, {StepKind::BackUp, c});
            active[at] = active.back();
            active.pop_back();
            continue;
        }
        maze.OpenInto(way->wall, way->to);
        active.push_back(way->to);
    }
    return std::move(maze.passages);
}

}  // namespace tolvane
