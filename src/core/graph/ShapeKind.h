// The kinds of shape a maze can have, by name and by their letter in a code.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tolvane {

// Outline: square cells inside an outline, from a word's letters or a picture's dark pixels.
enum class ShapeKind : std::uint8_t { Rectangle, Circle, Hexagon, HexagonRectangle, Triangle, TriangleRectangle, Outline };

struct ShapeInfo {
    ShapeKind id;
    std::string_view name;
    char letter;   // its letter in a code: never X (the size's "x"), Z, I, L, O, U or a digit
    bool twoSides; // the size is "WxH"; otherwise one number, kept in both sides
    int least;     // the size's bounds, both included: rings, cells a side, a rectangle's
    int most;      // sides, a word's letter height in cells
};

// In the order of ShapeKind.
inline constexpr std::array<ShapeInfo, 7> kShapes{{
    {ShapeKind::Rectangle, "rectangle", 'R', true, 2, 1001},
    {ShapeKind::Circle, "circle", 'C', false, 2, 1000},
    {ShapeKind::Hexagon, "hexagon", 'H', false, 2, 600},  // about as many cells as 1001 x 1001
    {ShapeKind::HexagonRectangle, "hexagon-rectangle", 'E', true, 2, 1001},
    {ShapeKind::Triangle, "triangle", 'T', false, 2, 1001},
    {ShapeKind::TriangleRectangle, "triangle-rectangle", 'A', true, 2, 1001},
    {ShapeKind::Outline, "outline", 'W', false, 5, 200},
}};

inline const ShapeInfo& InfoOf(ShapeKind s) { return kShapes[static_cast<std::size_t>(s)]; }

// Whether `kind` takes a size of `width` x `height` (one number: both the same).
constexpr bool SizeFits(ShapeKind kind, int width, int height)
{
    const ShapeInfo& s = kShapes[static_cast<std::size_t>(kind)];
    const auto in = [&s](int side) { return side >= s.least && side <= s.most; };
    return in(width) && in(height) && (s.twoSides || width == height);
}

// The longest word an outline's code carries.
inline constexpr int kLongestWord = 40;

}  // namespace tolvane
