// A step record played onto a picture, as the window watches it: how far it has got and what it has counted.
#pragma once

#include <cstddef>
#include <vector>

#include "core/graph/Steps.h"
#include "core/watch/Animated.h"
#include "core/watch/Watch.h"

namespace tolvane {

// What the window follows of a player besides its pictures, whatever the maze's shape.
class WatchPlayer : public Animated {
public:
    virtual WatchKind Kind() const = 0;
    virtual const std::vector<StepEvent>& Steps() const = 0;
    // The steps played so far.
    virtual std::size_t Played() const = 0;
    // The cells a search has looked at so far; at the end the count the search itself gives.
    virtual int Visited() const = 0;
    // The length of the red path: the path being tried, or as much of the route as is drawn.
    virtual int PathLength() const = 0;
};

}  // namespace tolvane
