// `Tolvane --animate`.
#include "qt/cli/run/AnimateCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "core/platform/Random.h"
#include "core/watch/StepPlayer.h"
#include "qt/cli/run/AskedShape.h"
#include "qt/cli/run/TerminalProgress.h"
#include "qt/paper/animation/AnimationFile.h"
#include "qt/platform/Desktop.h"

namespace tolvane {

int RunAnimate(const Options& options)
{
    TerminalProgress* shown = nullptr;
    auto fail = [&shown](const QString& message, int status) {
        if (shown)
            shown->Wipe();
        Print(stderr, QStringLiteral("Tolvane: %1\n").arg(message));
        return status;
    };
    if (!AnimationFormatOf(options.animateFile))
        return fail(QCoreApplication::translate("Animation", "%1: unknown file type; the name must end in .gif or .webp")
                        .arg(options.animateFile),
                    2);
    std::uint64_t seed = 0;
    if (options.seed) {
        seed = *options.seed;
    } else {
        ClockRandom random;  // a new maze gets its seed the way the window's clicks do
        random.Randomize();
        seed = *random.LastSeed();
    }
    // On a terminal the frames' progress, once the steps are recorded.
    TerminalProgress progress(QFileInfo(options.animateFile).fileName());
    shown = &progress;
    const WatchKind kind = *WatchKindNamed(options.animateWhat.toStdString());
    const SearchWay* way = FindSearch(options.searchWay.toStdString());
    if (options.shape) {
        // Drawn as the shape's PNG is, at its pixels a cell: the last frame is that picture.
        QString error;
        std::optional<Shape> shape = AskedShape(options, error);
        if (!shape)
            return fail(error, 2);
        WatchedShape watched = RecordShapeWatch(kind, std::move(*shape), options.how, seed, way);
        if (const auto error = WriteShapeAnimation(options.animateFile, watched.maze, kind, std::move(watched.steps), options.paceMs,
                                                    options.animateSeconds, &progress))
            return fail(*error, 1);
        return 0;
    }
    Watched watched = RecordWatch(kind, seed, options.size, way, options.how);
    const AnimationCanvas canvas = AnimationCanvasFor(options.size);
    StepPlayer player(watched.maze, kind, std::move(watched.steps), canvas.geometry);
    if (const auto error = WriteAnimation(options.animateFile, player, QSize(canvas.side, canvas.side), options.paceMs,
                                              AnimationPixels::Window, options.animateSeconds, &progress))
        return fail(*error, 1);
    return 0;
}

}  // namespace tolvane
