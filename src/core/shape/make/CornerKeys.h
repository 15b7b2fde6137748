// Corners as whole-number keys, and a table that numbers keys as they are first met: how cells
// find the sides they share and how walls find the corners where they meet.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/platform/surface/Surface.h"

namespace tolvane {

// Corners computed from the same lattice point by different cells agree to far better than
// this; corners of different lattice points lie far further apart.
inline constexpr double kCornerGrain = 1024.0;

// Rounds half away from zero, as std::lround does, without a library call per corner.
inline std::int32_t Nearest(double v) { return static_cast<std::int32_t>(v >= 0 ? v + 0.5 : v - 0.5); }

inline std::uint64_t CornerKey(PointF p)
{
    const auto x = static_cast<std::uint32_t>(Nearest(p.x * kCornerGrain));
    const auto y = static_cast<std::uint32_t>(Nearest(p.y * kCornerGrain));
    return (std::uint64_t{x} << 32) | y;
}

// An open-addressed table from a pair of keys to a number, sized for about `expected` pairs and
// grown when it fills: several times quicker to fill than a map of nodes, for the hundreds of
// thousands of corners of a big maze.
class KeyTable {
public:
    explicit KeyTable(std::size_t expected)
    {
        std::size_t size = 16;
        while (size * 3 < expected * 4)
            size *= 2;
        slots_.resize(size);
    }

    // The number of (a, b), and whether it was new: a new pair gets `number`.
    std::pair<std::int32_t, bool> Find(std::uint64_t a, std::uint64_t b, std::int32_t number)
    {
        if ((count_ + 1) * 4 > slots_.size() * 3)
            Grow();
        Slot& slot = SlotOf(a, b);
        if (slot.number >= 0)
            return {slot.number, false};
        slot = {a, b, number};
        ++count_;
        return {number, true};
    }

private:
    struct Slot {
        std::uint64_t a = 0, b = 0;
        std::int32_t number = -1;
    };

    // Where (a, b) is, or the empty slot where it would go.
    Slot& SlotOf(std::uint64_t a, std::uint64_t b)
    {
        const std::size_t mask = slots_.size() - 1;
        // Corners' keys differ in few bits, and those high in each half: mixed thoroughly, or
        // they crowd into runs of neighbouring slots.
        std::uint64_t h = a * 0x9E3779B97F4A7C15ull + b;
        h ^= h >> 32;
        h *= 0xD6E8FEB86659FD93ull;
        h ^= h >> 32;
        for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.number < 0 || (slot.a == a && slot.b == b))
                return slot;
        }
    }

    void Grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.number >= 0)
                SlotOf(s.a, s.b) = s;
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

}  // namespace tolvane
