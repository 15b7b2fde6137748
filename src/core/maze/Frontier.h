// Growing and linking for mazes bigger than 21 x 21: draws from the cells that may qualify.
#pragma once

#include "core/maze/BuildSteps.h"
#include "core/maze/MazeState.h"
#include "core/platform/Controls.h"

namespace tolvane {

// Drawing a cell of the whole square and dropping it when it does not qualify wastes more
// draws the bigger the maze: on 1001 x 1001 linking alone would take some 90 million draws,
// since only the cells along the edge of the joined part qualify. These phases keep a list of
// the cells that may qualify instead, draw one of the list's entries with one fraction, and
// drop (and forget) an entry that no longer qualifies. Every cell that qualifies is on the
// list, so a taken cell is, as before, equally likely to be any cell that qualifies, and what
// is done with it is the same: the neighbour is chosen with the same draw among the same
// neighbours in the same order. The list starts in the order of the loops over the square
// (column by column) and takes new cells at its end; a taken or dropped entry is replaced by
// the list's last one. Every step of that belongs to the maze a seed names.

// Both take the number of regions that seeding made, and tell `observer` (if any) what they do as BuildMaze does.
// Growing: the list holds the empty cells next to a region. None is ever dropped.
void GrowFromFrontier(MazeState& state, RandomSource& random, int regions, BuildObserver* observer);

// Linking: the list holds the cells of unjoined regions next to a joined region inside the
// square; when a region is joined, the neighbours of all its cells join the list.
void LinkFromFrontier(MazeState& state, RandomSource& random, int regions, BuildObserver* observer);

}  // namespace tolvane
