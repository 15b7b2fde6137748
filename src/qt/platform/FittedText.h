// Text fitted to a square: the outline both surfaces fill for a mark sized to its cell.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tolvane {

// The outline of `text` in `font`, made bold, as large as fits `square` and centred in it: no
// part of it lies outside the square.
QPainterPath FittedText(const QFont& font, const QString& text, const QRectF& square);

}  // namespace tolvane
