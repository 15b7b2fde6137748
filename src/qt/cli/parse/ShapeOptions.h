// --shape, --mask and --text with their --size, level and route, and the route such a maze can have.
#pragma once

#include <QString>
#include <optional>

#include "core/graph/MazeGraph.h"
#include "qt/cli/parse/OptionTable.h"
#include "qt/cli/parse/Options.h"

namespace tolvane {

// --shape, --mask and --text with their --size, into `o`; an error, or nothing.
std::optional<Options> ParseShapeOptions(const OptionTable& p, Options& o);

// The route a maze of another shape is to have, in cells, from --route or --hard against the
// shape's graph; or the reason it cannot: a route out of the graph's range (see RouteRangeOf).
// Nothing asked for: 0.
struct ShapeRoute {
    int cells = 0;
    QString problem;
};
ShapeRoute RouteOnShape(const Options& options, const MazeGraph& graph);

}  // namespace tolvane
