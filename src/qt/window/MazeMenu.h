// What can be done with the maze shown: copy it, copy its code, save it, print it.
#pragma once

#include <QAction>
#include <QMenu>
#include <QImage>
#include <QObject>
#include <QWidget>

#include "core/maze/MazeState.h"
#include "core/play/Play.h"

namespace tolvane {

// What the menu acts on: the maze as the window shows it.
class ShownMaze {
public:
    // Whether a maze has been built, its code (empty when its random source cannot name one),
    // whether the route is drawn, the picture as it is shown, and the maze itself.
    virtual bool HasMaze() const = 0;
    virtual QString MazeCode() const = 0;
    virtual bool RouteShown() const = 0;
    virtual QImage ShownPicture() const = 0;
    virtual const MazeState& Maze() const = 0;
    // The game being played on it, drawn into every copy of the picture, or nothing.
    virtual const Play* ShownPlay() const = 0;

protected:
    ~ShownMaze() = default;
};

// The maze picture's context menu. Its actions also belong to the window, so their shortcuts
// (Copy, Save, Print and Ctrl+Shift+C) work wherever the focus is.
class MazeMenu final : public QObject {
public:
    MazeMenu(QWidget& window, const ShownMaze& shown);

    // Enables what has something to act on: nothing before the first maze.
    void Update();
    void Popup(const QPoint& globalPos);
    // Puts `action` at the top of the menu, above a separator: an item that acts on the game.
    void AddFirst(QAction& action);

    void Copy();
    void CopyCode();
    void Save();
    void Print();

private:
    QWidget& window_;
    const ShownMaze& shown_;
    QAction copy_;
    QAction copyCode_;
    QAction save_;
    QAction print_;
    QMenu menu_;
    QString folder_;  // where the last Save went; the next one starts there
};

}  // namespace tolvane
