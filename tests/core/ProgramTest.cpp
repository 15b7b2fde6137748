// The handlers together: the order of their effects and the window's states.
#include <gtest/gtest.h>

#include "core/Harness.h"
#include "core/MazeCheck.h"

namespace tolvane::testing {
namespace {

// Writes every effect a handler has on the controls, the random source and the surface
// into one log, so the order across them can be checked.
struct EffectLog {
    std::vector<std::string> lines;

    struct LoggedSwitch final : Switch {
        LoggedSwitch(EffectLog& log, std::string name) : log(log), name(std::move(name)) {}
        void SetEnabled(bool on) override
        {
            enabled = on;
            log.lines.push_back(name + (on ? " on" : " off"));
        }
        bool Enabled() const override { return enabled; }
        EffectLog& log;
        std::string name;
        bool enabled = false;
    };
    struct LoggedRandom final : RandomSource {
        explicit LoggedRandom(EffectLog& log) : log(log) {}
        void Randomize() override
        {
            log.lines.push_back("Randomize");
            source.SetFallbackSeed(3);
        }
        double NextRandom() override { return source.NextRandom(); }
        EffectLog& log;
        ScriptedRandom source;
    };
};

TEST(Command1Click, StopsTheTimerFirstDrawsOnceAndEnablesCommand2Last)
{
    EffectLog log;
    EffectLog::LoggedSwitch timer(log, "Timer1");
    EffectLog::LoggedSwitch command2(log, "Command2");
    EffectLog::LoggedRandom random(log);
    RecordingSurface surface;
    Program program(Platform{surface, timer, command2, random});
    program.Form_Load();
    surface.Clear();
    program.Command1_Click();
    EXPECT_EQ((std::vector<std::string>{"Timer1 off", "Randomize", "Command2 on"}), log.lines);
    EXPECT_EQ(1, std::count_if(surface.ops().begin(), surface.ops().end(),
                               [](const DrawOp& op) { return op.kind == DrawOp::Kind::Cls; }));
    EXPECT_EQ("", PerfectMazeProblem(program.state()));
}

TEST(Command1Click, DuringAReplayStopsItAndTheNewMazeCarriesNoRoute)
{
    Harness h;
    h.program.Form_Load();
    h.BuildWithSeed(1);
    h.program.Command2_Click();
    for (int i = 0; i < 10; ++i)
        h.program.Timer1_Timer();
    ASSERT_TRUE(h.timer.Enabled());
    h.surface.Clear();
    h.BuildWithSeed(2);
    EXPECT_FALSE(h.timer.Enabled());
    EXPECT_TRUE(h.command2.Enabled());
    for (const DrawOp& op : h.surface.ops())
        ASSERT_FALSE(op.kind == DrawOp::Kind::Line && op.colour == kRed);
    // The next replay starts over on the new maze: its first tick draws one segment.
    h.program.Command2_Click();
    h.surface.Clear();
    h.program.Timer1_Timer();
    EXPECT_EQ(1, std::count_if(h.surface.ops().begin(), h.surface.ops().end(),
                               [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line && op.colour == kRed; }));
}

TEST(Command2Click, DuringOrAfterAReplayStartsItOverOnTheSameRoute)
{
    Harness h;
    h.program.Form_Load();
    h.BuildWithSeed(8);
    h.program.Command2_Click();
    const auto route = RouteCells(h.s);
    for (int i = 0; i < 5; ++i)
        h.program.Timer1_Timer();
    h.program.Command2_Click();  // mid-replay
    EXPECT_TRUE(h.timer.Enabled());
    EXPECT_EQ(0, h.s.StepCount);
    EXPECT_EQ(route, RouteCells(h.s));
    while (h.timer.Enabled())
        h.program.Timer1_Timer();
    h.program.Command2_Click();  // after it finished
    EXPECT_TRUE(h.timer.Enabled());
    EXPECT_EQ(0, h.s.StepCount);
    EXPECT_EQ(route, RouteCells(h.s));
}

TEST(Command2Click, AGoalCutOffStartsNoReplayAndClearsAnOldRoute)
{
    Harness h;
    h.program.Form_Load();
    h.BuildWithSeed(4);
    h.program.Command2_Click();
    for (int i = 0; i < 20; ++i)
        h.program.Timer1_Timer();
    // Walls that shut the goal in: no maze the program builds looks like this.
    h.s.Walls(19, 20) |= kRightWall;
    h.s.Walls(20, 19) |= kBottomWall;
    h.surface.Clear();
    h.program.Command2_Click();
    EXPECT_EQ(kFalse, h.s.Found);
    EXPECT_FALSE(h.timer.Enabled());
    ASSERT_FALSE(h.surface.ops().empty());
    EXPECT_EQ(DrawOp::Kind::Cls, h.surface.ops().front().kind);
    for (const DrawOp& op : h.surface.ops())
        ASSERT_FALSE(op.kind == DrawOp::Kind::Line && op.colour == kRed);
}

}  // namespace
}  // namespace tolvane::testing
