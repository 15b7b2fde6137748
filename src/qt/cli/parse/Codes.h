// The maze codes --maze names, read into recipes.
#pragma once

#include <QString>
#include <variant>
#include <vector>

#include "core/code/Recipe.h"
#include "qt/cli/parse/Options.h"

namespace tolvane {

// The codes --maze names: one, several parted by commas or white space, or "@FILE" for the
// codes in a file, one a line; each any code there is, of any way to build and any shape. A code
// may itself hold spaces ("3F7KQ M2XWA"): a piece between commas is one code when it reads as one.
// With `firstRelease`, a sized code that names no maze today is read as the first release read it.
// A code that is none, or a file that cannot be read, gives the error to report instead.
std::variant<std::vector<Recipe>, Options> ReadCodes(const QString& given, bool firstRelease);

}  // namespace tolvane
