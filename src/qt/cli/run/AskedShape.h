// The shape the command line asks for, made once for every command that draws one.
#pragma once

#include <QString>
#include <optional>

#include "core/shape/Shape.h"
#include "qt/cli/CommandLine.h"

namespace tolvane {

// The shape `options` asks for (--shape, --text, --mask or a shape's code), or, in `error`, why
// it cannot be made: a picture's fault named in one line.
std::optional<Shape> AskedShape(const Options& options, QString& error);

}  // namespace tolvane
