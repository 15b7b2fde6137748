// Animated WebP through libwebp's animation encoder.
#include <webp/encode.h>
#include <webp/mux.h>

#include <QCoreApplication>

#include "qt/paper/animation/FrameEncoder.h"

namespace tolvane {
namespace {

class Webp final : public FrameEncoder {
public:
    explicit Webp(QSize size) : size_(size)
    {
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config_)) {
            error_ = QStringLiteral("libwebp version mismatch");
            return;
        }
        options.anim_params.loop_count = 0;  // for ever
        options.anim_params.bgcolor = 0xFFFFFFFF;
        config_.lossless = 1;
        config_.method = 0;     // the fastest: the frames are small and flat
        config_.quality = 25;  // lossless: the effort spent compressing
        encoder_ = WebPAnimEncoderNew(size.width(), size.height(), &options);
        if (encoder_ == nullptr)
            error_ = QCoreApplication::translate("Animation", "the WebP encoder could not start");
    }

    ~Webp() override
    {
        if (encoder_ != nullptr)
            WebPAnimEncoderDelete(encoder_);
    }

    void Add(const QImage& picture, const QRect& changed, int startMs, int durationMs) override
    {
        if (encoder_ == nullptr || !error_.isEmpty() || changed.isEmpty())
            return;
        end_ = startMs + durationMs;
        WebPPicture frame;
        if (!WebPPictureInit(&frame))
            return Fail();
        frame.use_argb = 1;
        frame.width = size_.width();
        frame.height = size_.height();
        // Format_RGB32 is 0xFFRRGGBB: B, G, R, X in memory on little-endian machines.
        const bool ok = WebPPictureImportBGRX(&frame, picture.constBits(), static_cast<int>(picture.bytesPerLine())) &&
                        WebPAnimEncoderAdd(encoder_, &frame, startMs, &config_);
        WebPPictureFree(&frame);
        if (!ok)
            Fail();
    }

    std::optional<QByteArray> Finish(QString& error) override
    {
        if (error_.isEmpty() && !WebPAnimEncoderAdd(encoder_, nullptr, end_, nullptr))
            Fail();
        WebPData data;
        WebPDataInit(&data);
        if (error_.isEmpty() && !WebPAnimEncoderAssemble(encoder_, &data))
            Fail();
        if (!error_.isEmpty()) {
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
            error_ = QCoreApplication::translate("Animation", "the WebP could not be made: %1")
                         .arg(QString::fromUtf8(encoder_ ? WebPAnimEncoderGetError(encoder_) : ""));
    }

    QSize size_;
    WebPConfig config_{};
    WebPAnimEncoder* encoder_ = nullptr;
    int end_ = 0;
    QString error_;
};

}  // namespace

std::unique_ptr<FrameEncoder> WebpEncoder(QSize size) { return std::make_unique<Webp>(size); }

}  // namespace tolvane
