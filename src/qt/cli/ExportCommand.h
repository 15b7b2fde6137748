// `Tolvane --export`: writes mazes to a file and ends, with no window and no display.
#pragma once

#include <QString>
#include <optional>

#include "core/shape/Shape.h"
#include "qt/cli/CommandLine.h"

namespace tolvane {

// Writes what `options` asks for; prints a one-line reason on failure. Returns the exit status.
int RunExport(const Options& options);

// The shape `options` asks for (--shape, --text, --mask or a shape's code), or, in `error`, why
// it cannot be made.
std::optional<Shape> AskedShape(const Options& options, QString& error);

// `Tolvane --facts` without --export: prints the facts of the maze `options` names or builds.
int RunFacts(const Options& options);

}  // namespace tolvane
