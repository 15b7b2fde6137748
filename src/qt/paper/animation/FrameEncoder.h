// Where the animation writer hands its frames: one encoder for each file format.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
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

// A GIF of `size` pixels that loops for ever, its palette `colours`: every colour the frames
// hold (another colour is given the nearest of them). Each frame is stored as the rectangle
// that changed, its pixels that did not change transparent.
std::unique_ptr<FrameEncoder> GifEncoder(QSize size, std::span<const QRgb> colours);

// A lossless animated WebP of `size` pixels that loops for ever; libwebp stores each frame as
// the rectangle that changed.
std::unique_ptr<FrameEncoder> WebpEncoder(QSize size);

}  // namespace tolvane
