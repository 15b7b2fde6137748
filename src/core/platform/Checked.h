// 16-bit signed values and fixed-bound arrays whose every index and every store is checked.
#pragma once

#include <array>
#include <cstdint>

#include "core/platform/RuntimeError.h"

namespace tolvane {

using Int16 = std::int16_t;

// Raise the errors; kept out of line so that the checks below stay small enough to inline.
[[noreturn, gnu::cold]] void ThrowOverflow(long long value);
[[noreturn, gnu::cold]] void ThrowSubscript(long long index, long long lo, long long hi);

// Narrows a wider result to 16 bits, raising Overflow instead of wrapping.
inline Int16 To16(long long value)
{
    if (value < INT16_MIN || value > INT16_MAX) [[unlikely]]
        ThrowOverflow(value);
    return static_cast<Int16>(value);
}

inline void CheckIndex(long long index, long long lo, long long hi)
{
    if (index < lo || index > hi) [[unlikely]]
        ThrowSubscript(index, lo, hi);
}

// A one-dimensional array with inclusive bounds Lo..Hi, all elements zero at creation.
template <typename T, int Lo, int Hi>
class Array1 {
public:
    static constexpr int kLo = Lo;
    static constexpr int kHi = Hi;

    T& operator()(long long i)
    {
        CheckIndex(i, Lo, Hi);
        return items_[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator()(long long i) const
    {
        CheckIndex(i, Lo, Hi);
        return items_[static_cast<std::size_t>(i - Lo)];
    }

private:
    std::array<T, Hi - Lo + 1> items_{};
};

// A square two-dimensional array with inclusive bounds Lo..Hi on both axes, addressed (x, y).
template <typename T, int Lo, int Hi>
class Array2 {
public:
    static constexpr int kLo = Lo;
    static constexpr int kHi = Hi;

    T& operator()(long long x, long long y)
    {
        CheckIndex(x, Lo, Hi);
        CheckIndex(y, Lo, Hi);
        return items_[Offset(x, y)];
    }
    const T& operator()(long long x, long long y) const
    {
        CheckIndex(x, Lo, Hi);
        CheckIndex(y, Lo, Hi);
        return items_[Offset(x, y)];
    }

private:
    static constexpr std::size_t kSide = Hi - Lo + 1;
    static std::size_t Offset(long long x, long long y)
    {
        return static_cast<std::size_t>(x - Lo) * kSide + static_cast<std::size_t>(y - Lo);
    }
    std::array<T, kSide * kSide> items_{};
};

}  // namespace tolvane
