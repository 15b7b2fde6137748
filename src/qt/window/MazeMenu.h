// What can be done with the maze shown: copy it, copy its code, save it, print it.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

namespace tolvane {

class Form1;

// The maze picture's context menu. Its actions also belong to the window, so their shortcuts
// (Copy, Save, Print and Ctrl+Shift+C) work wherever the focus is.
class MazeMenu final : public QObject {
public:
    explicit MazeMenu(Form1& form);

    // Enables what has something to act on: nothing before the first maze.
    void Update();
    void Popup(const QPoint& globalPos);

    void Copy();
    void CopyCode();
    void Save();
    void Print();

private:
    Form1& form_;
    QAction copy_;
    QAction copyCode_;
    QAction save_;
    QAction print_;
    QMenu menu_;
    QString folder_;  // where the last Save went; the next one starts there
};

}  // namespace tolvane
