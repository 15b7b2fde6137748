// Printing one maze on one page.
#pragma once

#include <QPrinter>

#include "qt/paper/Export.h"

namespace tolvane {

// The maze centred on the page and as large as it allows, its caption under it. False when the
// printer could not be started.
bool PrintSheet(QPrinter& printer, const Sheet& sheet);

}  // namespace tolvane
