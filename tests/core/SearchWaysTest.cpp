// The ways to search: the order each enters cells in, the route each ends on, what each counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <set>

#include "core/graph/Rectangle.h"
#include "core/search/Searches.h"
#include "core/maze/BuildMaze.h"

namespace tolvane {
namespace {

struct Maze {
    MazeSize size;
    MazeGraph graph;
    Passages passages;
    CellPlaces places;
};

Maze Built(std::uint64_t seed, MazeSize size)
{
    const MazeState state = MazeFromSeed(seed, size);
    return {size, RectangleGraph(size), PassagesOf(state), RectanglePlaces(size)};
}

// A 3 x 2 maze drawn by hand:   S - 1 - 2
//                               |
//                               3 - 4 - G
Maze Hooked()
{
    Maze m{{3, 2}, RectangleGraph({3, 2}), {}, RectanglePlaces({3, 2})};
    m.passages = Passages(m.graph);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {0, 3}, {3, 4}, {4, 5}})
        for (const Link& l : m.graph.Neighbours(a))
            if (l.to == b)
                m.passages.Carve(l.wall);
    return m;
}

struct Watched {
    GraphRoute route;
    std::vector<StepEvent> steps;
    std::vector<CellId> Of(StepKind kind) const
    {
        std::vector<CellId> cells;
        for (const StepEvent& s : steps)
            if (s.kind == kind)
                cells.push_back(s.cell);
        return cells;
    }
};

Watched RunWay(const SearchWay& way, const Maze& m)
{
    StepRecord record;
    GraphRoute route = way.run(m.graph, m.passages, m.places, &record);
    return Watched{std::move(route), std::move(record.steps)};
}

Watched RunWay(std::string_view name, const Maze& m) { return RunWay(*FindSearch(name), m); }

// The steps from S to every cell, read apart from the searches.
std::vector<int> Distances(const Maze& m)
{
    std::vector<int> d(static_cast<std::size_t>(m.graph.CellCount()), -1);
    std::deque<CellId> queue{m.graph.start};
    d[static_cast<std::size_t>(m.graph.start)] = 0;
    while (!queue.empty()) {
        const CellId c = queue.front();
        queue.pop_front();
        for (const Link& l : m.graph.Neighbours(c))
            if (m.passages.Open(l.wall) && d[static_cast<std::size_t>(l.to)] < 0) {
                d[static_cast<std::size_t>(l.to)] = d[static_cast<std::size_t>(c)] + 1;
                queue.push_back(l.to);
            }
    }
    return d;
}

const MazeSize kSizes[] = {{2, 2}, {5, 9}, {21, 21}, {40, 17}};

TEST(SearchWays, EveryWayEndsOnTheOneRouteOfAPerfectMazeAndCountsTheCellsItEntered)
{
    std::uint64_t seed = 7;
    for (MazeSize size : kSizes) {
        const Maze m = Built(seed++, size);
        const std::vector<CellId> route = RunWay("depth-first", m).route.cells;
        ASSERT_EQ(route.front(), m.graph.start);
        ASSERT_EQ(route.back(), m.graph.goal);
        for (const SearchWay& way : SearchWays()) {
            SCOPED_TRACE(std::string(way.name) + " " + std::to_string(size.width) + "x" + std::to_string(size.height));
            const Watched run = RunWay(way, m);
            EXPECT_EQ(run.route.cells, route);
            EXPECT_EQ(run.Of(StepKind::Route), route);
            // Every cell entered comes in through an open wall from a cell entered before it.
            std::set<CellId> entered;
            for (const StepEvent& s : run.steps) {
                if (s.kind != StepKind::Enter)
                    continue;
                if (s.cell == m.graph.start && s.wall < 0) {
                    EXPECT_TRUE(entered.empty());
                } else {
                    ASSERT_GE(s.wall, 0);
                    EXPECT_TRUE(m.passages.Open(s.wall));
                    EXPECT_TRUE(entered.count(m.graph.Across(s.wall, s.cell)));
                }
                entered.insert(s.cell);
            }
            const int filled = static_cast<int>(run.Of(StepKind::BackUp).size());
            const int expected = way.name == "dead-end-filling" ? filled + static_cast<int>(route.size())
                                                                : static_cast<int>(entered.size());
            EXPECT_EQ(run.route.visited, expected);
            // Without a sink, the same result.
            const GraphRoute quiet = way.run(m.graph, m.passages, m.places, nullptr);
            EXPECT_EQ(quiet.cells, run.route.cells);
            EXPECT_EQ(quiet.visited, run.route.visited);
        }
    }
}

TEST(SearchWays, BreadthFirstEntersCellsByDistanceAndAStarEveryCellThatMightLieOnAShorterWay)
{
    std::uint64_t seed = 40;
    for (MazeSize size : kSizes) {
        const Maze m = Built(seed++, size);
        const std::vector<int> d = Distances(m);
        const int goal = d[static_cast<std::size_t>(m.graph.goal)];
        auto manhattan = [&](CellId c) { return std::abs(c % size.width - (size.width - 1)) + std::abs(c / size.width - (size.height - 1)); };

        const std::vector<CellId> breadth = RunWay("breadth-first", m).Of(StepKind::Enter);
        const std::vector<CellId> aStar = RunWay("a-star", m).Of(StepKind::Enter);
        for (std::size_t i = 1; i < breadth.size(); ++i)
            EXPECT_LE(d[static_cast<std::size_t>(breadth[i - 1])], d[static_cast<std::size_t>(breadth[i])]);
        for (std::size_t i = 1; i < aStar.size(); ++i) {
            const auto a = static_cast<std::size_t>(aStar[i - 1]);
            const auto b = static_cast<std::size_t>(aStar[i]);
            EXPECT_LE(d[a] + manhattan(aStar[i - 1]), d[b] + manhattan(aStar[i]));
        }
        // Each enters exactly the cells it must before G, and G last.
        int nearer = 0;
        int promising = 0;
        for (CellId c = 0; c < m.graph.CellCount(); ++c) {
            nearer += d[static_cast<std::size_t>(c)] < goal;
            promising += d[static_cast<std::size_t>(c)] + manhattan(c) < goal;
        }
        EXPECT_EQ(breadth.back(), m.graph.goal);
        EXPECT_GE(static_cast<int>(breadth.size()), nearer + 1);  // and none further than G
        for (CellId c : breadth)
            EXPECT_LE(d[static_cast<std::size_t>(c)], goal);
        EXPECT_EQ(aStar.back(), m.graph.goal);
        EXPECT_GE(static_cast<int>(aStar.size()), promising + 1);
        EXPECT_LE(aStar.size(), breadth.size());
    }
}

TEST(SearchWays, TheLeftHandTurnsLeftFirstAndBacksOutOfWhatItWalkedIntoAndDeadEndsFillInOrder)
{
    const Maze m = Hooked();
    const Watched hand = RunWay("left-hand", m);
    EXPECT_EQ(hand.Of(StepKind::Enter), (std::vector<CellId>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(hand.Of(StepKind::BackUp), (std::vector<CellId>{2, 1}));
    EXPECT_EQ(hand.route.cells, (std::vector<CellId>{0, 3, 4, 5}));
    EXPECT_EQ(hand.route.visited, 6);
    // Backing up comes after the dead end and before the way down.
    EXPECT_EQ(hand.steps[3], (StepEvent{StepKind::BackUp, 2}));

    const Watched fill = RunWay("dead-end-filling", m);
    EXPECT_EQ(fill.Of(StepKind::BackUp), (std::vector<CellId>{2, 1}));
    EXPECT_EQ(fill.route.cells, (std::vector<CellId>{0, 3, 4, 5}));
    EXPECT_EQ(fill.route.visited, 6);
}

TEST(SearchWays, AGoalThatCannotBeReachedGivesNoRouteAndEveryWayStops)
{
    Maze m = Built(3, {6, 6});
    for (const Link& l : m.graph.Neighbours(m.graph.goal))
        m.passages.Close(l.wall);
    // A loop elsewhere, which the left hand could walk round for ever.
    m.passages.Carve(0);
    m.passages.Carve(1);
    for (const SearchWay& way : SearchWays()) {
        const Watched run = RunWay(way, m);
        EXPECT_TRUE(run.route.cells.empty()) << way.name;
        EXPECT_TRUE(run.Of(StepKind::Route).empty()) << way.name;
    }
    EXPECT_EQ(FindSearch("sideways"), nullptr);
    // The short names people know the first three by name those three.
    EXPECT_EQ(FindSearch("dfs"), FindSearch("depth-first"));
    EXPECT_EQ(FindSearch("bfs"), FindSearch("breadth-first"));
    EXPECT_EQ(FindSearch("astar"), FindSearch("a-star"));
    EXPECT_EQ(SearchWays().front().name, "depth-first");
}

TEST(SearchWays, OnAMazeWithLoopsBreadthFirstAndAStarFindAShortestRoute)
{
    Maze m = Built(12, {9, 9});
    for (WallId w = 0; w < m.graph.WallCount(); w += 5)
        m.passages.Carve(w);
    const int shortest = Distances(m)[static_cast<std::size_t>(m.graph.goal)] + 1;
    for (std::string_view name : {"breadth-first", "a-star", "dead-end-filling"})
        EXPECT_EQ(static_cast<int>(RunWay(name, m).route.cells.size()), shortest) << name;
    const std::vector<CellId> walked = RunWay("left-hand", m).route.cells;
    ASSERT_FALSE(walked.empty());
    EXPECT_EQ(walked.back(), m.graph.goal);
}

}  // namespace
}  // namespace tolvane
