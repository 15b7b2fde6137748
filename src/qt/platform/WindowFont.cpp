// The window's font.
#include "qt/platform/WindowFont.h"

namespace tolvane {

QFont WindowFont()
{
    QFont font;
    font.setFamilies({"VL Gothic", "IPAGothic", "Noto Sans CJK JP", "Droid Sans Fallback"});
    font.setPixelSize(12);
    return font;
}

}  // namespace tolvane
