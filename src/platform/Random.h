// The random sources: the clock-seeded one the program uses, and a scripted one for replays.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Checked.h"
#include "platform/Controls.h"

namespace tolvane {

// A random index below n: the largest integer not above r * n, as a 16-bit value. Rounds
// down without a library call, since it runs for every one of a maze's ten thousand draws.
inline Int16 RandomIndex(double r, int n)
{
    const double product = r * n;
    auto index = static_cast<long long>(product);
    if (static_cast<double>(index) > product)
        --index;
    return To16(index);
}

// xoshiro256** seeded through splitmix64: fast, uniform, and seedable for benchmarks.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    // Seeds from the steady clock mixed with a call counter, so two seedings never repeat.
    void Randomize() override;
    double NextRandom() override;
    void Seed(std::uint64_t seed);

private:
    std::uint64_t state_[4]{};
    std::uint64_t seedings_ = 0;
};

// Hands out a fixed list of fractions, then a fallback source's, and counts every draw.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> fractions = {}) : fractions_(std::move(fractions)) {}
    void Randomize() override { ++randomizeCalls_; }
    double NextRandom() override;

    void Append(double r) { fractions_.push_back(r); }
    // After the script runs out, draws come from this seed (deterministic).
    void SetFallbackSeed(std::uint64_t seed) { fallback_.Seed(seed); }

    std::size_t draws() const { return draws_; }
    std::size_t randomizeCalls() const { return randomizeCalls_; }
    std::size_t remaining() const { return fractions_.size() - next_; }

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
    std::size_t draws_ = 0;
    std::size_t randomizeCalls_ = 0;
    ClockRandom fallback_;
};

}  // namespace tolvane
