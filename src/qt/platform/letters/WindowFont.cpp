// The window's font.
#include "qt/platform/letters/WindowFont.h"

#include "qt/platform/Desktop.h"

namespace tolvane {

QFont WindowFont()
{
    QFont font;
    font.setFamilies(JapaneseFaces());
    font.setPixelSize(12);
    return font;
}

}  // namespace tolvane
