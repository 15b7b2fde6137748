// Playing a search's steps: the counts shown while it plays end on the search's own.
#include <gtest/gtest.h>

#include "core/platform/NullSurface.h"
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

}  // namespace
}  // namespace tolvane
