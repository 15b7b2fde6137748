// Animated WebP through libwebp: each frame encoded alone as the rectangle that changed, the
// frames put together by libwebp's muxer.
#include <webp/encode.h>
#include <webp/mux.h>

#include <QCoreApplication>
#include <algorithm>

#include "qt/paper/animation/FrameEncoder.h"

namespace tolvane {
namespace {

// libwebp's animation encoder (WebPAnimEncoder) takes whole pictures and works out for itself
// what changed, copying and comparing the whole canvas several times a frame: most of the time
// a long animation took. The writer already knows the rectangle that changed, so each frame is
// that rectangle alone, its unchanged pixels transparent and blended over the frame before, as
// the GIF's are.
class Webp final : public FrameEncoder {
public:
    explicit Webp(QSize size) : size_(size)
    {
        if (!WebPConfigInit(&config_)) {
            error_ = QStringLiteral("libwebp version mismatch");
            return;
        }
        config_.lossless = 1;
        config_.method = 0;    // the fastest: the frames are small and flat
        config_.quality = 25;  // lossless: the effort spent compressing
        mux_ = WebPMuxNew();
        if (mux_ == nullptr || WebPMuxSetCanvasSize(mux_, size.width(), size.height()) != WEBP_MUX_OK)
            error_ = QCoreApplication::translate("Animation", "the WebP encoder could not start");
    }

    ~Webp() override
    {
        if (mux_ != nullptr)
            WebPMuxDelete(mux_);
    }

    void Add(const QImage& picture, const QRect& changed, int /*startMs*/, int durationMs) override
    {
        if (mux_ == nullptr || !error_.isEmpty() || changed.isEmpty())
            return;
        const bool first = last_.isNull();
        // A frame starts on even pixels: the rectangle grows by one to the left or up when needed.
        QRect r = changed;
        r.setLeft(r.left() & ~1);
        r.setTop(r.top() & ~1);
        WebPPicture frame;
        if (!WebPPictureInit(&frame))
            return Fail();
        frame.use_argb = 1;
        frame.width = r.width();
        frame.height = r.height();
        if (!WebPPictureAlloc(&frame))
            return Fail();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* now = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            const auto* before = first ? nullptr : reinterpret_cast<const QRgb*>(last_.constScanLine(y));
            std::uint32_t* out = frame.argb + static_cast<std::ptrdiff_t>(y - r.top()) * frame.argb_stride;
            for (int x = r.left(); x <= r.right(); ++x)
                out[x - r.left()] = before != nullptr && before[x] == now[x] ? 0u : (now[x] | 0xFF000000u);
        }
        WebPMemoryWriter writer;
        WebPMemoryWriterInit(&writer);
        frame.writer = WebPMemoryWrite;
        frame.custom_ptr = &writer;
        bool ok = WebPEncode(&config_, &frame) != 0;
        WebPPictureFree(&frame);
        if (ok) {
            WebPMuxFrameInfo info{};
            info.bitstream = {writer.mem, writer.size};
            info.x_offset = r.x();
            info.y_offset = r.y();
            info.duration = durationMs;
            info.id = WEBP_CHUNK_ANMF;
            info.dispose_method = WEBP_MUX_DISPOSE_NONE;
            info.blend_method = first ? WEBP_MUX_NO_BLEND : WEBP_MUX_BLEND;
            ok = WebPMuxPushFrame(mux_, &info, 1) == WEBP_MUX_OK;
        }
        WebPMemoryWriterClear(&writer);
        if (!ok)
            return Fail();
        KeepFrame(last_, picture, changed);
    }

    std::optional<QByteArray> Finish(QString& error) override
    {
        WebPData data;
        WebPDataInit(&data);
        const WebPMuxAnimParams params{0xFFFFFFFF, 0};  // a white background, looping for ever
        if (error_.isEmpty() && (WebPMuxSetAnimationParams(mux_, &params) != WEBP_MUX_OK || WebPMuxAssemble(mux_, &data) != WEBP_MUX_OK))
            Fail();
        if (!error_.isEmpty()) {
            WebPDataClear(&data);
            error = error_;
            return std::nullopt;
        }
        QByteArray out(reinterpret_cast<const char*>(data.bytes), static_cast<qsizetype>(data.size));
        WebPDataClear(&data);
        return out;
    }

private:
    void Fail()
    {
        if (error_.isEmpty())
            error_ = QCoreApplication::translate("Animation", "the WebP could not be made: %1").arg(QStringLiteral("libwebp"));
    }

    QSize size_;
    WebPConfig config_{};
    WebPMux* mux_ = nullptr;
    QImage last_;  // the picture as the frames so far show it
    QString error_;
};

}  // namespace

std::unique_ptr<FrameEncoder> WebpEncoder(QSize size) { return std::make_unique<Webp>(size); }

}  // namespace tolvane
