// Helpers for checking builders: a seeded source, a graph that is no rectangle, dead ends.
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/platform/Random.h"

namespace tolvane::testing {

// A source whose draws all follow from `seed`.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) { random_.Seed(seed); }
    void Randomize() override {}
    double NextRandom() override { return random_.NextRandom(); }

private:
    ClockRandom random_;
};

// A hub (cell 0) joined to every cell of a rim of `rim` cells, each rim cell also joined to the
// next round the rim: cells with three neighbours and one with many.
inline MazeGraph WheelGraph(int rim)
{
    GraphBuilder b(rim + 1);
    b.BeginCell(0);
    for (int i = 1; i <= rim; ++i)
        b.Link(i);
    for (int i = 1; i <= rim; ++i) {
        b.BeginCell(i);
        b.Link(0);
        b.Link(i % rim + 1);
        b.Link((i + rim - 2) % rim + 1);
    }
    return b.Finish(1, rim / 2 + 1);
}

// Cells other than S and G with one open wall, counted apart from the code under test.
inline int DeadEnds(const MazeGraph& g, const Passages& p)
{
    int n = 0;
    for (CellId c = 0; c < g.CellCount(); ++c) {
        int open = 0;
        for (const Link& l : g.Neighbours(c))
            open += p.Open(l.wall);
        n += open == 1 && c != g.start && c != g.goal;
    }
    return n;
}

}  // namespace tolvane::testing
