// The rectangle of square cells as a graph, and the passages of a classic maze state.
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// Cell (x, y) is number y * width + x; its neighbours come in the order the classic generator
// and search try them: right, left, down, up. S is (0, 0) and G the bottom-right cell.
MazeGraph RectangleGraph(MazeSize size);
// The same, built once a size and kept for this thread's next call: searching, measuring and
// drawing one rectangle each need its graph, and building it costs more than any of them.
const MazeGraph& KeptRectangleGraph(MazeSize size);

inline CellId RectangleCell(MazeSize size, int x, int y) { return y * size.width + x; }

// The walls of a maze state as passages of RectangleGraph(state.size), and back: the two
// readings of one maze, so that anything written on the graph works on the classic state.
Passages PassagesOf(const MazeState& state);
// The same on a graph already built as RectangleGraph(state.size), saving building it again.
Passages PassagesOf(const MazeGraph& graph, const MazeState& state);
void ApplyPassages(const Passages& passages, MazeState& state);

}  // namespace tolvane
