// The table of the ways to search.
#include "core/search/Searches.h"

#include <array>
#include <utility>

namespace tolvane {
namespace {

// The searches that need no places take them and pass them by.
template <GraphRoute (*Search)(const MazeGraph&, const Passages&, StepSink*)>
GraphRoute WithoutPlaces(const MazeGraph& graph, const Passages& passages, const CellPlaces&, StepSink* sink)
{
    return Search(graph, passages, sink);
}

constexpr std::array kWays{
    SearchWay{"depth-first", WithoutPlaces<SearchDepthFirst>},
    SearchWay{"breadth-first", WithoutPlaces<SearchBreadthFirst>},
    SearchWay{"a-star", SearchAStar},
    SearchWay{"left-hand", SearchLeftHand},
    SearchWay{"dead-end-filling", WithoutPlaces<FillDeadEnds>},
};

}  // namespace

std::span<const SearchWay> SearchWays() { return kWays; }

const SearchWay* FindSearch(std::string_view name)
{
    // The short names people know the first three by.
    constexpr std::pair<std::string_view, std::string_view> kShort[] = {
        {"dfs", "depth-first"}, {"bfs", "breadth-first"}, {"astar", "a-star"}};
    for (const auto& [shortName, full] : kShort)
        if (name == shortName)
            name = full;
    for (const SearchWay& way : kWays)
        if (way.name == name)
            return &way;
    return nullptr;
}

}  // namespace tolvane
