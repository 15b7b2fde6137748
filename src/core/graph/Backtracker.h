// A maze of any shape built by the randomized depth-first walk ("recursive backtracker").
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/platform/Controls.h"

namespace tolvane {

// Walks from a random cell to a random neighbour not yet taken in, opening the wall between,
// and backs up along its path when a cell has none left; ends when every cell is taken in.
// One draw a step that has a choice. Reports each cell entered, each wall opened and each
// cell backed out of. Always a perfect maze. No recursion.
Passages BuildBacktracker(const MazeGraph& graph, RandomSource& random, StepSink* sink = nullptr);

}  // namespace tolvane
