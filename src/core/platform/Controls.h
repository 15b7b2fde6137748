// The controls that the handlers switch on and off, and the random source, free of any toolkit.
#pragma once

#include <cstdint>
#include <optional>

namespace tolvane {

// Anything with an Enabled setting: a push button, or the timer (enabled = ticking).
class Switch {
public:
    virtual ~Switch() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
};

// A source of uniform fractions 0 <= r < 1 that can be reseeded from the clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;
    virtual double NextRandom() = 0;
    // Two draws in a row, as two calls of NextRandom would give them: a cell of the classic
    // build takes two, and its thousands of draws each wait on the call.
    struct Pair {
        double first;
        double second;
    };
    virtual Pair NextPair()
    {
        const double first = NextRandom();
        return {first, NextRandom()};
    }
    // The seed the last Randomize chose, when the draws since follow from it alone.
    virtual std::optional<std::uint64_t> LastSeed() const { return std::nullopt; }
};

// A plain switch that only remembers its setting: the timer and button of a headless run.
class PlainSwitch final : public Switch {
public:
    explicit PlainSwitch(bool enabled = false) : enabled_(enabled) {}
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Enabled() const override { return enabled_; }

private:
    bool enabled_;
};

}  // namespace tolvane
