// The ways to build a maze on any graph: each returns the passages of a perfect maze.
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/platform/Controls.h"

namespace tolvane {

// Every builder draws only from `random` (never reseeding it) and reports to `sink` the cells
// it takes in (Enter), the walls it opens (Open) and, where it has them, groups and walks it
// gives up (Group, BackUp). The graph must be connected.

// A random walk that goes on while it finds a cell not yet taken in and backs up when stuck:
// long winding corridors, few dead ends.
Passages BuildBacktracker(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// Walks like the backtracker, but when stuck hunts for the lowest-numbered cell beside the maze
// and starts again from there.
Passages BuildHuntAndKill(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// Grows from a list of cells that may still lead on, taking the newest three times in four and a
// random one otherwise: between the backtracker's and Prim's textures.
Passages BuildGrowingTree(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// Takes in a random cell of the frontier each time: short branches everywhere, many dead ends.
Passages BuildPrim(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// Opens the walls in a random order wherever they join two parts not yet joined.
Passages BuildKruskal(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// Loop-erased random walks: every spanning tree equally likely.
Passages BuildWilson(const MazeGraph& graph, RandomSource& random, StepSink* sink);
// The regions algorithm on any graph: seeded regions grow over the cells, then join. On the
// rectangle the classic generator is used instead (see MakeMaze.h), which this resembles.
Passages BuildRegions(const MazeGraph& graph, RandomSource& random, StepSink* sink);

// Loops: removes `percent` (0..100) of the dead ends (cells other than S and G with one open
// wall), rounded to the nearest, by opening a wall of each, a wall to another dead end when
// there is one; the dead ends are taken in a random order. 100 leaves none.
void Braid(const MazeGraph& graph, Passages& passages, int percent, RandomSource& random, StepSink* sink);

}  // namespace tolvane
