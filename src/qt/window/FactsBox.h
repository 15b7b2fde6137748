// The facts of the maze shown, one key or click away.
#pragma once

#include <QString>
#include <QWidget>

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"

namespace tolvane {

// A message box with the maze's code, how it was built and its facts, one a line, which a
// screen reader reads out as it opens.
void ShowFacts(QWidget& parent, const MazeState& maze, const BuildChoice& how, const QString& code);

// The same text, for the box and its tests.
QString FactsText(const MazeState& maze, const BuildChoice& how, const QString& code);

}  // namespace tolvane
