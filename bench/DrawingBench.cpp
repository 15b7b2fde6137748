// Benchmarks of drawing into the window's real backing image: the maze, a whole build, the
// longest replay tick, a move of a game.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "core/maze/BuildMaze.h"
#include "core/platform/Random.h"
#include "core/program/Program.h"
#include "core/render/DrawMaze.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/window/Form1.h"

namespace {

using namespace tolvane;

constexpr int kWidth = 464;
constexpr int kHeight = 358;

// The headless pieces a Program needs, drawing into a backing image like the window's.
struct Rig {
    ImageSurface surface{kWidth, kHeight, WindowFont()};
    PlainSwitch timer;
    PlainSwitch command2;
    ClockRandom random;
    Program program{Platform{surface, timer, command2, random}};
};

// The most walls DrawMaze ever draws: every cell of -1..20 closed on both sides, as a build
// leaves them right after its reset (968 lines, 8 prints).
void BM_DrawMaze_AllWalls(benchmark::State& bench)
{
    Rig rig;
    MazeState& state = rig.program.state();
    for (int x = -1; x <= kLast; ++x)
        for (int y = -1; y <= kLast; ++y)
            state.Walls(x, y) = kBottomWall + kRightWall;
    for (auto _ : bench) {
        DrawMaze(state, rig.surface);
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
}
BENCHMARK(BM_DrawMaze_AllWalls)->Unit(benchmark::kMicrosecond);

// DrawMaze of a generated maze, the picture a user sees after every build and every tick.
void BM_DrawMaze_Generated(benchmark::State& bench)
{
    Rig rig;
    rig.random.Seed(0x5EED);
    BuildMaze(rig.program.state(), rig.random);
    for (auto _ : bench) {
        DrawMaze(rig.program.state(), rig.surface);
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
}
BENCHMARK(BM_DrawMaze_Generated)->Unit(benchmark::kMicrosecond);

// A whole Command1_Click: stop the timer, build a clock-seeded maze, draw it, enable Command2.
void BM_Command1_Click(benchmark::State& bench)
{
    Rig rig;
    for (auto _ : bench) {
        rig.program.Command1_Click();
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
}
BENCHMARK(BM_Command1_Click)->Unit(benchmark::kMicrosecond);

// The longest tick: on the start-up frame the search takes every cell, so the route has 442
// entries; with StepCount at 440 one tick redraws the maze and all 441 segments.
void BM_Timer1_Timer_Longest(benchmark::State& bench)
{
    Rig rig;
    Program& program = rig.program;
    program.Form_Load();
    program.Command2_Click();
    if (program.state().PathLen != kCells) {
        bench.SkipWithError("the start-up frame did not give the full 441-step route");
        return;
    }
    for (auto _ : bench) {
        program.state().StepCount = kCells - 1;
        rig.timer.SetEnabled(true);
        program.Timer1_Timer();
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
    if (rig.timer.Enabled())
        bench.SkipWithError("the last tick did not stop the timer");
}
BENCHMARK(BM_Timer1_Timer_Longest)->Unit(benchmark::kMicrosecond);

// The dearest move of a game: on the start-up frame, with no inner wall, the trail can snake
// through every row; with the marker one cell short of G, each move redraws the maze and a trail
// of 438 or 439 segments. The moves go back and forth, one rubbing out, one drawing again.
void BM_Play_Move_LongestTrail(benchmark::State& bench)
{
    Rig rig;
    Program& program = rig.program;
    program.Form_Load();
    rig.command2.SetEnabled(true);  // as after a build, so that a game may start
    program.Play_Start();
    for (int y = 0; y <= kLast; ++y) {
        const Direction along = y % 2 == 0 ? Direction::Right : Direction::Left;
        for (int x = 0; x < (y < kLast ? kLast : kLast - 1); ++x)  // the last row stops short of G
            program.Play_Move(along, 0);
        if (y < kLast)
            program.Play_Move(Direction::Down, 0);
    }
    if (program.game().Finished() || program.game().Trail().size() != kCells - 1) {
        bench.SkipWithError("the trail does not reach every cell but G");
        return;
    }
    bool back = true;  // the marker stands at (19, 20), come from the left
    for (auto _ : bench) {
        program.Play_Move(back ? Direction::Left : Direction::Right, 0);
        back = !back;
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
}
BENCHMARK(BM_Play_Move_LongestTrail)->Unit(benchmark::kMicrosecond);

// A move on a generated maze, the marker half-way along the route: what a player's key costs.
void BM_Play_Move_Generated(benchmark::State& bench)
{
    Rig rig;
    Program& program = rig.program;
    rig.random.Seed(0x5EED);
    program.Command1_Click();
    program.Command2_Click();  // the route, to walk half of it
    program.Play_Start();
    const MazeState& s = program.state();
    const int half = s.PathLen / 2;
    Direction forth = Direction::Right;
    for (int i = 1; i < half; ++i) {
        const int dx = s.PathX(i + 1) - s.PathX(i), dy = s.PathY(i + 1) - s.PathY(i);
        forth = dx > 0 ? Direction::Right : dx < 0 ? Direction::Left : dy > 0 ? Direction::Down : Direction::Up;
        program.Play_Move(forth, 0);
    }
    const Direction back = forth == Direction::Right ? Direction::Left
                           : forth == Direction::Left ? Direction::Right
                           : forth == Direction::Down ? Direction::Up
                                                      : Direction::Down;
    bool stepBack = true;
    for (auto _ : bench) {
        if (program.Play_Move(stepBack ? back : forth, 0) == MoveOutcome::Blocked) {
            bench.SkipWithError("a move along the route met a wall");
            return;
        }
        stepBack = !stepBack;
        benchmark::DoNotOptimize(rig.surface.image().constBits());
    }
}
BENCHMARK(BM_Play_Move_Generated)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    // Fonts and painting on images need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QGuiApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
