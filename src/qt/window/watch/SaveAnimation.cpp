// Saving the animation of what the window shows.
#include "qt/window/watch/SaveAnimation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <exception>

#include "core/watch/ShapeGameReplay.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"
#include "qt/paper/Export.h"
#include "qt/platform/Desktop.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/animation/AnimationFile.h"

namespace tolvane {
namespace {

struct AnimationType {
    const char* filter;
    const char* suffix;
};
const AnimationType kAnimationTypes[] = {
    {QT_TRANSLATE_NOOP("SaveAnimation", "Animated GIF (*.gif)"), "gif"},
    {QT_TRANSLATE_NOOP("SaveAnimation", "Animated WebP (*.webp)"), "webp"},
};

}  // namespace

std::optional<QString> WriteShownAnimation(const QString& path, const MazeState& maze, const Game* game, Answer answer,
                                           int paceMs, Progress* progress)
{
    const AnimationCanvas canvas = AnimationCanvasFor(maze.size);
    const QSize size(canvas.side, canvas.side);
    if (game) {
        // A game on the rectangle is replayed as on any shape, in the classic picture's strokes.
        const ShapeMaze shaped = ShapeMazeOf(maze);
        ShapeGameReplay replay(shaped, *game, answer, ShapeView::Of(canvas.geometry));
        return WriteAnimation(path, replay, size, paceMs, AnimationPixels::Window, kDefaultAnimationSeconds, progress);
    }
    StepPlayer replay(maze, WatchKind::Route, RecordRoute(maze), canvas.geometry);
    return WriteAnimation(path, replay, size, paceMs, AnimationPixels::Window, kDefaultAnimationSeconds, progress);
}

std::optional<QString> WriteShownAnimation(const QString& path, const ShapeMaze& maze, const Game* game, Answer answer,
                                           int paceMs, Progress* progress)
{
    // The last frame is the picture Save writes as a PNG.
    const int unit = ShapePngUnit(maze.shape, 0);
    const QSize size = ShapePicturePixels(maze.shape, unit);
    if (game) {
        ShapeGameReplay replay(maze, *game, answer, ShapePictureView(unit));
        return WriteAnimation(path, replay, size, paceMs, AnimationPixels::File, kDefaultAnimationSeconds, progress);
    }
    // The route's replay: the animation `--animate` writes of the maze's code.
    return WriteShapeAnimation(path, maze, WatchKind::Route, RecordShapeRoute(maze), paceMs, kDefaultAnimationSeconds, progress);
}

namespace {

// A save's progress in a dialog over the window, shown once it has taken half a second, whose
// Cancel stops it.
class DialogProgress final : public Progress {
public:
    explicit DialogProgress(QWidget& window)
        : dialog_(QCoreApplication::translate("SaveAnimation", "Saving the animation…"),
                  QCoreApplication::translate("SaveAnimation", "Cancel"), 0, kScale, &window)
    {
        dialog_.setWindowTitle(window.windowTitle());
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(kShowAfterMs);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool Reached(long long done, long long total) override
    {
        dialog_.setValue(total > 0 ? static_cast<int>(done * kScale / total) : 0);
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }
    bool Cancelled() const { return dialog_.wasCanceled(); }
    QProgressDialog& dialog() { return dialog_; }

private:
    static constexpr int kScale = 1000;
    static constexpr int kShowAfterMs = 500;
    QProgressDialog dialog_;
};

void AskAndSave(QWidget& window, const QString& code, QString& folder,
                const std::function<std::optional<QString>(const QString& path, Progress* progress)>& write)
{
    QStringList filters;
    for (const AnimationType& type : kAnimationTypes)
        filters << QCoreApplication::translate("SaveAnimation", type.filter);
    if (folder.isEmpty()) {
        folder = DefaultSaveFolder();
    }
    const QString title = QCoreApplication::translate("SaveAnimation", "Save Animation");
    QString chosen;
    QString path = QFileDialog::getSaveFileName(&window, title, QDir(folder).filePath(SheetFileName(code) + QStringLiteral(".gif")),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    folder = QFileInfo(path).absolutePath();
    // A name without .gif or .webp takes the type of the filter chosen.
    if (!AnimationFormatOf(path)) {
        const qsizetype type = std::max<qsizetype>(0, filters.indexOf(chosen));
        path += QLatin1Char('.') + QString::fromLatin1(kAnimationTypes[type].suffix);
    }
    std::optional<QString> error;
    DialogProgress progress(window);
    try {
        error = write(path, &progress);
    } catch (const std::exception& e) {  // out of memory for a big maze: said, not thrown on
        error = QCoreApplication::translate("SaveAnimation", "The animation could not be made: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    progress.dialog().close();
    if (error && !progress.Cancelled())  // a cancelled save wrote nothing, as asked
        QMessageBox::warning(&window, window.windowTitle(), *error);
}

}  // namespace

void SaveAnimation(QWidget& window, const QString& code, const MazeState& maze, const Game* game, Answer answer,
                   int paceMs, QString& folder)
{
    AskAndSave(window, code, folder,
               [&](const QString& path, Progress* progress) { return WriteShownAnimation(path, maze, game, answer, paceMs, progress); });
}

void SaveAnimation(QWidget& window, const QString& code, const ShapeMaze& maze, const Game* game, Answer answer,
                   int paceMs, QString& folder)
{
    AskAndSave(window, code, folder,
               [&](const QString& path, Progress* progress) { return WriteShownAnimation(path, maze, game, answer, paceMs, progress); });
}

}  // namespace tolvane
