// The maze state: zero at creation, checked indices and 16-bit arithmetic, the start-up frame.
#include <gtest/gtest.h>

#include "core/Harness.h"

namespace tolvane::testing {
namespace {

TEST(MazeState, EverythingIsZeroWhenCreated)
{
    const MazeState s;
    for (int x = -1; x <= kSide; ++x)
        for (int y = -1; y <= kSide; ++y)
            ASSERT_EQ(0, s.Walls(x, y) | s.Region(x, y) | s.Visited(x, y)) << x << "," << y;
    for (int i = 0; i <= kCells; ++i)
        ASSERT_EQ(0, s.PathX(i) | s.PathY(i));
    EXPECT_EQ(0, s.PathLen | s.Found | s.StepCount);
}

TEST(MazeState, IndicesOutsideTheBoundsRaiseSubscriptErrors)
{
    MazeState s;
    // Indices come from variables, as they do in the program.
    volatile int minus2 = -2, plus22 = 22, minus1 = -1, past = 442;
    auto expectSubscript = [](auto&& access) {
        try {
            access();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(ErrorKind::SubscriptOutOfRange, e.kind());
        }
    };
    expectSubscript([&] { s.Walls(minus2, 0) = 1; });
    expectSubscript([&] { s.Walls(0, plus22); });
    expectSubscript([&] { s.Visited(plus22, minus1); });
    expectSubscript([&] { s.PathX(past); });
    expectSubscript([&] { s.PathY(minus1); });
    // The extremes themselves are valid.
    s.Walls(21, 21) = 1;
    s.Region(-1, -1) = 1;
    s.PathX(441) = 1;
}

TEST(MazeState, SixteenBitOverflowRaisesAnError)
{
    EXPECT_EQ(32767, To16(32767));
    EXPECT_EQ(-32768, To16(-32768));
    try {
        To16(32768);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(ErrorKind::Overflow, e.kind());
    }
    EXPECT_THROW(To16(-32769), RuntimeError);
}

TEST(FormLoad, SetsTheClosedFrameAndNothingElse)
{
    Harness h;
    h.s.Walls(5, 5) = 3;  // whatever was there before is cleared
    h.s.Walls(21, 21) = 3;
    h.program.Form_Load();
    for (int x = -1; x <= kSide; ++x) {
        for (int y = -1; y <= kSide; ++y) {
            int expected = 0;
            if (y == -1 && x >= 0 && x <= 20)
                expected = 1;  // top edge
            if (y == 20 && x >= 0 && x <= 19)
                expected = 1;  // bottom edge
            if (x == -1 && y >= 0 && y <= 20)
                expected = 2;  // left edge
            if (x == 20 && y >= 0 && y <= 19)
                expected = 2;  // right edge
            if (x == 20 && y == 20)
                expected = 3;
            ASSERT_EQ(expected, h.s.Walls(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(0, h.s.Walls(-1, -1));
    EXPECT_EQ(0, h.s.Walls(20, 21));
    EXPECT_EQ(0, h.s.Walls(21, 20));
    // Start-up uses no control and draws no random number.
    EXPECT_FALSE(h.timer.Enabled());
    EXPECT_FALSE(h.command2.Enabled());
    EXPECT_EQ(0u, h.random.draws());
    EXPECT_EQ(0u, h.random.randomizeCalls());
}

TEST(RandomIndex, IsTheIntegerPartAndStaysBelowN)
{
    EXPECT_EQ(0, RandomIndex(0.0, 21));
    EXPECT_EQ(20, RandomIndex(20.999 / 21, 21));
    EXPECT_EQ(0, RandomIndex(0.7, 0));
    // A fraction below 0, which no source should give, rounds down as well: an index outside
    // the maze that its check refuses, never a quiet cell 0.
    EXPECT_EQ(-1, RandomIndex(-0.01, 21));
    EXPECT_EQ(-3, RandomIndex(-0.1, 21));
    // The largest fraction the clock source can return still gives an index below n.
    const double largest = 1.0 - 0x1.0p-53;
    for (int n = 1; n <= 101; ++n)
        ASSERT_EQ(n - 1, RandomIndex(largest, n)) << n;
    ClockRandom random;
    random.Randomize();
    for (int i = 0; i < 100000; ++i) {
        const double r = random.NextRandom();
        ASSERT_TRUE(r >= 0 && r < 1) << r;
    }
}

}  // namespace
}  // namespace tolvane::testing
