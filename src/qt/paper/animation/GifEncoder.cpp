// Animated GIF through giflib.
#include <gif_lib.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

#include "qt/paper/animation/FrameEncoder.h"

namespace tolvane {
namespace {

int Append(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

class Gif final : public FrameEncoder {
public:
    Gif(QSize size, std::span<const QRgb> colours) : size_(size), colours_(colours.begin(), colours.end())
    {
        // The palette's last entry is the transparent one; a GIF's palette has 2^n entries.
        bits_ = 1;
        while ((1 << bits_) < static_cast<int>(colours_.size()) + 1)
            ++bits_;
        transparent_ = (1 << bits_) - 1;
        int error = 0;
        gif_ = EGifOpen(&out_, Append, &error);
        if (gif_ == nullptr) {
            Fail(error);
            return;
        }
        EGifSetGifVersion(gif_, true);
        std::vector<GifColorType> palette(static_cast<std::size_t>(1) << bits_, GifColorType{255, 255, 255});
        for (std::size_t i = 0; i < colours_.size(); ++i)
            palette[i] = {static_cast<GifByteType>(qRed(colours_[i])), static_cast<GifByteType>(qGreen(colours_[i])),
                          static_cast<GifByteType>(qBlue(colours_[i]))};
        ColorMapObject* map = GifMakeMapObject(1 << bits_, palette.data());
        const bool ok = map != nullptr && EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, map) == GIF_OK;
        GifFreeMapObject(map);
        if (!ok) {
            Fail(gif_->Error);
            return;
        }
        // Loops for ever: the application extension every viewer reads.
        const GifByteType loop[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
            EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0") != GIF_OK || EGifPutExtensionBlock(gif_, 3, loop) != GIF_OK ||
            EGifPutExtensionTrailer(gif_) != GIF_OK)
            Fail(gif_->Error);
    }

    ~Gif() override
    {
        if (gif_ != nullptr)
            EGifCloseFile(gif_, nullptr);
    }

    void Add(const QImage& picture, const QRect& changed, int startMs, int durationMs) override
    {
        if (gif_ == nullptr || changed.isEmpty())
            return;
        // Delays are whole hundredths; rounding the ends, not each delay, keeps the pace exact.
        const int delay = std::max(1, Hundredths(startMs + durationMs) - Hundredths(startMs));
        const bool first = last_.isNull();
        GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, first ? NO_TRANSPARENT_COLOR : transparent_};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_OK ||
            EGifPutImageDesc(gif_, changed.x(), changed.y(), changed.width(), changed.height(), false, nullptr) != GIF_OK)
            return Fail(gif_->Error);
        row_.resize(static_cast<std::size_t>(changed.width()));
        for (int y = changed.top(); y <= changed.bottom(); ++y) {
            const auto* now = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            const auto* before = first ? nullptr : reinterpret_cast<const QRgb*>(last_.constScanLine(y));
            for (int x = changed.left(); x <= changed.right(); ++x)
                row_[static_cast<std::size_t>(x - changed.left())] =
                    before != nullptr && before[x] == now[x] ? static_cast<GifByteType>(transparent_) : Index(now[x]);
            if (EGifPutLine(gif_, row_.data(), changed.width()) != GIF_OK)
                return Fail(gif_->Error);
        }
        KeepFrame(last_, picture, changed);
    }

    std::optional<QByteArray> Finish(QString& error) override
    {
        if (gif_ != nullptr) {
            int code = 0;
            const int result = EGifCloseFile(gif_, &code);
            gif_ = nullptr;
            if (result != GIF_OK && error_.isEmpty())
                error_ = QString::fromUtf8(GifErrorString(code));
        }
        if (!error_.isEmpty()) {
            error = error_;
            return std::nullopt;
        }
        return out_;
    }

private:
    static int Hundredths(int ms) { return static_cast<int>(std::lround(ms / 10.0)); }

    GifByteType Index(QRgb colour)
    {
        colour |= 0xFF000000u;
        if (colour == lastColour_)
            return lastIndex_;
        std::size_t best = 0;
        int bestDistance = -1;
        for (std::size_t i = 0; i < colours_.size(); ++i) {
            const QRgb c = colours_[i] | 0xFF000000u;
            const int d = std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                          std::abs(qBlue(c) - qBlue(colour));
            if (bestDistance < 0 || d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        lastColour_ = colour;
        lastIndex_ = static_cast<GifByteType>(best);
        return lastIndex_;
    }

    void Fail(int code)
    {
        if (error_.isEmpty())
            error_ = QCoreApplication::translate("Animation", "the GIF could not be made: %1").arg(QString::fromUtf8(GifErrorString(code)));
        if (gif_ != nullptr)
            EGifCloseFile(gif_, nullptr);
        gif_ = nullptr;
    }

    QSize size_;
    std::vector<QRgb> colours_;
    int bits_ = 1;
    int transparent_ = 1;
    GifFileType* gif_ = nullptr;
    QByteArray out_;
    QImage last_;  // the picture as the frames so far leave it
    std::vector<GifByteType> row_;
    QRgb lastColour_ = 0;
    GifByteType lastIndex_ = 0;
    QString error_;
};

}  // namespace

std::unique_ptr<FrameEncoder> GifEncoder(QSize size, std::span<const QRgb> colours)
{
    return std::make_unique<Gif>(size, colours);
}

}  // namespace tolvane
