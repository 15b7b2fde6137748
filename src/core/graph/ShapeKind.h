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
};

// In the order of ShapeKind.
inline constexpr std::array<ShapeInfo, 7> kShapes{{
    {ShapeKind::Rectangle, "rectangle", 'R', true},
    {ShapeKind::Circle, "circle", 'C', false},
    {ShapeKind::Hexagon, "hexagon", 'H', false},
    {ShapeKind::HexagonRectangle, "hexagon-rectangle", 'E', true},
    {ShapeKind::Triangle, "triangle", 'T', false},
    {ShapeKind::TriangleRectangle, "triangle-rectangle", 'A', true},
    {ShapeKind::Outline, "outline", 'W', false},
}};

inline const ShapeInfo& InfoOf(ShapeKind s) { return kShapes[static_cast<std::size_t>(s)]; }

}  // namespace tolvane
