// The animation writer: steps into frames, frames into a file.
#include "qt/paper/animation/AnimationFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "qt/paper/Export.h"
#include "core/watch/ShapePlayer.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/animation/DirtySurface.h"
#include "qt/paper/animation/FrameEncoder.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/surface/PainterSurface.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/platform/letters/WindowFont.h"

namespace tolvane {
namespace {

constexpr int kFirstHoldMs = 500;
constexpr int kBeforeLastHoldMs = 1000;  // the search's last state, before the clean picture
constexpr int kLastHoldMs = 3000;

// The rectangle in which two pictures of one size differ, looking only within `within`
// (outside it they are the same); empty when they are the same.
QRect Changed(const QImage& before, const QImage& now, const QRect& within)
{
    if (within.isEmpty())
        return {};
    const int x0 = within.left();
    const auto rowBytes = static_cast<std::size_t>(within.width()) * 4;
    auto sameRow = [&](int y) { return std::memcmp(before.constScanLine(y) + x0 * 4, now.constScanLine(y) + x0 * 4, rowBytes) == 0; };
    int top = within.top();
    while (top <= within.bottom() && sameRow(top))
        ++top;
    if (top > within.bottom())
        return {};
    int bottom = within.bottom();
    while (sameRow(bottom))
        --bottom;
    int left = within.right() + 1;
    int right = x0 - 1;
    for (int y = top; y <= bottom; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
        int x = x0;
        while (x < left && a[x] == b[x])
            ++x;
        left = std::min(left, x);
        int r = within.right();
        while (r > right && a[r] == b[r])
            --r;
        right = std::max(right, r);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Frames as they come, each sent to the encoder once the next one differs from it, so that a
// frame that changes nothing only lengthens the one before.
class FrameQueue {
public:
    FrameQueue(FrameEncoder& encoder, const QImage& first, int holdMs)
        : encoder_(encoder), pending_(first.copy()), changed_(first.rect()), duration_(holdMs)
    {
    }

    // `now` differs from the last frame offered only within `within`.
    void Offer(const QImage& now, const QRect& within, int durationMs)
    {
        const QRect changed = Changed(pending_, now, within);
        if (changed.isEmpty()) {
            duration_ += durationMs;
            return;
        }
        encoder_.Add(pending_, changed_, start_, duration_);
        start_ += duration_;
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            std::memcpy(pending_.scanLine(y) + changed.left() * 4, now.constScanLine(y) + changed.left() * 4,
                        static_cast<std::size_t>(changed.width()) * 4);
        changed_ = changed;
        duration_ = durationMs;
    }

    void Lengthen(int ms) { duration_ += ms; }
    void Flush() { encoder_.Add(pending_, changed_, start_, duration_); }

private:
    FrameEncoder& encoder_;
    QImage pending_;
    QRect changed_;
    int start_ = 0;
    int duration_;
};

// Where the frames are painted: the window's backing image, or an image painted as a PNG file of
// a shape is; each frame read once all that waits has been painted.
class Canvas {
public:
    Canvas(QSize size, AnimationPixels pixels)
    {
        Surface* inner = nullptr;
        if (pixels == AnimationPixels::Window) {
            inner = &window_.emplace(size.width(), size.height(), WindowFont(), false);
        } else {
            image_ = QImage(size, QImage::Format_RGB32);
            image_.fill(Qt::white);
            painter_.emplace(&image_);
            inner = &paper_.emplace(*painter_, size, WindowFont());
        }
        dirty_.emplace(*inner, size);
    }

    DirtySurface& Drawing() { return *dirty_; }
    const QImage& Frame()
    {
        if (paper_)
            paper_->Finish();
        return window_ ? window_->image() : image_;
    }

private:
    QImage image_;
    std::optional<QPainter> painter_;
    std::optional<PainterSurface> paper_;
    std::optional<ImageSurface> window_;
    std::optional<DirtySurface> dirty_;
};

// The colours an animation draws: the fewer, the fewer bits each pixel takes.
std::vector<QRgb> Palette(const Animated& player)
{
    std::vector<QRgb> colours;
    for (Colour c : {kWhite, kBlack, kRed, kBlue})
        colours.push_back(ToQRgb(c));
    for (Colour c : player.Colours())
        colours.push_back(ToQRgb(c));
    return colours;
}

}  // namespace

std::optional<AnimationFormat> AnimationFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return AnimationFormat::Gif;
    if (suffix == QLatin1String("webp"))
        return AnimationFormat::Webp;
    return std::nullopt;
}

AnimationCanvas AnimationCanvasFor(MazeSize size)
{
    if (CellGeometry::For(size).cell >= kPaperCell)
        return {CellGeometry::For(size), kPictureSide};
    const int cell = CellGeometry::SquareFor(size, kPaperCell) + 1 <= kLargestAnimationSide ? kPaperCell : 2;
    const int side = CellGeometry::SquareFor(size, cell) + 1;
    return {CellGeometry::For(size, side - 1), side};
}

AnimationPace PaceFor(std::size_t steps, int paceMs, int seconds)
{
    // The steps' share of the length: the pauses aside, and a frame's worth kept for rounding.
    const int stepsMs = std::max(kLongestFrameMs, seconds * 1000 - kFirstHoldMs - kBeforeLastHoldMs - kLastHoldMs - kLongestFrameMs);
    const double stepMs = steps == 0 ? paceMs : std::min<double>(paceMs, static_cast<double>(stepsMs) / static_cast<double>(steps));
    const auto byLength = static_cast<std::size_t>(std::ceil(kShortestFrameMs / stepMs - 1e-9));
    const std::size_t byCount = (steps + kMostFrames - 1) / kMostFrames;
    const int perFrame = static_cast<int>(std::max<std::size_t>({1, byLength, byCount}));
    const int frameMs = std::clamp(static_cast<int>(std::floor(perFrame * stepMs + 1e-9)), kShortestFrameMs, kLongestFrameMs);
    return {perFrame, frameMs};
}

std::optional<QString> WriteAnimation(const QString& path, Animated& player, QSize size, int paceMs, AnimationPixels pixels,
                                      int seconds, Progress* progress)
{
    const auto format = AnimationFormatOf(path);
    if (!format)
        return QCoreApplication::translate("Animation", "%1: unknown file type; the name must end in .gif or .webp").arg(path);
    Canvas picture(size, pixels);
    DirtySurface& surface = picture.Drawing();
    const std::unique_ptr<FrameEncoder> encoder = *format == AnimationFormat::Gif ? GifEncoder(size, Palette(player)) : WebpEncoder(size);

    const AnimationPace pace = PaceFor(player.Count(), paceMs, seconds);
    player.DrawFirst(surface);
    surface.Take();
    FrameQueue frames(*encoder, picture.Frame(), kFirstHoldMs);
    const auto steps = static_cast<long long>(player.Count());
    long long done = 0;
    // The last frame may play fewer steps than the others and lasts only as long as they take,
    // so that the whole runs at the pace; but never under the shortest frame, the time that
    // takes over borrowed from the hold after it.
    int borrowed = 0;
    for (;;) {
        int played = 0;
        while (played < pace.stepsPerFrame && player.PlayStep(surface))
            ++played;
        if (played == 0)
            break;
        // A frame's steps take their share of its length: all of it, but for the last frame.
        const int due = static_cast<int>(static_cast<long long>(pace.frameMs) * played / pace.stepsPerFrame);
        const int ms = std::max(due, std::min(pace.frameMs, kShortestFrameMs));
        borrowed += ms - due;
        frames.Offer(picture.Frame(), surface.Take(), ms);
        done += played;
        if (progress && !progress->Reached(done, steps))
            return QCoreApplication::translate("Animation", "the animation was stopped; nothing was written");
    }
    if (player.HoldsLastStep()) {
        frames.Lengthen(kBeforeLastHoldMs - borrowed);
        borrowed = 0;
    }
    player.DrawLast(surface);
    frames.Offer(picture.Frame(), surface.Take(), kLastHoldMs - borrowed);
    frames.Flush();

    QString error;
    const auto bytes = encoder->Finish(error);
    if (!bytes)
        return error;
    if (bytes->size() > kLargestAnimationBytes)
        return QCoreApplication::translate("Animation", "the animation would take %1 MB, more than the %2 MB allowed; "
                                                        "choose a smaller maze or a faster pace")
            .arg(bytes->size() >> 20)
            .arg(kLargestAnimationBytes >> 20);
    return WriteWholeFile(path, *bytes);
}

std::optional<QString> WriteShapeAnimation(const QString& path, const ShapeMaze& maze, WatchKind kind,
                                           std::vector<StepEvent> steps, int paceMs, int seconds, Progress* progress)
{
    const int unit = ShapePngUnit(maze.shape, 0);
    ShapePlayer player(maze, kind, std::move(steps), ShapePictureView(unit));
    return WriteAnimation(path, player, ShapePicturePixels(maze.shape, unit), paceMs, AnimationPixels::File, seconds, progress);
}

}  // namespace tolvane
