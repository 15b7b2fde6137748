// The program's colours in Qt's terms.
#pragma once

#include <QColor>

#include "core/platform/surface/Surface.h"

namespace tolvane {

// 0x00BBGGRR to Qt's 0xAARRGGBB.
inline QRgb ToQRgb(Colour colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace tolvane
