// The steps an algorithm reports while it works, for watching it and for testing it.
#pragma once

#include <cstdint>
#include <vector>

#include "core/graph/MazeGraph.h"

namespace tolvane {

// What happened at one step. Builders report cells they take in and walls they open (and a
// group, such as a region or a set, where they have one); searches report cells they enter
// (with the wall they came through; none for S), back out of, and finally the route.
enum class StepKind : std::uint8_t {
    Enter,    // a cell entered or taken into the maze
    BackUp,   // a cell left for good: a dead end backed out of, a walk erased
    Open,     // a wall opened into a passage
    Group,    // a cell given to a group (a region, a set); `group` says which
    Route,    // a cell on the final route, in order from S
};

struct StepEvent {
    StepKind kind;
    CellId cell = kNoCell;
    WallId wall = -1;
    std::int32_t group = 0;
    friend bool operator==(const StepEvent&, const StepEvent&) = default;
};

// Where an algorithm reports its steps. Algorithms take a StepSink*; null records nothing and
// costs one test a step.
class StepSink {
public:
    virtual ~StepSink() = default;
    virtual void Record(const StepEvent& step) = 0;
};

// Keeps every step: for the window's replay, the animation writer and the tests.
class StepRecord final : public StepSink {
public:
    void Record(const StepEvent& step) override { steps.push_back(step); }
    std::vector<StepEvent> steps;
};

inline void Report(StepSink* sink, const StepEvent& step)
{
    if (sink != nullptr)
        sink->Record(step);
}

}  // namespace tolvane
