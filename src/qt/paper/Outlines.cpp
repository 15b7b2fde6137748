// Masks from pictures and words.
#include "qt/paper/Outlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tolvane {
namespace {

constexpr int kWordPixels = 8;  // pixels a cell while a word is drawn

// Whether a pixel is dark once laid on white.
bool Dark(QRgb p)
{
    const int a = qAlpha(p);
    const auto onWhite = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
    return qGray(onWhite(qRed(p)), onWhite(qGreen(p)), onWhite(qBlue(p))) < 128;
}

std::optional<Mask> CellsOf(const QImage& image, int columns, int rows)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Mask mask{columns, rows, std::vector<std::uint8_t>(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0)};
    bool any = false;
    for (int y = 0; y < rows; ++y) {
        const int top = static_cast<int>(static_cast<long long>(y) * argb.height() / rows);
        const int bottom = std::max(top + 1, static_cast<int>(static_cast<long long>(y + 1) * argb.height() / rows));
        for (int x = 0; x < columns; ++x) {
            const int left = static_cast<int>(static_cast<long long>(x) * argb.width() / columns);
            const int right = std::max(left + 1, static_cast<int>(static_cast<long long>(x + 1) * argb.width() / columns));
            int dark = 0;
            for (int py = top; py < bottom; ++py) {
                const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(py));
                for (int px = left; px < right; ++px)
                    dark += Dark(line[px]);
            }
            if (2 * dark >= (bottom - top) * (right - left)) {
                mask.inside[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(x)] = 1;
                any = true;
            }
        }
    }
    return any ? std::optional(mask) : std::nullopt;
}

}  // namespace

std::optional<Mask> MaskFromPicture(const QImage& picture, int cellsAcross)
{
    if (picture.isNull() || picture.width() < 1)
        return std::nullopt;
    // The cells asked for, whatever the picture's own pixels: a small picture is scaled up, each
    // cell then taking the pixel under it. A picture far taller than wide keeps at most kMaxSide
    // rows, its columns fewer to match.
    int columns = cellsAcross;
    long long rows = std::max(1LL, std::llround(static_cast<double>(picture.height()) * columns / picture.width()));
    if (rows > kMaxSide) {
        rows = kMaxSide;
        columns = std::max(1, static_cast<int>(std::lround(static_cast<double>(picture.width()) * kMaxSide / picture.height())));
    }
    return CellsOf(picture, columns, static_cast<int>(rows));
}

bool HasDarkPixels(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), Dark))
            return true;
    }
    return false;
}

std::optional<Mask> MaskFromWord(const QString& word, int letterCells)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(100);
    const double capHeight = QFontMetricsF(font).capHeight();
    if (!(capHeight > 0))
        return std::nullopt;
    const int capPixels = letterCells * kWordPixels;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(100.0 * capPixels / capHeight))));
    const QFontMetricsF metrics(font);
    for (const QChar c : word)
        if (!metrics.inFont(c))
            return std::nullopt;
    const int bar = std::max(1, letterCells / 6) * kWordPixels;
    const int margin = kWordPixels;
    const QRectF ink = metrics.tightBoundingRect(word);
    if (ink.isEmpty())
        return std::nullopt;
    const auto wholeCells = [](int pixels) { return (pixels + kWordPixels - 1) / kWordPixels * kWordPixels; };
    const int width = wholeCells(static_cast<int>(std::ceil(ink.width())) + 2 * margin);
    const int height = wholeCells(capPixels + bar + 2 * margin);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const qreal baseline = margin + capPixels;
        painter.drawText(QPointF(margin - ink.left(), baseline), word);
        painter.fillRect(QRectF(margin, baseline - kWordPixels / 2.0, ink.width(), bar + kWordPixels / 2.0), Qt::black);
    }
    return CellsOf(image, width / kWordPixels, height / kWordPixels);
}

std::optional<Shape> ShapeOfChoice(const ShapeChoice& asked)
{
    if (asked.kind != ShapeKind::Outline)
        return MakeShape(asked);
    if (asked.word.empty())
        return std::nullopt;
    const std::optional<Mask> mask = MaskFromWord(QString::fromStdString(asked.word), asked.size.width);
    return mask ? MaskShape(*mask) : std::nullopt;
}

std::optional<int> WordHeightFor(const QString& word, long long cells)
{
    // Cells at a height (0 when the font draws nothing); they grow with the letters.
    const auto cellsAt = [&word](int height) -> long long {
        const std::optional<Mask> mask = MaskFromWord(word, height);
        const std::optional<Shape> shape = mask ? MaskShape(*mask) : std::nullopt;
        return shape ? shape->graph.CellCount() : 0;
    };
    const SizeRange range = RangeOf(ShapeKind::Outline);
    if (cellsAt(range.least) == 0)
        return std::nullopt;
    // The lowest height with at least `cells`, then it or the one below, whichever is nearer.
    // Heights are tried from the least, doubling, before halving: the cells grow as the square of
    // the height, and an outline 100 cells tall costs far more to build than the few wanted.
    int low = range.least, high = range.least;
    while (high < range.most && cellsAt(high) < cells) {
        low = high + 1;
        high = std::min(2 * high, range.most);
    }
    while (low < high) {
        const int middle = (low + high) / 2;
        if (cellsAt(middle) >= cells)
            high = middle;
        else
            low = middle + 1;
    }
    if (low > range.least && cells - cellsAt(low - 1) < cellsAt(low) - cells)
        return low - 1;
    return low;
}

}  // namespace tolvane
