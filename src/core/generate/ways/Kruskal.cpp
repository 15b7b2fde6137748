// Kruskal's algorithm: the walls in a random order, opened where they join two sets.
#include <numeric>
#include <utility>

#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

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
    // The cells of each set, kept only for a watcher, which sees every cell join its new set.
    std::vector<std::vector<CellId>> members(sink != nullptr ? parent.size() : 0);
    for (std::size_t c = 0; c < members.size(); ++c)
        members[c] = {static_cast<CellId>(c)};
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
        passages.Carve(wall);
        --joins;
        Report(sink, {StepKind::Open, graph.SideA(wall), wall});
        if (sink != nullptr) {
            // Every cell of the smaller set joins the bigger one, which a lone cell starts; groups
            // are numbered from 1, as the regions are, so a set is named by its root plus one.
            auto& into = members[static_cast<std::size_t>(a)];
            auto& from = members[static_cast<std::size_t>(b)];
            if (size[static_cast<std::size_t>(a)] == 1)
                Report(sink, {StepKind::Group, a, -1, a + 1});
            for (const CellId c : from)
                Report(sink, {StepKind::Group, c, -1, a + 1});
            into.insert(into.end(), from.begin(), from.end());
            from = {};
        }
        size[static_cast<std::size_t>(a)] += size[static_cast<std::size_t>(b)];
    }
    return passages;
}

}  // namespace tolvane
