// Each command's own options, read once the options every command shares are: the window,
// --export, --animate and --facts without --export.
#pragma once

#include "qt/cli/parse/OptionTable.h"
#include "qt/cli/parse/Options.h"

namespace tolvane {

// Each gives `o` completed for its command, or the error to report.

// No command: the window, with the maze --maze names.
Options ParseWindow(const OptionTable& p, Options o);

// --export: a file of mazes, a worksheet or a poster.
Options ParseExport(const OptionTable& p, Options o);

// --animate: a maze (by code, or new of a size or shape), what to watch and the pace.
Options ParseAnimate(const OptionTable& p, Options o);

// --facts without --export: the facts of the maze --maze names or a new one, printed.
Options ParseFacts(const OptionTable& p, Options o);

}  // namespace tolvane
