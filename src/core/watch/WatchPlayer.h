// A step record played onto a picture, as the window watches it: how far it has got and what it has counted.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "core/graph/Steps.h"
#include "core/watch/Animated.h"
#include "core/watch/Watch.h"

namespace tolvane {

// A step record played onto a picture, whatever the maze's shape: the steps, how far they
// have been played and what they have counted. Each player draws a build's step and a
// search's (or the route's) step in its own way.
class WatchPlayer : public Animated {
public:
    bool PlayStep(Surface& surface) final
    {
        if (next_ >= steps_.size())
            return false;
        const StepEvent& step = steps_[next_++];
        if (kind_ == WatchKind::Build)
            Build(surface, step);
        else
            Search(surface, step);
        return true;
    }
    std::size_t Count() const final { return steps_.size(); }
    bool HoldsLastStep() const final { return kind_ != WatchKind::Route; }

    WatchKind Kind() const { return kind_; }
    const std::vector<StepEvent>& Steps() const { return steps_; }
    // The steps played so far.
    std::size_t Played() const { return next_; }
    // The cells a search has looked at so far; at the end the count the search itself gives.
    int Visited() const { return visited_; }
    // The length of the red path: the path being tried, or as much of the route as is drawn.
    int PathLength() const { return static_cast<int>(path_.size()); }

protected:
    WatchPlayer(WatchKind kind, std::vector<StepEvent> steps) : kind_(kind), steps_(std::move(steps)) {}
    virtual void Build(Surface& surface, const StepEvent& step) = 0;
    virtual void Search(Surface& surface, const StepEvent& step) = 0;

    WatchKind kind_;
    std::vector<StepEvent> steps_;
    std::vector<CellId> path_;
    std::size_t next_ = 0;
    int visited_ = 0;
};

}  // namespace tolvane
