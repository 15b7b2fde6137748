// What makes a maze hard, measured, and the levels a teacher chooses by age.
#pragma once

#include <array>
#include <optional>

#include "core/maze/MazeState.h"
#include "core/platform/Controls.h"

namespace tolvane {

struct Difficulty {
    int route = 0;      // cells on the route from S to G, both included
    int deadEnds = 0;   // cells other than S and G with one open side, in the whole maze
    int junctions = 0;  // cells of the route where more than one way leads on
};

// Measures a maze that holds a finished search (Found true, the route in PathX/PathY).
Difficulty MeasureSolved(const MazeState& solved);
// Searches a copy of `maze` and measures it.
Difficulty Measure(const MazeState& maze);

// A level: a size, and the band of route lengths its mazes are kept to, so that a class set
// is fair. Each band is about the middle half of the route lengths that maze size gives, so
// about every second maze drawn falls inside it.
struct Level {
    int number;
    const char* ages;  // as the table in --help and the README says it
    MazeSize size;
    int shortestRoute;
    int longestRoute;

    bool Fits(const Difficulty& d) const { return d.route >= shortestRoute && d.route <= longestRoute; }
};

inline constexpr std::array<Level, 5> kLevels{{
    {1, "4-5", {8, 8}, 15, 19},
    {2, "6-7", {13, 13}, 29, 35},
    {3, "8-9", {21, 21}, 49, 59},
    {4, "10-13", {31, 31}, 77, 91},
    {5, "adults", {41, 41}, 105, 123},
}};

// Level 1..5, or nothing.
std::optional<Level> LevelNumbered(int number);

// Builds mazes of the level's size with `random`, each seeded afresh from the clock, until
// one falls inside the band, and returns its measures; `maze` holds it and random.LastSeed()
// names it. Nothing after `attempts` mazes, which about one in 2^attempts level runs meets.
std::optional<Difficulty> BuildLevelMaze(MazeState& maze, RandomSource& random, const Level& level, int attempts = 200);

}  // namespace tolvane
