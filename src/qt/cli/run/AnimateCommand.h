// `Tolvane --animate`: writes an animation of a maze and ends, with no window and no display.
#pragma once

#include "qt/cli/CommandLine.h"

namespace tolvane {

// Writes what `options` asks for; prints a one-line reason on failure. Returns the exit status.
int RunAnimate(const Options& options);

}  // namespace tolvane
