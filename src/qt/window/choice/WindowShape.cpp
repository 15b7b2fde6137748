// Shapes for the window.
#include "qt/window/choice/WindowShape.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/shape/make/Mask.h"
#include "qt/paper/Outlines.h"
#include "qt/window/choice/SizeMenu.h"

namespace tolvane {

WindowShape MakeWindowShape(const ShapeChoice& choice)
{
    const QString tooBig = QCoreApplication::translate("WindowShape", "The window shows mazes of up to %1 cells across; write "
                                                                      "this one to a file with tolvane --export.")
                               .arg(kLargestWindowSide);
    WindowShape made;
    // Every shape is at least as many cells across as its size says: bigger ones are refused
    // before they are made.
    if (std::max(choice.size.width, choice.size.height) > kLargestWindowSide) {
        made.problem = tooBig;
        return made;
    }
    if (choice.kind == ShapeKind::Rectangle)
        return made;
    if (!InRange(choice)) {
        made.problem = QCoreApplication::translate("WindowShape", "No maze of this shape has that size.");
        return made;
    }
    if (choice.kind == ShapeKind::Outline) {
        const auto mask = MaskFromWord(QString::fromStdString(choice.word), choice.size.width);
        made.shape = mask ? MaskShape(*mask) : std::nullopt;
        if (!made.shape || made.shape->graph.CellCount() < 2) {
            made.shape.reset();
            made.problem = QCoreApplication::translate("WindowShape", "The font has no letters for %1.")
                               .arg(QString::fromStdString(choice.word));
            return made;
        }
    } else {
        made.shape = MakeShape(choice);
    }
    if (std::ceil(std::max(made.shape->width, made.shape->height)) > kLargestWindowSide) {
        made.shape.reset();
        made.problem = tooBig;
    }
    return made;
}

std::optional<QString> WindowProblem(const Recipe& recipe)
{
    const QString problem = MakeWindowShape({recipe.shape, recipe.size, recipe.word}).problem;
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

}  // namespace tolvane
