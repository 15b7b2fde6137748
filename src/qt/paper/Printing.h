// Printing one maze on one page.
#pragma once

#include <QPrinter>

#include "qt/paper/Export.h"

namespace tolvane {

// The maze centred on the page and as large as it allows, its code under it. False when the
// printer could not be started.
bool PrintSheet(QPrinter& printer, const Sheet& sheet);
// The same for a maze of any shape, its caption under it.
bool PrintShapeSheet(QPrinter& printer, const ShapeSheet& sheet);

}  // namespace tolvane
