// Text fitted to a square.
#include "qt/platform/letters/FittedText.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace tolvane {
namespace {

constexpr int kReferencePixels = 100;  // the size the outline is made at, then scaled
constexpr qreal kBoldness = 0.05;      // the stroke added all round, of the reference size

// The bold outline at the reference size; a picture prints the same two letters over and over.
const QPainterPath& Outline(const QFont& font, const QString& text)
{
    static std::map<std::pair<QString, QString>, QPainterPath> made;
    const auto key = std::pair(font.key(), text);
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    QFont reference = font;
    reference.setPixelSize(kReferencePixels);
    QPainterPath outline;
    outline.addText(QPointF(0, 0), reference, text);
    QPainterPathStroker stroker;
    stroker.setWidth(kReferencePixels * kBoldness);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    outline = outline.united(stroker.createStroke(outline)).simplified();
    return made.emplace(key, outline).first->second;
}

}  // namespace

const QPainterPath& WidenedText(const QFont& font, const QString& text, qreal width)
{
    static std::map<std::tuple<QString, QString, qreal>, QPainterPath> made;
    const auto key = std::tuple(font.key(), text, width);
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    QPainterPath outline;
    outline.addText(QPointF(0, 0), font, text);
    if (width > 0) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::SquareCap);
        stroker.setJoinStyle(Qt::MiterJoin);
        outline = outline.united(stroker.createStroke(outline));
    }
    return made.emplace(key, outline).first->second;
}

QPainterPath FittedText(const QFont& font, const QString& text, const QRectF& square)
{
    const QPainterPath& outline = Outline(font, text);
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty() || square.isEmpty())
        return {};
    const qreal scale = std::min(square.width() / ink.width(), square.height() / ink.height());
    QTransform fit;
    fit.translate(square.center().x(), square.center().y());
    fit.scale(scale, scale);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(outline);
}

}  // namespace tolvane
