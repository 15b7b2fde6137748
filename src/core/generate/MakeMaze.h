// Building a maze the chosen way: on any graph, and on the classic state of a rectangle.
#pragma once

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// Reseeds `random` once (Randomize), builds the chosen way on `graph` (route first when asked)
// and opens the loops asked for, every draw from `random`.
Passages BuildPassages(const MazeGraph& graph, const BuildChoice& how, RandomSource& random, StepSink* sink = nullptr);

// The same on a rectangle's state. The regions algorithm is the classic generator here
// (BuildMaze), draw for draw, so that the classic mazes and their codes stay what they are;
// the other ways build on RectangleGraph(state.size). Region is left 0 by the other ways.
void BuildMazeBy(MazeState& state, const BuildChoice& how, RandomSource& random, StepSink* sink = nullptr);

// The maze `seed` names at `size` built the chosen way.
MazeState MazeFromRecipe(std::uint64_t seed, MazeSize size, const BuildChoice& how);

}  // namespace tolvane
