// Benchmarks of the toolkit-free logic: building a maze and searching it.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/graph/Rectangle.h"
#include "core/maze/BuildMaze.h"
#include "core/generate/ways/Builders.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"
#include "core/shape/ShapeMaze.h"
#include "core/platform/surface/NullSurface.h"
#include "core/platform/Random.h"
#include "core/play/Play.h"
#include "core/program/Program.h"
#include "core/search/Searches.h"

namespace {

using namespace tolvane;

// The program's own clock-seeded source, counting the fractions handed out.
class CountingRandom final : public RandomSource {
public:
    void Randomize() override { inner_.Randomize(); }
    double NextRandom() override
    {
        ++draws_;
        return inner_.NextRandom();
    }
    std::size_t draws() const { return draws_; }

private:
    ClockRandom inner_;
    std::size_t draws_ = 0;
};

// One generation exactly as Command1 runs it: reset, reseed from the clock, seed, grow, link,
// drawing from the program's own source through the interface, as the window does. The draws
// are counted afterwards, over separate builds, so that counting costs the timing nothing.
void BM_BuildMaze(benchmark::State& bench)
{
    MazeState state;
    ClockRandom clock;
    RandomSource& random = clock;
    for (auto _ : bench) {
        BuildMaze(state, random);
        benchmark::DoNotOptimize(state);
        benchmark::ClobberMemory();
    }
    constexpr int kCounted = 1000;
    CountingRandom counting;
    for (int i = 0; i < kCounted; ++i)
        BuildMaze(state, counting);
    bench.counters["draws_per_maze"] = static_cast<double>(counting.draws()) / kCounted;
}
BENCHMARK(BM_BuildMaze);

// Searches depend on the maze, so the benchmark cycles through a fixed set of mazes, built
// from fixed seeds so that every run searches the same ones.
constexpr std::size_t kMazes = 64;

struct SearchRig {
    NullSurface surface;
    PlainSwitch timer;
    PlainSwitch command2;
    std::vector<std::unique_ptr<ScriptedRandom>> randoms;
    std::vector<std::unique_ptr<Program>> programs;

    SearchRig()
    {
        for (std::size_t i = 0; i < kMazes; ++i) {
            auto random = std::make_unique<ScriptedRandom>();
            random->SetFallbackSeed(0x5EED0000u + i);
            auto program = std::make_unique<Program>(Platform{surface, timer, command2, *random});
            program->Command1_Click();
            randoms.push_back(std::move(random));
            programs.push_back(std::move(program));
        }
    }
};

// One Command2_Click on a generated maze: start the timer, clear the marks, search.
void BM_Command2_Click(benchmark::State& bench)
{
    SearchRig rig;
    std::size_t next = 0;
    double cells = 0;
    for (auto _ : bench) {
        Program& program = *rig.programs[next];
        program.Command2_Click();
        benchmark::DoNotOptimize(program.state());
        cells += program.state().PathLen;
        next = (next + 1) % kMazes;
    }
    if (rig.programs[0]->state().Found == kFalse)
        bench.SkipWithError("a generated maze had no route");
    bench.counters["route_entries"] = benchmark::Counter(cells, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Command2_Click);

// Generation and search of a side x side maze, each timed on its own: the cost grows with the
// cells (the draws of the bigger mazes come from the cells that may qualify, not the square).
void BM_BuildSized(benchmark::State& bench)
{
    const int side = static_cast<int>(bench.range(0));
    MazeState state({side, side});
    ClockRandom clock;
    for (auto _ : bench) {
        BuildMaze(state, clock);
        benchmark::DoNotOptimize(state);
        benchmark::ClobberMemory();
    }
    bench.counters["ns_per_cell"] = benchmark::Counter(static_cast<double>(side) * side,
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildSized)->Arg(101)->Arg(1001)->Unit(benchmark::kMillisecond);

void BM_SolveSized(benchmark::State& bench)
{
    const int side = static_cast<int>(bench.range(0));
    std::vector<MazeState> mazes;
    for (std::uint64_t seed = 1; seed <= 4; ++seed)
        mazes.push_back(MazeFromSeed(seed, {side, side}));
    std::size_t next = 0;
    for (auto _ : bench) {
        Solve(mazes[next]);
        benchmark::DoNotOptimize(mazes[next]);
        if (mazes[next].Found == kFalse)
            bench.SkipWithError("a generated maze had no route");
        next = (next + 1) % mazes.size();
    }
    bench.counters["ns_per_cell"] = benchmark::Counter(static_cast<double>(side) * side,
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolveSized)->Arg(101)->Arg(1001)->Unit(benchmark::kMillisecond);

// Both, as one measured whole: what the comparison with generate-maze under Node times.
void BM_BuildAndSolve(benchmark::State& bench)
{
    const int side = static_cast<int>(bench.range(0));
    MazeState state({side, side});
    ClockRandom clock;
    for (auto _ : bench) {
        BuildMaze(state, clock);
        Solve(state);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_BuildAndSolve)->Arg(1001)->Unit(benchmark::kMillisecond);

// A game's move without drawing: the wall check and the trail, back and forth out of S.
void BM_Play_Move_Logic(benchmark::State& bench)
{
    SearchRig rig;
    const MazeState& maze = rig.programs[0]->state();
    const ShapeMaze shaped = ShapeMazeOf(maze);
    Play play;
    play.Start(shaped);
    const bool right = IsOpen(maze, {0, 0}, Direction::Right);
    const Direction forth = right ? Direction::Right : Direction::Down;
    const Direction back = right ? Direction::Left : Direction::Up;
    Millis now = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(play.Key(shaped, play.game().Trail().size() == 1 ? forth : back, ++now));
    }
    if (play.Moves() == 0)
        bench.SkipWithError("no move out of S");
}
BENCHMARK(BM_Play_Move_Logic);

// A game on a 1001 x 1001 maze: starting it (the maze read as the rectangle shape, and its cells
// filed for the pointer), and a hint from S (a breadth-first search over the passages).
void BM_Play_Start(benchmark::State& bench)
{
    const int side = static_cast<int>(bench.range(0));
    const MazeState maze = MazeFromSeed(1, {side, side});
    for (auto _ : bench) {
        // The first game of its size: the shape is made too.
        ShapeMaze shaped{RectangleShape(maze.size), {}, {}};
        shaped.passages = PassagesOf(shaped.shape.graph, maze);
        Play play;
        play.Start(shaped);
        benchmark::DoNotOptimize(play);
    }
}
BENCHMARK(BM_Play_Start)->Arg(1001)->Unit(benchmark::kMillisecond);

void BM_Play_Hint(benchmark::State& bench)
{
    const int side = static_cast<int>(bench.range(0));
    const ShapeMaze maze = ShapeMazeOf(MazeFromSeed(1, {side, side}));
    Play play;
    play.Start(maze);
    for (auto _ : bench)
        benchmark::DoNotOptimize(play.Hint(maze));
}
BENCHMARK(BM_Play_Hint)->Arg(1001)->Unit(benchmark::kMillisecond);

// Building a maze of a shape with the same builder, on shapes of about 30,000 cells: a
// rectangle of 173 x 173 (29,929), a hexagon of 100 a side (29,701), a circle of 100 rings
// (about 31,000). The shape itself is made once; each iteration builds its passages.
template <typename Make>
void BuildOnShape(benchmark::State& bench, Make make)
{
    const Shape shape = make();
    ClockRandom random;
    random.Seed(1);
    for (auto _ : bench)
        benchmark::DoNotOptimize(BuildBacktracker(shape.graph, random, nullptr));
    bench.counters["cells"] = shape.graph.CellCount();
}
void BM_Backtracker_Rectangle(benchmark::State& b) { BuildOnShape(b, [] { return RectangleShape({173, 173}); }); }
void BM_Backtracker_Hexagon(benchmark::State& b) { BuildOnShape(b, [] { return HexagonShape(100); }); }
void BM_Backtracker_Circle(benchmark::State& b) { BuildOnShape(b, [] { return CircleShape(100); }); }
BENCHMARK(BM_Backtracker_Rectangle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Backtracker_Hexagon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Backtracker_Circle)->Unit(benchmark::kMillisecond);

// Making the shape itself: cells, neighbours, walls and outlines.
void BM_Shape_Circle200(benchmark::State& bench)
{
    for (auto _ : bench)
        benchmark::DoNotOptimize(CircleShape(200));
}
BENCHMARK(BM_Shape_Circle200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
