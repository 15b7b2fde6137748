// 16-bit signed values and fixed-bound arrays whose every index and every store is checked.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/platform/RuntimeError.h"

namespace tolvane {

using Int16 = std::int16_t;

// Raise the errors; kept out of line so that the checks below stay small enough to inline.
[[noreturn, gnu::cold]] void ThrowOverflow(long long value, int bits = 16);
[[noreturn, gnu::cold]] void ThrowSubscript(long long index, long long lo, long long hi);

// Narrows a wider result to 16 bits, raising Overflow instead of wrapping.
inline Int16 To16(long long value)
{
    if (value < INT16_MIN || value > INT16_MAX) [[unlikely]]
        ThrowOverflow(value);
    return static_cast<Int16>(value);
}

// Adds to a count that may pass 16 bits (the route of a big maze), raising Overflow at 32.
inline std::int32_t Add32(std::int32_t value, int delta)
{
    const long long sum = static_cast<long long>(value) + delta;
    if (sum < INT32_MIN || sum > INT32_MAX) [[unlikely]]
        ThrowOverflow(sum, 32);
    return static_cast<std::int32_t>(sum);
}

[[gnu::always_inline]] inline void CheckIndex(long long index, long long lo, long long hi)
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

// A cell of a SizedGrid (below) and its four neighbours, read around the cell.
template <typename Item>
class CellAround {
public:
    CellAround(Item* cell, std::ptrdiff_t column) : cell_(cell), column_(column) {}
    // The cell dx columns and dy rows away, each of them -1, 0 or +1.
    [[gnu::always_inline]] Item& operator()(int dx, int dy) const
    {
        CheckIndex(dx, -1, 1);
        CheckIndex(dy, -1, 1);
        return cell_[dx * column_ + dy];
    }

private:
    Item* cell_;
    std::ptrdiff_t column_;
};

// A two-dimensional array whose bounds are chosen when it is made: x from -1 to width and y
// from -1 to height, so that every cell of a width x height square has four neighbours
// inside it. Laid out column by column, as the loops over it run.
template <typename T>
class SizedGrid {
public:
    SizedGrid(int width, int height)
        : width_(width), height_(height),
          items_(static_cast<std::size_t>(width + 2) * static_cast<std::size_t>(height + 2))
    {
    }

    [[gnu::always_inline]] T& operator()(long long x, long long y)
    {
        CheckIndex(x, -1, width_);
        CheckIndex(y, -1, height_);
        return items_[Offset(x, y)];
    }
    [[gnu::always_inline]] const T& operator()(long long x, long long y) const
    {
        CheckIndex(x, -1, width_);
        CheckIndex(y, -1, height_);
        return items_[Offset(x, y)];
    }

    // The cell (x, y) of the square, checked to lie in it, and its four neighbours: a loop that
    // reads a drawn cell and the cells around it checks the cell once, since every neighbour of
    // a cell of the square lies within the border ring.
    [[gnu::always_inline]] CellAround<T> Around(long long x, long long y)
    {
        CheckIndex(x, 0, width_ - 1);
        CheckIndex(y, 0, height_ - 1);
        return {&items_[Offset(x, y)], height_ + 2};
    }
    [[gnu::always_inline]] CellAround<const T> Around(long long x, long long y) const
    {
        CheckIndex(x, 0, width_ - 1);
        CheckIndex(y, 0, height_ - 1);
        return {&items_[Offset(x, y)], height_ + 2};
    }

    // Column x from y = -1 to y = height, entry y + 1 for row y: the column checked once, for a
    // check that reads every cell.
    std::span<const T> Column(long long x) const
    {
        CheckIndex(x, -1, width_);
        return std::span<const T>(items_).subspan(Offset(x, -1), static_cast<std::size_t>(height_) + 2);
    }
    std::span<T> Column(long long x)
    {
        CheckIndex(x, -1, width_);
        return std::span<T>(items_).subspan(Offset(x, -1), static_cast<std::size_t>(height_) + 2);
    }

    friend bool operator==(const SizedGrid&, const SizedGrid&) = default;

private:
    std::size_t Offset(long long x, long long y) const
    {
        return static_cast<std::size_t>(x + 1) * static_cast<std::size_t>(height_ + 2) + static_cast<std::size_t>(y + 1);
    }
    int width_;
    int height_;
    std::vector<T> items_;
};

// A one-dimensional array with inclusive bounds 0..last chosen when it is made.
template <typename T>
class SizedArray {
public:
    explicit SizedArray(int last) : items_(static_cast<std::size_t>(last) + 1) {}

    [[gnu::always_inline]] T& operator()(long long i)
    {
        CheckIndex(i, 0, Last());
        return items_[static_cast<std::size_t>(i)];
    }
    [[gnu::always_inline]] const T& operator()(long long i) const
    {
        CheckIndex(i, 0, Last());
        return items_[static_cast<std::size_t>(i)];
    }
    long long Last() const { return static_cast<long long>(items_.size()) - 1; }

    friend bool operator==(const SizedArray&, const SizedArray&) = default;

private:
    std::vector<T> items_;
};

}  // namespace tolvane
