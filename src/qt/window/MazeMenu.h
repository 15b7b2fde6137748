// What can be done with the maze shown: copy it, copy its code, save it, print it.
#pragma once

#include <QAction>
#include <QMenu>
#include <QImage>
#include <QObject>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "core/code/Recipe.h"
#include "core/maze/MazeState.h"
#include "core/code/SizedCode.h"
#include "core/play/Play.h"
#include "core/shape/ShapeMaze.h"

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
    // The game shown on it, of whatever shape, drawn into every copy of the picture, or nothing.
    virtual const Game* ShownGame() const = 0;
    // The pace a watched step takes, in milliseconds: an animation saved plays at it too.
    virtual int PaceMs() const = 0;
    // The maze of another shape shown instead of Maze(), or null.
    virtual const ShapeMaze* ShownShape() const = 0;

protected:
    ~ShownMaze() = default;
};

// The maze picture's context menu. Its actions also belong to the window, so their shortcuts
// (Copy, Save, Print, Open and Ctrl+Shift+C) work wherever the focus is. Paste opens the code on
// the clipboard.
class MazeMenu final : public QObject {
public:
    // `open` builds the maze of a code, of any shape, in the window.
    MazeMenu(QWidget& window, const ShownMaze& shown, std::function<void(const Recipe&)> open);

    // Enables what has something to act on: nothing before the first maze.
    void Update();
    void Popup(const QPoint& globalPos);
    // The menu itself, for the window to add its own choices to.
    QMenu& Menu() { return menu_; }
    // Puts `action` at the top of the menu, above a separator: an item that acts on the game.
    void AddFirst(QAction& action);

    void Copy();
    void CopyCode();
    void Save();
    // The game played, or else the route's replay, as an animated GIF or WebP.
    void SaveAnimation();
    void Print();
    // Worksheets, puzzle books and posters: the dialog for every sheet the command line prints.
    void Worksheets();
    // Asks for a code and opens its maze.
    void OpenCode();
    // Opens the code on the clipboard; anything else goes into the dialog, which says what is wrong.
    void PasteCode();

private:
    QWidget& window_;
    const ShownMaze& shown_;
    QAction copy_;
    QAction copyCode_;
    QAction save_;
    QAction saveAnimation_;
    QAction print_;
    QAction worksheets_;
    QAction openCode_;
    QAction paste_;
    std::function<void(const Recipe&)> open_;
    QMenu menu_;
    QString folder_;  // where the last Save went; the next one starts there
};

}  // namespace tolvane
