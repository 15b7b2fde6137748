// What the regions build tells whoever watches it: each seed, each cell grown, each region linked.
#pragma once

#include <cstdint>

namespace tolvane {

// Told each step as it is taken, so that the build can be shown or checked step by step. The
// build passes a null observer when nobody watches, which costs one test a step.
class BuildObserver {
public:
    virtual ~BuildObserver() = default;
    // (x, y) became the seed of `region`.
    virtual void Seeded(int x, int y, std::int32_t region) = 0;
    // (x, y) joined `region`, the region of its neighbour (nx, ny), through the wall between them.
    virtual void Grown(int x, int y, int nx, int ny, std::int32_t region) = 0;
    // `region`, the region of (x, y), was linked to the joined part through the wall towards (nx, ny).
    virtual void Linked(int x, int y, int nx, int ny, std::int32_t region) = 0;
};

}  // namespace tolvane
