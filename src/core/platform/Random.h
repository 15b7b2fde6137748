// The random sources: the clock-seeded one the program uses, and a scripted one for replays.
#pragma once

#include <cstdint>
#include <vector>

#include "core/platform/Checked.h"
#include "core/platform/Controls.h"

namespace tolvane {

// A random index below n: the largest integer not above r * n. Rounds down without a library
// call, since it runs for every one of a maze's draws. With 0 <= r < 1 it lies in 0..n-1.
inline std::int32_t RandomIndex(double r, int n)
{
    const double product = r * n;
    auto index = static_cast<long long>(product);
    // Conversion cuts towards zero, which is rounding down for every product but a negative
    // one. Testing the sign rather than converting back keeps the test off the path from the
    // draw to the index, which every rejected draw of a build waits on.
    if (product < 0 && static_cast<double>(index) > product) [[unlikely]]
        --index;
    return static_cast<std::int32_t>(index);
}

// The seeds the program chooses have this many bits: few enough for a short maze code.
inline constexpr int kSeedBits = 45;
inline constexpr std::uint64_t kSeedMask = (std::uint64_t{1} << kSeedBits) - 1;

// xoshiro256** seeded through splitmix64: fast, uniform, and seedable for benchmarks.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    // Seeds with the seed queued by QueueSeed, if any; otherwise with one of kSeedBits bits
    // from the steady clock mixed with a call counter, so that two seedings never repeat.
    void Randomize() override;
    double NextRandom() override;
    Pair NextPair() override
    {
        const double first = Next();
        return {first, Next()};
    }
    std::optional<std::uint64_t> LastSeed() const override { return lastSeed_; }
    void Seed(std::uint64_t seed);
    // The next Randomize seeds with `seed`: the maze it starts is the one this seed names.
    void QueueSeed(std::uint64_t seed) { queued_ = seed; }

private:
    double Next();

    std::uint64_t state_[4]{};
    std::uint64_t seedings_ = 0;
    std::optional<std::uint64_t> queued_;
    std::optional<std::uint64_t> lastSeed_;
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
