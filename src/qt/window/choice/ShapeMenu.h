// The maze menu's Shape submenu: the rectangle, the built-in shapes at a few sizes, a word's outline.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/shape/ShapeChoice.h"

namespace tolvane {

// The shapes the menu offers besides the rectangle (of the Size menu's size) and a word.
struct OfferedShape {
    ShapeKind kind;
    MazeSize size;
    ShapeChoice Choice() const { return {kind, size, {}}; }
};
inline constexpr OfferedShape kOfferedShapes[] = {
    {ShapeKind::Circle, {6, 6}},
    {ShapeKind::Circle, {10, 10}},
    {ShapeKind::Circle, {16, 16}},
    {ShapeKind::Hexagon, {5, 5}},
    {ShapeKind::Hexagon, {8, 8}},
    {ShapeKind::Hexagon, {12, 12}},
    {ShapeKind::HexagonRectangle, {12, 10}},
    {ShapeKind::HexagonRectangle, {20, 16}},
    {ShapeKind::Triangle, {8, 8}},
    {ShapeKind::Triangle, {12, 12}},
    {ShapeKind::Triangle, {20, 20}},
    {ShapeKind::TriangleRectangle, {16, 8}},
    {ShapeKind::TriangleRectangle, {30, 15}},
};
// A word's letters are this many cells tall in the window.
inline constexpr int kWordLetterCells = 12;

class ShapeMenu final : public QMenu {
public:
    // `choose` runs when the user picks a shape, also the one shown; `askWord` asks for the word
    // of an outline (nothing when cancelled).
    using WordAsker = std::function<std::optional<QString>()>;
    ShapeMenu(QWidget& parent, std::function<void(ShapeChoice)> choose, WordAsker askWord);

    // Ticks the entry of `shown`: the rectangle at any size, a word's outline for any word, a
    // shape only at the size it has on the menu.
    void Show(const ShapeChoice& shown);

private:
    QActionGroup group_{this};
    QAction* rectangle_ = nullptr;
    QAction* word_ = nullptr;
    std::vector<QAction*> offered_;  // in the order of kOfferedShapes
    ShapeChoice shown_;
};

// The shape kept from the last run, and keeping it for the next.
std::optional<ShapeChoice> RememberedShape();
void RememberShape(const ShapeChoice& shape);

// A word of 1 to kLongestWord letters A to Z, in capitals, or nothing. White space around it and
// full-width letters are read as in a code.
std::optional<std::string> OutlineWord(const QString& text);

}  // namespace tolvane
