// The window's font, which the captions and the S and G marks use wherever the maze is drawn.
#pragma once

#include <QFont>
#include <QStringList>

namespace tolvane {

// A Japanese face that is clean at this size.
QFont WindowFont();

}  // namespace tolvane
