// The route read back from the wall each cell was entered through, for the searches that keep it.
#pragma once

#include <algorithm>
#include <vector>

#include "core/search/Searches.h"

namespace tolvane {

// `through[c]` is the wall cell c was first entered through, -1 for `from` and for cells never
// entered. Fills route.cells from `from` to `to` (left empty when `to` was never entered) and
// reports them as Route steps.
inline void RouteBack(const MazeGraph& graph, const std::vector<WallId>& through, bool reached, GraphRoute& route,
                      StepSink* sink, CellId from, CellId to)
{
    route.cells.clear();
    if (!reached)
        return;
    for (CellId c = to; c != from; c = graph.Across(through[static_cast<std::size_t>(c)], c))
        route.cells.push_back(c);
    route.cells.push_back(from);
    std::reverse(route.cells.begin(), route.cells.end());
    for (CellId c : route.cells)
        Report(sink, {StepKind::Route, c});
}

// The route from S to G.
inline void RouteBack(const MazeGraph& graph, const std::vector<WallId>& through, bool reached, GraphRoute& route,
                      StepSink* sink)
{
    RouteBack(graph, through, reached, route, sink, graph.start, graph.goal);
}

}  // namespace tolvane
