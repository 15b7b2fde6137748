// 16-bit signed values and fixed-bound arrays whose every index and every store is checked.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/RuntimeError.h"

namespace tolvane {

using Int16 = std::int16_t;

// Narrows a wider result to 16 bits, raising Overflow instead of wrapping.
inline Int16 To16(long long value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw RuntimeError(ErrorKind::Overflow, "Overflow (" + std::to_string(value) + " does not fit in 16 bits)");
    return static_cast<Int16>(value);
}

inline void CheckIndex(long long index, long long lo, long long hi)
{
    if (index < lo || index > hi)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           "Subscript out of range (" + std::to_string(index) + " not in " + std::to_string(lo) +
                               ".." + std::to_string(hi) + ")");
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
