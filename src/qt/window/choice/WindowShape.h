// The shape of a maze as the window makes it: the built-in shapes, and a word's outline in the window's font.
#pragma once

#include <QString>
#include <optional>

#include "core/code/Recipe.h"
#include "core/shape/ShapeChoice.h"

namespace tolvane {

// The shape `choice` names, or why the window cannot show it: a word with no letters in the
// font, or a picture more than kLargestWindowSide cells across (three pixels a cell in the
// window's square). A rectangle has no shape here (the classic state draws it); only its size
// is checked.
struct WindowShape {
    std::optional<Shape> shape;
    QString problem;  // empty when the window can show the maze
};
WindowShape MakeWindowShape(const ShapeChoice& choice);

// Why the window cannot show the maze of `recipe`, or nothing.
std::optional<QString> WindowProblem(const Recipe& recipe);

}  // namespace tolvane
