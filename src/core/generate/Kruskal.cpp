// Kruskal's algorithm: the walls in a random order, opened where they join two sets.
#include <numeric>
#include <utility>

#include "core/generate/BuildKit.h"
#include "core/generate/Builders.h"

namespace tolvane {

Passages BuildKruskal(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    Passages passages(graph);
    std::vector<WallId> walls(static_cast<std::size_t>(graph.WallCount()));
    std::iota(walls.begin(), walls.end(), 0);
    // Fisher-Yates, from the end.
    for (int i = graph.WallCount() - 1; i > 0; --i)
        std::swap(walls[static_cast<std::size_t>(i)], walls[static_cast<std::size_t>(Draw(random, i + 1))]);
    // The sets: each cell points towards its set's root; the smaller set joins the bigger.
    std::vector<CellId> parent(static_cast<std::size_t>(graph.CellCount()));
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<int> size(parent.size(), 1);
    auto root = [&](CellId c) {
        while (parent[static_cast<std::size_t>(c)] != c) {
            auto& p = parent[static_cast<std::size_t>(c)];
            p = parent[static_cast<std::size_t>(p)];
            c = p;
        }
        return c;
    };
    int joins = graph.CellCount() - 1;
    for (const WallId wall : walls) {
        if (joins == 0)
            break;
        CellId a = root(graph.SideA(wall));
        CellId b = root(graph.SideB(wall));
        if (a == b)
            continue;
        if (size[static_cast<std::size_t>(a)] < size[static_cast<std::size_t>(b)])
            std::swap(a, b);
        parent[static_cast<std::size_t>(b)] = a;
        size[static_cast<std::size_t>(a)] += size[static_cast<std::size_t>(b)];
        passages.Carve(wall);
        --joins;
        Report(sink, {StepKind::Open, graph.SideA(wall), wall});
        Report(sink, {StepKind::Group, graph.SideB(wall), -1, a});
    }
    return passages;
}

}  // namespace tolvane
