// A maze's facts and how it was built, in the user's words: for the window, paper and --facts.
#pragma once

#include <QString>
#include <QStringList>

#include "core/generate/Algorithms.h"
#include "core/search/Texture.h"
#include "core/shape/ShapeChoice.h"

namespace tolvane {

// "Recursive backtracker", and one line on what its mazes feel like.
QString AlgorithmTitle(Algorithm algorithm);
QString AlgorithmFeel(Algorithm algorithm);

// "Wilson's algorithm, route laid first" / "Kruskal's algorithm, 30 % of dead ends opened into loops".
QString HowText(const BuildChoice& how);

// What shape of which size: "Circle, 10 rings", "Hexagons in a rectangle, 12 × 10", "Outline of
// the word HELLO".
QString ShapeTitle(const ShapeChoice& shape);

// One fact a line: the route and its share, the decisions and turns on it, the dead ends, the
// false branches, the longest path.
QStringList FactLines(const Texture& t);

// The same on one line, for a caption: "route 57 cells (13 %) · 9 decisions · 31 turns · longest
// false branch 12".
QString FactsSummary(const Texture& t);

}  // namespace tolvane
