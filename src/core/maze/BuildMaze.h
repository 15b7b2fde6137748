// Builds a random perfect maze: seeds regions, grows them over the square, links them.
#pragma once

#include "core/maze/BuildSteps.h"
#include "core/maze/MazeState.h"
#include "core/platform/Controls.h"

#include <cstdint>

namespace tolvane {

inline constexpr int kRegions = 100;  // the regions of the classic 21 x 21 maze

// The number of regions grows with the area: 100 for every 441 cells, rounded to the nearest
// whole region and at least one. 21 x 21 gets its 100, 11 x 11 gets 27, 1001 x 1001 227,211.
int RegionCount(MazeSize size);

// Resets Walls and Region over -1..width-1 and -1..height-1, reseeds `random` from the clock
// once, and builds a new maze of the state's size in Walls and Region. Touches nothing else.
// With an observer, tells it each seed, each cell grown and each region linked as it happens;
// the draws and the maze are the same with one or without.
void BuildMaze(MazeState& state, RandomSource& random, BuildObserver* observer = nullptr);

// Builds the maze that `seed` names at `size`, exactly as the window builds it when its random
// source is seeded with `seed`.
MazeState MazeFromSeed(std::uint64_t seed, MazeSize size = kClassicSize, BuildObserver* observer = nullptr);

// The three phases, in the order BuildMaze runs them after the reset and the seeding of the
// random source; each runs until its goal is met, however many draws that takes. Every choice
// of a cell is a uniform draw that is dropped when the cell does not qualify. A maze of up to
// 441 cells draws from the whole square, as the 21 x 21 maze always has; a bigger one draws
// from the cells that may still qualify (see Frontier.h), which makes the same choices with
// the same likelihoods without wasting most of its draws.
// Seeding: RegionCount distinct cells get the region numbers 1, 2, ...
void SeedRegions(MazeState& state, RandomSource& random, BuildObserver* observer = nullptr);
// Growing: every empty cell joins a neighbouring region through one opened wall.
void GrowRegions(MazeState& state, RandomSource& random, BuildObserver* observer = nullptr);
// Linking: every region from 2 on opens one wall towards a region joined before it.
void LinkRegions(MazeState& state, RandomSource& random, BuildObserver* observer = nullptr);

}  // namespace tolvane
