// Printing one maze.
#include "qt/paper/Printing.h"

#include <QPainter>

#include "qt/paper/Pictures.h"
#include "qt/paper/ShapePictures.h"

namespace tolvane {

bool PrintSheet(QPrinter& printer, const Sheet& sheet)
{
    // The same margins as a saved PDF, whatever the printer's own minimum is.
    printer.setPageMargins(kPaperMargins, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintPage(painter, page, *sheet.maze, sheet.answer, SheetCaption(sheet), sheet.play);
    return painter.end();
}

bool PrintShapeSheet(QPrinter& printer, const ShapeSheet& sheet)
{
    printer.setPageMargins(kPaperMargins, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const ShapeMaze& maze = *sheet.maze;
    PaintPageAround(painter, page, ShapePictureSize(maze.shape, 1), ShapeCaption(sheet),
                    [&](const QRectF& picture) { PaintShapePicture(painter, picture, maze, sheet.answer, sheet.game); });
    return painter.end();
}

}  // namespace tolvane
