// The replay: what each tick draws, and when the timer stops.
#include <gtest/gtest.h>

#include "core/Harness.h"
#include "core/solve/Replay.h"

namespace tolvane::testing {
namespace {

struct Segment {
    PointF from, to;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The red lines of the last tick, checking the pen around them on the way.
std::vector<Segment> RouteLines(const RecordingSurface& surface)
{
    std::vector<Segment> lines;
    int width = 1;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == DrawOp::Kind::DrawWidth)
            width = static_cast<int>(op.value);
        if (op.kind == DrawOp::Kind::Line && op.colour == kRed) {
            EXPECT_EQ(EndPoint::Absolute, op.end);
            EXPECT_EQ(3, width);
            lines.push_back({op.from, op.to});
        }
        if (op.kind == DrawOp::Kind::Line && !op.colour) {
            EXPECT_EQ(1, width) << "walls are drawn with the plain pen";
        }
    }
    return lines;
}

PointF Centre(int x, int y) { return {17 * x + 8.5f, 17 * y + 8.5f}; }

TEST(Replay, TickKDrawsSegmentsZeroToKMinusOneAndTheLastTickStopsTheTimer)
{
    Harness h;
    h.program.Form_Load();
    h.BuildWithSeed(5);
    h.program.Command2_Click();
    ASSERT_TRUE(h.timer.Enabled());
    const int pathLen = h.s.PathLen;
    for (int k = 1; k <= pathLen; ++k) {
        ASSERT_TRUE(h.timer.Enabled()) << "tick " << k;
        h.surface.Clear();
        h.program.Timer1_Timer();
        const auto lines = RouteLines(h.surface);
        ASSERT_EQ(static_cast<std::size_t>(k), lines.size());
        for (int i = 0; i < k; ++i) {
            ASSERT_EQ(Centre(h.s.PathX(i), h.s.PathY(i)), lines[i].from);
            ASSERT_EQ(Centre(h.s.PathX(i + 1), h.s.PathY(i + 1)), lines[i].to);
        }
        // The maze comes first, so the route lies on top of it.
        ASSERT_EQ(DrawOp::Kind::Cls, h.surface.ops().front().kind);
        ASSERT_EQ(kBlack, h.surface.ForeColor());
        ASSERT_EQ(1, h.surface.DrawWidth());
        ASSERT_EQ(k, h.s.StepCount);
    }
    EXPECT_FALSE(h.timer.Enabled());
    const auto lines = RouteLines(h.surface);
    EXPECT_EQ(Centre(0, 0), lines.front().from);
    EXPECT_EQ(Centre(0, 0), lines.front().to);  // the first segment has no length
    EXPECT_EQ((PointF{348.5f, 348.5f}), lines.back().to);
}

TEST(Replay, TheShortestRouteTakesFortyOneTicks)
{
    // A comb: column 0 open top to bottom, row 20 open left to right, every other cell
    // sealed off from its right neighbour: the route is the 41 cells down and along.
    Harness h;
    h.program.Form_Load();
    for (int y = 0; y <= 19; ++y)
        for (int x = 0; x <= 20; ++x)
            h.s.Walls(x, y) = x == 0 ? 2 : 3;
    h.program.Command2_Click();
    ASSERT_EQ(41, h.s.PathLen);
    int ticks = 0;
    while (h.timer.Enabled() && ticks < 100) {
        h.program.Timer1_Timer();
        ++ticks;
    }
    EXPECT_EQ(41, ticks);
}

}  // namespace
}  // namespace tolvane::testing
