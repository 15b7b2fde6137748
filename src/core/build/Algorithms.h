// The ways to build a maze, by name: the one table behind --help, the menu and the codes.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/build/Builders.h"

namespace tolvane {

enum class Algorithm : std::uint8_t { Regions, Backtracker, HuntAndKill, GrowingTree, Prim, Kruskal, Wilson };

struct AlgorithmInfo {
    Algorithm id;
    std::string_view name;    // as --algorithm takes it, lower case
    char letter;              // its letter in a code: never changes once given
    std::string_view title;   // as the menu shows it
    std::string_view feel;    // one line on what its mazes feel like
    Passages (*build)(const MazeGraph&, RandomSource&, StepSink*);
};

inline constexpr std::array<AlgorithmInfo, 7> kAlgorithms{{
    {Algorithm::Regions, "regions", 'R', "Regions (classic)",
     "Seeded regions grown and joined: short branches everywhere, the classic texture", BuildRegions},
    {Algorithm::Backtracker, "backtracker", 'B', "Recursive backtracker",
     "Long winding corridors and few dead ends: a long route", BuildBacktracker},
    {Algorithm::HuntAndKill, "hunt-and-kill", 'H', "Hunt and kill",
     "Long corridors like the backtracker's, the route a little straighter", BuildHuntAndKill},
    {Algorithm::GrowingTree, "growing-tree", 'G', "Growing tree",
     "Mostly backtracker, partly Prim: medium corridors and branches", BuildGrowingTree},
    {Algorithm::Prim, "prim", 'P', "Prim's algorithm",
     "Many short dead ends spreading from the middle: a short, busy route", BuildPrim},
    {Algorithm::Kruskal, "kruskal", 'K', "Kruskal's algorithm",
     "Many short dead ends, evenly spread, no bias anywhere", BuildKruskal},
    {Algorithm::Wilson, "wilson", 'W', "Wilson's algorithm",
     "Every maze equally likely: many dead ends, a moderately winding route", BuildWilson},
}};

inline const AlgorithmInfo& InfoOf(Algorithm a) { return kAlgorithms[static_cast<std::size_t>(a)]; }

// By name (case does not matter) or by code letter.
std::optional<Algorithm> AlgorithmNamed(std::string_view name);
std::optional<Algorithm> AlgorithmLettered(char letter);

inline constexpr int kMaxBraid = 100;

// How a maze is built: the way, the share of dead ends opened into loops, and whether the
// route is laid first, its length drawn from the seed (see RouteFirst.h; never with loops).
struct BuildChoice {
    Algorithm algorithm = Algorithm::Regions;
    int braid = 0;  // percent of the dead ends removed, 0..100
    bool routeFirst = false;

    bool Classic() const { return algorithm == Algorithm::Regions && braid == 0 && !routeFirst; }
    friend bool operator==(const BuildChoice&, const BuildChoice&) = default;
};

}  // namespace tolvane
