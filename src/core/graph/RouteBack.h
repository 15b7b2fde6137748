// The route read back from the wall each cell was entered through, for the searches that keep it.
#pragma once

#include <algorithm>
#include <vector>

#include "core/graph/GraphSearch.h"

namespace tolvane {

// `through[c]` is the wall cell c was first entered through, -1 for S and for cells never
// entered. Fills route.cells from S to G (left empty when G was never entered) and reports
// them as Route steps.
inline void RouteBack(const MazeGraph& graph, const std::vector<WallId>& through, bool reached, GraphRoute& route,
                      StepSink* sink)
{
    route.cells.clear();
    if (!reached)
        return;
    for (CellId c = graph.goal; c != graph.start; c = graph.Across(through[static_cast<std::size_t>(c)], c))
        route.cells.push_back(c);
    route.cells.push_back(graph.start);
    std::reverse(route.cells.begin(), route.cells.end());
    for (CellId c : route.cells)
        Report(sink, {StepKind::Route, c});
}

}  // namespace tolvane
