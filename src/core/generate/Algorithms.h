// The ways to build a maze, by name: the one table behind --help, the menu and the codes.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/generate/ways/Builders.h"

namespace tolvane {

enum class Algorithm : std::uint8_t { Regions, Backtracker, HuntAndKill, GrowingTree, Prim, Kruskal, Wilson };

struct AlgorithmInfo {
    Algorithm id;
    std::string_view name;    // as --algorithm takes it, lower case
    char letter;              // its letter in a code: never changes once given
    Passages (*build)(const MazeGraph&, RandomSource&, StepSink*);
};

// In the order of Algorithm. The words for each (its title in the menu, what its mazes feel
// like) are the user's language's, next to the window (qt/paper/Facts.h).
inline constexpr std::array<AlgorithmInfo, 7> kAlgorithms{{
    {Algorithm::Regions, "regions", 'R', BuildRegions},
    {Algorithm::Backtracker, "backtracker", 'B', BuildBacktracker},
    {Algorithm::HuntAndKill, "hunt-and-kill", 'H', BuildHuntAndKill},
    {Algorithm::GrowingTree, "growing-tree", 'G', BuildGrowingTree},
    {Algorithm::Prim, "prim", 'P', BuildPrim},
    {Algorithm::Kruskal, "kruskal", 'K', BuildKruskal},
    {Algorithm::Wilson, "wilson", 'W', BuildWilson},
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
