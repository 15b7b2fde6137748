// Builds a random perfect maze: seeds 100 regions, grows them over the square, links them.
#pragma once

#include "core/maze/MazeState.h"
#include "core/platform/Controls.h"

#include <cstdint>

namespace tolvane {

inline constexpr int kRegions = 100;

// Resets Walls and Region over -1..20, reseeds `random` from the clock once, and builds a
// new maze in Walls and Region. Every cell choice draws a cell of the whole square and drops
// the draw when the cell does not qualify, so the order and number of draws depend only on
// the fractions drawn, never on an earlier maze. Touches nothing else of the state.
void BuildMaze(MazeState& state, RandomSource& random);

// Builds the maze that `seed` names into a state fresh from creation, exactly as the window
// builds it when its random source is seeded with `seed`.
MazeState MazeFromSeed(std::uint64_t seed);

// The three phases, in the order BuildMaze runs them after the reset and the seeding of the
// random source; each runs until its goal is met, however many draws that takes.
// Seeding: 100 distinct cells get the region numbers 1..100.
void SeedRegions(MazeState& state, RandomSource& random);
// Growing: every empty cell joins a neighbouring region through one opened wall.
void GrowRegions(MazeState& state, RandomSource& random);
// Linking: every region 2..100 opens one wall towards a region joined before it.
void LinkRegions(MazeState& state, RandomSource& random);

}  // namespace tolvane
