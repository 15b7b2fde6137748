// What the animation writer plays into frames: a picture that changes step by step.
#pragma once

#include <cstddef>
#include <vector>

#include "core/platform/surface/Surface.h"

namespace tolvane {

// Draws the picture before the first step, then each step over it (only what the step changed,
// where it can), and at the end the finished picture, exactly as the window or an export shows it.
class Animated {
public:
    virtual ~Animated() = default;

    virtual void DrawFirst(Surface& surface) = 0;
    // Plays the next step and draws what it changed; false when every step has been played.
    virtual bool PlayStep(Surface& surface) = 0;
    virtual void DrawLast(Surface& surface) const = 0;
    virtual std::size_t Count() const = 0;
    // Every colour the pictures use besides white, black, red and blue.
    virtual std::vector<Colour> Colours() const = 0;
    // Whether the state after the last step is worth a moment before the finished picture (a
    // build's or a search's last state); a replay's last step already is the finished picture.
    virtual bool HoldsLastStep() const = 0;
};

}  // namespace tolvane
