// Playing a search's steps: the counts shown while it plays end on the search's own.
#include <gtest/gtest.h>

#include "core/platform/surface/NullSurface.h"
#include "core/shape/ShapeChoice.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"

namespace tolvane {
namespace {

TEST(StepPlayer, EveryWaysPlayEndsOnItsVisitedCountAndItsRoute)
{
    const Watched built = RecordWatch(WatchKind::Route, 77, {13, 9});
    const std::vector<WayCount> counts = CountEveryWay(built.maze);
    ASSERT_EQ(counts.size(), SearchWays().size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const SearchWay& way = SearchWays()[i];
        StepPlayer player(built.maze, WatchKind::Search, RecordSearch(built.maze, way), CellGeometry::For({13, 9}));
        NullSurface surface;
        player.DrawFirst(surface);
        int played = 0;
        while (player.PlayStep(surface))
            ++played;
        EXPECT_EQ(static_cast<std::size_t>(played), player.Count()) << way.name;
        EXPECT_EQ(player.Visited(), counts[i].visited) << way.name;
        EXPECT_EQ(player.PathLength(), counts[i].route) << way.name;
        EXPECT_EQ(counts[i].route, static_cast<int>(built.steps.size())) << way.name;  // the one route
    }
}

TEST(StepPlayer, OnAShapeEveryWayToBuildOpensItsMazeAndEverySearchEndsOnItsCount)
{
    const ShapeChoice hexagon{ShapeKind::Hexagon, {4, 4}, {}};
    const ShapeView view{10, 5, 5};
    NullSurface surface;
    for (const AlgorithmInfo& info : kAlgorithms) {
        const BuildChoice how{info.id, 25};
        WatchedShape built = RecordShapeWatch(WatchKind::Build, *MakeShape(hexagon), how, 99);
        EXPECT_EQ(built.maze.passages, BuildShapeMaze(*MakeShape(hexagon), how, 99).passages) << info.name;
        ShapePlayer player(built.maze, WatchKind::Build, std::move(built.steps), view);
        player.DrawFirst(surface);
        while (player.PlayStep(surface)) {
        }
        EXPECT_EQ(player.Opened(), built.maze.passages) << info.name;
    }
    for (const SearchWay& way : SearchWays()) {
        WatchedShape searched = RecordShapeWatch(WatchKind::Search, *MakeShape(hexagon), {Algorithm::Prim}, 99, &way);
        const GraphRoute route = way.run(searched.maze.shape.graph, searched.maze.passages, ShapePlaces(searched.maze.shape), nullptr);
        ShapePlayer player(searched.maze, WatchKind::Search, std::move(searched.steps), view);
        player.DrawFirst(surface);
        while (player.PlayStep(surface)) {
        }
        EXPECT_EQ(player.Visited(), route.visited) << way.name;
        EXPECT_EQ(route.cells, searched.maze.route) << way.name;  // a perfect maze has the one route
    }
}

}  // namespace
}  // namespace tolvane
