// Building a maze the chosen way.
#include "core/generate/MakeMaze.h"

#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/maze/BuildMaze.h"
#include "core/platform/Random.h"

namespace tolvane {

Passages BuildPassages(const MazeGraph& graph, const BuildChoice& how, RandomSource& random, StepSink* sink)
{
    random.Randomize();
    Passages passages = how.routeFirst ? BuildRouteFirst(graph, how.algorithm, random, sink)
                                       : InfoOf(how.algorithm).build(graph, random, sink);
    Braid(graph, passages, how.braid, random, sink);
    return passages;
}

void BuildMazeBy(MazeState& state, const BuildChoice& how, RandomSource& random, StepSink* sink)
{
    if (how.algorithm == Algorithm::Regions && !how.routeFirst) {
        BuildMaze(state, random);
        if (how.braid == 0)
            return;
        const MazeGraph graph = RectangleGraph(state.size);
        Passages passages = PassagesOf(graph, state);
        Braid(graph, passages, how.braid, random, sink);
        ApplyPassages(passages, state);
        return;
    }
    for (int x = -1; x <= state.LastX(); ++x)
        for (int y = -1; y <= state.LastY(); ++y)
            state.Region(x, y) = 0;
    ApplyPassages(BuildPassages(RectangleGraph(state.size), how, random, sink), state);
}

MazeState MazeFromRecipe(std::uint64_t seed, MazeSize size, const BuildChoice& how)
{
    ClockRandom random;
    random.QueueSeed(seed);
    MazeState state(size);
    BuildMazeBy(state, how, random);
    return state;
}

}  // namespace tolvane
