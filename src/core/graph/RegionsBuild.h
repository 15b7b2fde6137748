// The classic regions build, its steps told as steps on the rectangle's graph.
#pragma once

#include "core/graph/Steps.h"
#include "core/maze/BuildSteps.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// The wall of RectangleGraph(size) between the neighbouring cells (x, y) and (nx, ny).
WallId RectangleWall(MazeSize size, int x, int y, int nx, int ny);

// Turns what the regions build tells into steps of RectangleGraph(size): a seed is a Group
// step with its region; a cell grown is a Group step with its region, then an Open step of
// the wall it grew through; a region linked is an Open step of its wall with the region
// linked in `group`. Pass it to BuildMaze or MazeFromSeed.
class RegionsBuildSteps final : public BuildObserver {
public:
    RegionsBuildSteps(MazeSize size, StepSink& sink) : size_(size), sink_(sink) {}

    void Seeded(int x, int y, std::int32_t region) override;
    void Grown(int x, int y, int nx, int ny, std::int32_t region) override;
    void Linked(int x, int y, int nx, int ny, std::int32_t region) override;

private:
    MazeSize size_;
    StepSink& sink_;
};

}  // namespace tolvane
