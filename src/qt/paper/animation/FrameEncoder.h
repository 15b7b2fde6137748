// Where the animation writer hands its frames: one encoder for each file format.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <span>

namespace tolvane {

class FrameEncoder {
public:
    virtual ~FrameEncoder() = default;
    // One frame: the whole picture as it now is (Format_RGB32), the part of it that differs
    // from the frame before, when it starts and how long it stays, in milliseconds.
    virtual void Add(const QImage& picture, const QRect& changed, int startMs, int durationMs) = 0;
    // The finished file, or the reason it could not be made.
    virtual std::optional<QByteArray> Finish(QString& error) = 0;
};

// What an encoder keeps of the frames so far: `last` made the first picture, or its `changed`
// part brought up to `picture`.
inline void KeepFrame(QImage& last, const QImage& picture, const QRect& changed)
{
    if (last.isNull()) {
        last = picture.copy();
        return;
    }
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + changed.left(), changed.width(),
                    reinterpret_cast<QRgb*>(last.scanLine(y)) + changed.left());
}

// A GIF of `size` pixels that loops for ever, its palette `colours`: every colour the frames
// hold (another colour is given the nearest of them). Each frame is stored as the rectangle
// that changed, its pixels that did not change transparent.
std::unique_ptr<FrameEncoder> GifEncoder(QSize size, std::span<const QRgb> colours);

// A lossless animated WebP of `size` pixels that loops for ever; libwebp stores each frame as
// the rectangle that changed.
std::unique_ptr<FrameEncoder> WebpEncoder(QSize size);

}  // namespace tolvane
