// What makes a maze hard, measured, and the levels a teacher chooses by age.
#pragma once

#include <array>
#include <functional>
#include <cstdlib>
#include <optional>

#include "core/generate/Algorithms.h"
#include "core/graph/MazeGraph.h"
#include "core/graph/ShapeKind.h"
#include "core/maze/MazeState.h"
#include "core/platform/Random.h"
#include "core/platform/Controls.h"

namespace tolvane {

struct Difficulty {
    int route = 0;      // cells on the route from S to G, both included
    int deadEnds = 0;   // cells other than S and G with one open side, in the whole maze
    int junctions = 0;  // cells of the route where more than one way leads on
};

// The texture's route, dead ends and decisions of a rectangle's state.
Difficulty Measure(const MazeState& maze);

// A level: a size, a way to build, and targets for the route's length and for the decisions
// on it. Every maze of a level lies within 10 % of both targets, so that a class set is fair
// on both: nearly the same route, nearly the same number of choices. The route is laid first
// (see RouteFirst.h), and the way to build sets how the maze branches around it.
struct Level {
    int number;
    const char* ages;  // as the table in --help and the README says it
    MazeSize size;
    Algorithm algorithm;
    int route;      // cells, S and G included
    int decisions;  // junctions on the route with two or more ways not yet seen

    // Within 10 % of a target: 10 |x - target| <= target.
    static bool Near(int x, int target) { return 10 * std::abs(x - target) <= target; }
    int LeastRoute() const { return (9 * route + 9) / 10; }
    int MostRoute() const { return 11 * route / 10; }
    int LeastDecisions() const { return (9 * decisions + 9) / 10; }
    int MostDecisions() const { return 11 * decisions / 10; }
    bool Fits(const Difficulty& d) const { return Near(d.route, route) && Near(d.junctions, decisions); }
    BuildChoice How() const { return {algorithm, 0, true}; }
};

inline constexpr std::array<Level, 5> kLevels{{
    {1, "4-5", {8, 8}, Algorithm::Backtracker, 25, 4},
    {2, "6-7", {13, 13}, Algorithm::HuntAndKill, 59, 7},
    {3, "8-9", {21, 21}, Algorithm::Wilson, 132, 26},
    {4, "10-13", {31, 31}, Algorithm::Kruskal, 288, 47},
    {5, "adults", {41, 41}, Algorithm::Prim, 588, 86},
}};

// Level 1..5, or nothing.
std::optional<Level> LevelNumbered(int number);

// A level on another shape: the level's way to build and its route's share of the cells, on the
// size of that shape with about as many cells as the level's rectangle, and the decisions its
// mazes of that route have (the median of 400, measured by tolvane_level_targets). For a
// circle the size is its rings, for a hexagon or a triangle its cells a side (both sides the
// same number); the rectangles of hexagons and triangles take the cells across and down whose
// picture is nearest a square. Outlines have none: a word's are measured on its own graph.
struct ShapeLevel {
    ShapeKind shape;
    int number;
    MazeSize size;
    int route;
    int decisions;
};
inline constexpr std::array<ShapeLevel, 25> kShapeLevels{{
    {ShapeKind::Circle, 1, {5, 5}, 26, 3},  // 67 cells
    {ShapeKind::Circle, 2, {8, 8}, 65, 7},  // 187 cells
    {ShapeKind::Circle, 3, {13, 13}, 142, 20},  // 475 cells
    {ShapeKind::Circle, 4, {18, 18}, 286, 33},  // 955 cells
    {ShapeKind::Circle, 5, {24, 24}, 569, 64},  // 1627 cells
    {ShapeKind::Hexagon, 1, {5, 5}, 24, 3},  // 61 cells
    {ShapeKind::Hexagon, 2, {8, 8}, 59, 6},  // 169 cells
    {ShapeKind::Hexagon, 3, {13, 13}, 140, 21},  // 469 cells
    {ShapeKind::Hexagon, 4, {18, 18}, 275, 32},  // 919 cells
    {ShapeKind::Hexagon, 5, {24, 24}, 580, 63},  // 1657 cells
    {ShapeKind::HexagonRectangle, 1, {7, 9}, 25, 4},  // 63 cells
    {ShapeKind::HexagonRectangle, 2, {12, 14}, 59, 6},  // 168 cells
    {ShapeKind::HexagonRectangle, 3, {19, 23}, 131, 22},  // 437 cells
    {ShapeKind::HexagonRectangle, 4, {29, 34}, 295, 36},  // 986 cells
    {ShapeKind::HexagonRectangle, 5, {38, 44}, 585, 67},  // 1672 cells
    {ShapeKind::Triangle, 1, {8, 8}, 25, 5},  // 64 cells
    {ShapeKind::Triangle, 2, {13, 13}, 59, 11},  // 169 cells
    {ShapeKind::Triangle, 3, {21, 21}, 132, 31},  // 441 cells
    {ShapeKind::Triangle, 4, {31, 31}, 288, 60},  // 961 cells
    {ShapeKind::Triangle, 5, {41, 41}, 588, 116},  // 1681 cells
    {ShapeKind::TriangleRectangle, 1, {9, 7}, 25, 5},  // 63 cells
    {ShapeKind::TriangleRectangle, 2, {17, 10}, 59, 10},  // 170 cells
    {ShapeKind::TriangleRectangle, 3, {27, 16}, 129, 33},  // 432 cells
    {ShapeKind::TriangleRectangle, 4, {41, 24}, 295, 67},  // 984 cells
    {ShapeKind::TriangleRectangle, 5, {53, 31}, 575, 133},  // 1643 cells
}};

// Level 1..5 on `shape`, as a Level of the shape's size; the rectangle's own levels for
// a rectangle; nothing for a shape without levels or a number out of range.
std::optional<Level> LevelOn(ShapeKind shape, int number);
bool HasLevels(ShapeKind shape);

// A level on a graph of its own (a word's outline): the level's way, its route's share of the
// graph's cells (no shorter than the graph allows), and for decisions the median over `samples`
// mazes of that route built that way, route first. The size is left for the caller to name.
// This is how kShapeLevels were measured, with 400.
Level LevelMeasuredOn(const MazeGraph& graph, const Level& level, ClockRandom& random, int samples = 101);

// What finding a maze cost: the seeds drawn (a seed passed over costs one seeding and one
// draw) and the mazes built from them.
struct SeekCost {
    long long seeds = 0;
    int built = 0;
};

// Draws seeds from `random` until one builds a maze of the level on `graph`, and returns its
// measures; `passages` holds it and random.LastSeed() names it (built with level.How(), as
// BuildPassages builds). A seed whose first draw, the route's length, misses the level's band
// is passed over without building. Nothing after `attempts` mazes built.
std::optional<Difficulty> BuildLevelMaze(const MazeGraph& graph, Passages& passages, ClockRandom& random,
                                         const Level& level, int attempts = 200, SeekCost* cost = nullptr);

// The same for a route asked for: mazes built `algorithm`, route first, until one has a route
// within `tolerance` cells of `route`. RouteRangeOf says which routes can be asked.
std::optional<Difficulty> BuildRouteMaze(const MazeGraph& graph, Passages& passages, ClockRandom& random,
                                         Algorithm algorithm, int route, int tolerance, int attempts = 200,
                                         SeekCost* cost = nullptr);

// The two above on a rectangle's state, which is resized to the level's size. The maze is the
// one MazeFromRecipe gives for the seed.
std::optional<Difficulty> BuildLevelMaze(MazeState& maze, ClockRandom& random, const Level& level, int attempts = 200,
                                         int* built = nullptr);
std::optional<Difficulty> BuildRouteMaze(MazeState& maze, ClockRandom& random, Algorithm algorithm, int route,
                                         int tolerance, int attempts = 200, int* built = nullptr);

}  // namespace tolvane
