// The ways to search a maze of any shape, each in its own file, the table that names them, and
// where the cells lie for the searches that look ahead or turn.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/graph/MazeGraph.h"
#include "core/graph/Steps.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// Where a maze's cells lie, for a search that looks ahead or turns: the centre of every cell, x to the right and y downwards as on the picture, in units of the
// distance between neighbouring centres. On a square grid every step moves one unit along one
// axis, so the distance a search still has to go is at least the Manhattan distance; on other
// shapes it is at least the straight-line distance divided by the longest step.
struct CellPlaces {
    std::vector<double> x;
    std::vector<double> y;
    bool squareGrid = false;
};

// Cell (x, y) of the rectangle lies at (x, y).
inline CellPlaces RectanglePlaces(MazeSize size)
{
    CellPlaces places;
    places.squareGrid = true;
    places.x.reserve(static_cast<std::size_t>(size.Cells()));
    places.y.reserve(static_cast<std::size_t>(size.Cells()));
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            places.x.push_back(x);
            places.y.push_back(y);
        }
    }
    return places;
}

struct GraphRoute {
    std::vector<CellId> cells;  // S .. G, empty when G cannot be reached
    int visited = 0;            // cells the search entered
};

// Every search enters S first, reports each cell it enters (with the wall it came through)
// and each it gives up, then the route from S to G as Route steps; `visited` counts the
// different cells it entered. On a perfect maze every one ends on the same route.

// Depth-first, the search that draws the window's route: enters S, then from each cell tries
// its neighbours in the shape's fixed order through open walls, going as deep as each leads
// before the next, and backs out of dead ends. No recursion, so a maze of a million cells
// needs no million nested calls.
GraphRoute SearchDepthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink = nullptr);

// The depth-first search of a rectangle's state, which keeps its route in the state: the
// marks of the cells entered in Visited (cleared first over -1..width-1 and -1..height-1), the
// start in entry 0 and the route in entries 1..PathLen, Found, and StepCount set to 0. The
// entries above PathLen keep the cells last backed out of at each depth, as a replay in
// progress has always found them.
void Solve(MazeState& state);

// Breadth-first: the cells in order of their distance from S, neighbours in the shape's
// order; the route is a shortest one. Stops when it enters G.
GraphRoute SearchBreadthFirst(const MazeGraph& graph, const Passages& passages, StepSink* sink = nullptr);
// The same from the cell `from` to the cell `to`: a shortest way between any two cells.
GraphRoute SearchBreadthFirst(const MazeGraph& graph, const Passages& passages, CellId from, CellId to,
                              StepSink* sink = nullptr);

// A*: always enters the cell with the least steps from S plus the least steps it may still
// need to G (the Manhattan distance on a square grid, the straight line otherwise), the one
// furthest from S among equals, then the one found first. The route is a shortest one.
GraphRoute SearchAStar(const MazeGraph& graph, const Passages& passages, const CellPlaces& places,
                       StepSink* sink = nullptr);

// Following the left-hand wall, as a person would with a hand on it: from each cell the first
// open way turning clockwise from the one it came in by (so left first, then ahead, then
// right, then back), starting as if it had come in from above. Going back into the cell it
// came from is backing up. The route is the walk with its detours taken out. Gives up with
// no route when it starts walking in circles without reaching G.
GraphRoute SearchLeftHand(const MazeGraph& graph, const Passages& passages, const CellPlaces& places,
                          StepSink* sink = nullptr);

// Dead-end filling: looks at the cells in order, and from every dead end (one open way, and
// neither S nor G) fills the corridor up to its junction, reporting each filled cell as
// given up; what is left unfilled joins S to G and the route is read along it. `visited`
// counts the cells it filled and the cells of the route.
GraphRoute FillDeadEnds(const MazeGraph& graph, const Passages& passages, StepSink* sink = nullptr);

// One way to search, by the name the command line and the settings use.
struct SearchWay {
    std::string_view name;   // "depth-first", "breadth-first", "a-star", "left-hand", "dead-end-filling"
    GraphRoute (*run)(const MazeGraph& graph, const Passages& passages, const CellPlaces& places, StepSink* sink);
};

// The depth-first search, which draws the window's route, comes first.
std::span<const SearchWay> SearchWays();

// The way called `name` (or dfs, bfs, astar for the first three), or null.
const SearchWay* FindSearch(std::string_view name);

}  // namespace tolvane
