// What can be watched: a maze being built, a search finding its way, the route drawn cell by cell.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/generate/Algorithms.h"
#include "core/search/Searches.h"
#include "core/graph/Steps.h"
#include "core/maze/MazeState.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {

enum class WatchKind { Build, Search, Route };

// "build", "search", "route", as the command line names them; null for another name.
const WatchKind* WatchKindNamed(std::string_view name);

// A finished maze and the steps that led to it.
struct Watched {
    MazeState maze;
    std::vector<StepEvent> steps;
};

// The maze `seed` names at `size` built `how`, and the steps of: its build; `way`'s search of it
// (the depth-first one without a way); or its route from S to G, one Route step a cell.
Watched RecordWatch(WatchKind kind, std::uint64_t seed, MazeSize size, const SearchWay* way = nullptr,
                    const BuildChoice& how = {});

// The same for a maze of any shape: exactly the maze BuildShapeMaze makes of the same seed.
struct WatchedShape {
    ShapeMaze maze;
    std::vector<StepEvent> steps;
};
WatchedShape RecordShapeWatch(WatchKind kind, Shape shape, const BuildChoice& how, std::uint64_t seed,
                              const SearchWay* way = nullptr);

// Where a shape's cells lie, for the searches that look ahead or turn.
CellPlaces ShapePlaces(const Shape& shape);
// `way`'s search of a maze of any shape already built.
std::vector<StepEvent> RecordShapeSearch(const ShapeMaze& maze, const SearchWay& way);
// Its route from S to G, one Route step a cell.
std::vector<StepEvent> RecordShapeRoute(const ShapeMaze& maze);

// The same for a maze already built (not for its build, which needs its seed).
std::vector<StepEvent> RecordSearch(const MazeState& maze, const SearchWay& way);
std::vector<StepEvent> RecordRoute(const MazeState& maze);

// How many cells each way visits on `maze`, and its route's length, in the table's order.
struct WayCount {
    std::string_view name;
    int visited;
    int route;
};
std::vector<WayCount> CountEveryWay(const MazeState& maze);
// The same for a maze of any shape. Every way applies to every shape: those that look ahead or
// turn (A*, the left hand) take their bearings from where the cells' centres lie.
std::vector<WayCount> CountEveryWay(const MazeGraph& graph, const Passages& passages, const CellPlaces& places);

}  // namespace tolvane
