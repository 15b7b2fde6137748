// The random sources.
#include "core/platform/Random.h"

#include <chrono>

namespace tolvane {
namespace {

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

ClockRandom::ClockRandom() { Seed(0); }

void ClockRandom::Seed(std::uint64_t seed)
{
    for (auto& word : state_)
        word = SplitMix(seed);
}

void ClockRandom::Randomize()
{
    std::uint64_t seed = 0;
    if (queued_) {
        seed = *queued_;
        queued_.reset();
    } else {
        std::uint64_t now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                                       std::chrono::system_clock::now().time_since_epoch().count()) ^
                            Rotl(++seedings_ * 0xD1B54A32D192ED03ull, 17);
        // Mixed, so that the clock's low bits, which change fastest, reach every bit of the seed.
        seed = SplitMix(now) & kSeedMask;
    }
    lastSeed_ = seed;
    Seed(seed);
}

double ClockRandom::NextRandom() { return Next(); }

double ClockRandom::Next()
{
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    // The top 53 bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

double ScriptedRandom::NextRandom()
{
    ++draws_;
    if (next_ < fractions_.size())
        return fractions_[next_++];
    return fallback_.NextRandom();
}

}  // namespace tolvane
