// The command line: the options, what they ask for, and the messages for a wrong one.
#pragma once

#include <QStringList>

#include "qt/cli/parse/Options.h"

namespace tolvane {

// Parses `arguments` (the program's name first). Works before any application object exists,
// with the texts in English; once translations are installed it gives them translated.
Options ParseCommandLine(const QStringList& arguments);

// The toolkit's own options that stay in force: -platform and -display with their values.
QStringList ToolkitArguments(const QStringList& arguments);

}  // namespace tolvane
