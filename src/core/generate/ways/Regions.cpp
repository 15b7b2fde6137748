// The regions algorithm on any graph: regions seeded, grown over every cell, then joined.
#include <algorithm>

#include "core/generate/ways/BuildKit.h"
#include "core/generate/ways/Builders.h"

namespace tolvane {
namespace {

// As on the classic maze: 100 regions for every 441 cells, at least one.
int RegionsFor(int cells) { return std::max(1, static_cast<int>((cells * 100LL + 220) / 441)); }

}  // namespace

Passages BuildRegions(const MazeGraph& graph, RandomSource& random, StepSink* sink)
{
    using namespace build;
    const int cells = graph.CellCount();
    Passages passages(graph);
    std::vector<std::int32_t> region(static_cast<std::size_t>(cells), 0);  // 0: none yet
    auto regionOf = [&](CellId c) -> std::int32_t& { return region[static_cast<std::size_t>(c)]; };
    auto open = [&](CellId c, const Link& l) {
        passages.Carve(l.wall);
        Report(sink, {StepKind::Open, c, l.wall});
    };
    std::vector<std::uint8_t> listed(static_cast<std::size_t>(cells), 0);
    std::vector<CellId> list;  // a taken or dropped entry gives its place to the last
    auto listEmptyNeighbours = [&](CellId c) {
        for (const Link& l : graph.Neighbours(c)) {
            if (regionOf(l.to) == 0 && !listed[static_cast<std::size_t>(l.to)]) {
                listed[static_cast<std::size_t>(l.to)] = 1;
                list.push_back(l.to);
            }
        }
    };
    auto takeFromList = [&]() {
        const std::size_t at = static_cast<std::size_t>(Draw(random, static_cast<int>(list.size())));
        const CellId c = list[at];
        list[at] = list.back();
        list.pop_back();
        return c;
    };
    // Seeding: distinct cells numbered 1, 2, ...
    const int regions = RegionsFor(cells);
    std::vector<CellId> seeds;
    while (static_cast<int>(seeds.size()) < regions) {
        const CellId c = Draw(random, cells);
        if (regionOf(c) != 0)
            continue;
        seeds.push_back(c);
        regionOf(c) = static_cast<std::int32_t>(seeds.size());
        Report(sink, {StepKind::Group, c, -1, regionOf(c)});
    }
    // Growing: a random empty cell beside a region joins one of its neighbouring regions.
    for (const CellId s : seeds)
        listEmptyNeighbours(s);
    std::vector<Link> ways;
    while (!list.empty()) {
        const CellId c = takeFromList();
        LinksWhere(graph, c, [&](const Link& l) { return regionOf(l.to) != 0; }, ways);
        const Link& way = ways[static_cast<std::size_t>(Draw(random, static_cast<int>(ways.size())))];
        regionOf(c) = regionOf(way.to);
        Report(sink, {StepKind::Group, c, -1, regionOf(c)});
        open(c, way);
        listEmptyNeighbours(c);
    }
    // Joining: a random cell of an unjoined region beside a joined one opens a wall into it,
    // and its whole region is joined. Region 1 is joined from the start.
    std::vector<std::vector<CellId>> members(static_cast<std::size_t>(regions) + 1);
    for (CellId c = 0; c < cells; ++c)
        members[static_cast<std::size_t>(regionOf(c))].push_back(c);
    std::vector<std::uint8_t> joined(static_cast<std::size_t>(regions) + 1, 0);
    std::fill(listed.begin(), listed.end(), 0);
    auto join = [&](std::int32_t r) {
        joined[static_cast<std::size_t>(r)] = 1;
        for (const CellId m : members[static_cast<std::size_t>(r)]) {
            for (const Link& l : graph.Neighbours(m)) {
                if (!joined[static_cast<std::size_t>(regionOf(l.to))] && !listed[static_cast<std::size_t>(l.to)]) {
                    listed[static_cast<std::size_t>(l.to)] = 1;
                    list.push_back(l.to);
                }
            }
        }
    };
    join(1);
    while (!list.empty()) {
        const CellId c = takeFromList();
        if (joined[static_cast<std::size_t>(regionOf(c))])
            continue;
        LinksWhere(graph, c, [&](const Link& l) { return joined[static_cast<std::size_t>(regionOf(l.to))] != 0; }, ways);
        open(c, ways[static_cast<std::size_t>(Draw(random, static_cast<int>(ways.size())))]);
        join(regionOf(c));
    }
    return passages;
}

}  // namespace tolvane
