// Builds a random perfect maze: seeds 100 regions, grows them over the square, links them.
#pragma once

#include "app/MazeState.h"
#include "platform/Controls.h"

namespace tolvane {

inline constexpr int kRegions = 100;

// Resets Walls and Region over -1..20, reseeds `random` from the clock once, and builds a
// new maze in Walls and Region. Every cell choice draws a cell of the whole square and drops
// the draw when the cell does not qualify, so the order and number of draws depend only on
// the fractions drawn, never on an earlier maze. Touches nothing else of the state.
void BuildMaze(MazeState& state, RandomSource& random);

}  // namespace tolvane
