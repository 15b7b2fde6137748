// Letters as outlines: the shapes every vector surface fills for S and G.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tolvane {

// The outline of `text` in `font`, made bold, as large as fits `square` and centred in it: no
// part of it lies outside the square.
// The outline of `text` in `font` with its baseline at the origin, widened all round by half of
// `width`, as one shape: a letter printed again `width` pixels over, as one.
const QPainterPath& WidenedText(const QFont& font, const QString& text, qreal width);

QPainterPath FittedText(const QFont& font, const QString& text, const QRectF& square);

}  // namespace tolvane
