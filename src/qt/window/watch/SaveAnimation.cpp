// Saving the animation of what the window shows.
#include "qt/window/watch/SaveAnimation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

#include "core/watch/GameReplay.h"
#include "core/watch/ShapeGameReplay.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"
#include "qt/paper/Export.h"
#include "qt/platform/Desktop.h"
#include "qt/paper/ShapePictures.h"
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

std::optional<QString> WriteShownAnimation(const QString& path, const MazeState& maze, const Play* game, Answer answer,
                                           int paceMs)
{
    const AnimationCanvas canvas = AnimationCanvasFor(maze.size);
    if (game) {
        GameReplay replay(maze, *game, answer, canvas.geometry);
        return WriteAnimation(path, replay, QSize(canvas.side, canvas.side), paceMs);
    }
    StepPlayer replay(maze, WatchKind::Route, RecordRoute(maze), canvas.geometry);
    return WriteAnimation(path, replay, QSize(canvas.side, canvas.side), paceMs);
}

std::optional<QString> WriteShownAnimation(const QString& path, const ShapeMaze& maze, const Game* game, Answer answer,
                                           int paceMs)
{
    // The last frame is the picture Save writes as a PNG.
    const int unit = ShapePngUnit(maze.shape, 0);
    const QSize size = ShapePicturePixels(maze.shape, unit);
    if (game) {
        ShapeGameReplay replay(maze, *game, answer, ShapePictureView(unit));
        return WriteAnimation(path, replay, size, paceMs, AnimationPixels::File);
    }
    // The route's replay: the animation `--animate` writes of the maze's code.
    return WriteShapeAnimation(path, maze, WatchKind::Route, RecordShapeRoute(maze), paceMs);
}

namespace {

void AskAndSave(QWidget& window, const QString& code, QString& folder,
                const std::function<std::optional<QString>(const QString& path)>& write)
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
    try {
        error = write(path);
    } catch (const std::exception& e) {  // out of memory for a big maze: said, not thrown on
        error = QCoreApplication::translate("SaveAnimation", "The animation could not be made: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    if (error)
        QMessageBox::warning(&window, window.windowTitle(), *error);
}

}  // namespace

void SaveAnimation(QWidget& window, const QString& code, const MazeState& maze, const Play* game, Answer answer,
                   int paceMs, QString& folder)
{
    AskAndSave(window, code, folder, [&](const QString& path) { return WriteShownAnimation(path, maze, game, answer, paceMs); });
}

void SaveAnimation(QWidget& window, const QString& code, const ShapeMaze& maze, const Game* game, Answer answer,
                   int paceMs, QString& folder)
{
    AskAndSave(window, code, folder, [&](const QString& path) { return WriteShownAnimation(path, maze, game, answer, paceMs); });
}

}  // namespace tolvane
