// The facts of the maze shown, one key or click away.
#pragma once

#include <QString>
#include <QWidget>

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"
#include "core/shape/ShapeChoice.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {

// A message box with the maze's code, how it was built and its facts, one a line, which a
// screen reader reads out as it opens.
void ShowFacts(QWidget& parent, const MazeState& maze, const BuildChoice& how, const QString& code);

// The same text, for the box and its tests.
QString FactsText(const MazeState& maze, const BuildChoice& how, const QString& code);

// The text of a maze of another shape: what shape, its cells, where S and G are, how it was
// built and its facts.
QString ShapeFactsText(const ShapeMaze& maze, const ShapeChoice& shape, const BuildChoice& how, const QString& code);

// The box with any such text.
void ShowFactsText(QWidget& parent, const QString& text);

}  // namespace tolvane
