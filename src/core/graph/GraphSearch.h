// The depth-first search for the route from S to G on a maze of any shape.
#pragma once

#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"

namespace tolvane {

struct GraphRoute {
    std::vector<CellId> cells;  // S .. G, empty when G cannot be reached
    int visited = 0;            // cells the search entered
};

// Enters S, then from each cell tries its neighbours in the shape's fixed order through open
// walls, going as deep as each leads before the next, and backs out of dead ends: on the
// rectangle the same cells in the same order as the classic search. No recursion.
GraphRoute SearchDepthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink = nullptr);

}  // namespace tolvane
