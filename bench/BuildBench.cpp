// Benchmarks of the ways to build, each on a square of 101 and of 1001 cells a side, alone and
// with the search that finds its route.
#include <benchmark/benchmark.h>

#include "core/generate/MakeMaze.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/platform/Random.h"
#include "core/shape/make/Circle.h"
#include "core/shape/make/Polygons.h"

namespace {

using namespace tolvane;

const MazeGraph& Square(int side)
{
    static const MazeGraph small = RectangleGraph({101, 101});
    static const MazeGraph big = RectangleGraph({1001, 1001});
    return side == 101 ? small : big;
}

// range(0): the way, as its place in kAlgorithms; range(1): the side; range(2): 1 to search too.
void BM_Build(benchmark::State& bench)
{
    const AlgorithmInfo& way = kAlgorithms[static_cast<std::size_t>(bench.range(0))];
    const MazeGraph& graph = Square(static_cast<int>(bench.range(1)));
    ClockRandom random;
    std::size_t routeCells = 0;
    for (auto _ : bench) {
        const Passages passages = BuildPassages(graph, {way.id}, random);
        if (bench.range(2) != 0)
            routeCells += SearchDepthFirst(graph, passages).cells.size();
        benchmark::DoNotOptimize(passages.open.data());
    }
    bench.SetLabel(std::string(way.name) + (bench.range(2) != 0 ? " + search" : ""));
    bench.counters["cells/s"] = benchmark::Counter(static_cast<double>(graph.CellCount()) * static_cast<double>(bench.iterations()),
                                                   benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(routeCells);
}

void Ways(benchmark::internal::Benchmark* b)
{
    for (int side : {101, 1001})
        for (int way = 0; way < static_cast<int>(kAlgorithms.size()); ++way)
            b->Args({way, side, 0});
    for (int way = 0; way < static_cast<int>(kAlgorithms.size()); ++way)
        b->Args({way, 1001, 1});
}

BENCHMARK(BM_Build)->Apply(Ways)->Unit(benchmark::kMillisecond);

// Each way on shapes of about 30,000 cells, against the square of as many: range(0) the way,
// range(1) the shape (0 a square of 173 a side, 1 a hexagon of 100, 2 a circle of 100 rings,
// 3 a triangle of 173).
void BM_BuildShape(benchmark::State& bench)
{
    static const Shape shapes[] = {RectangleShape({173, 173}), HexagonShape(100), CircleShape(100), TriangleShape(173)};
    static const char* const names[] = {"square", "hexagon", "circle", "triangle"};
    const AlgorithmInfo& way = kAlgorithms[static_cast<std::size_t>(bench.range(0))];
    const Shape& shape = shapes[bench.range(1)];
    ClockRandom random;
    for (auto _ : bench)
        benchmark::DoNotOptimize(BuildPassages(shape.graph, {way.id}, random).open.data());
    bench.SetLabel(std::string(way.name) + " on a " + names[bench.range(1)] + " of " + std::to_string(shape.graph.CellCount()));
    bench.counters["ns/cell"] = benchmark::Counter(static_cast<double>(shape.graph.CellCount()),
                                                   benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void WaysOnShapes(benchmark::internal::Benchmark* b)
{
    for (int way = 0; way < static_cast<int>(kAlgorithms.size()); ++way)
        for (int shape = 0; shape < 4; ++shape)
            b->Args({way, shape});
}

BENCHMARK(BM_BuildShape)->Apply(WaysOnShapes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
