// Printing one maze.
#include "qt/paper/print/Printing.h"

#include <QPainter>

#include "qt/paper/Pictures.h"

namespace tolvane {

bool PrintSheet(QPrinter& printer, const Sheet& sheet)
{
    // The same margins as a saved PDF, whatever the printer's own minimum is.
    printer.setPageMargins(kPaperMargins, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintPage(painter, page, *sheet.maze, sheet.answer, PageCaption(sheet), sheet.game);
    return painter.end();
}

}  // namespace tolvane
