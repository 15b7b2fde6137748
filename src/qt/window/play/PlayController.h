// Routes the keys, the mouse, the focus and a clock tick to the game, and shows its status.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/play/DrawPlay.h"
#include "core/program/Program.h"

namespace tolvane {

class PlayController final : public QObject {
public:
    // Runs one of the program's handlers as the window runs every other: guarded, then shown.
    using Runner = std::function<void(const char* handler, const std::function<void()>& work)>;

    // Says words to a screen reader at once.
    using Speaker = std::function<void(const QString& words)>;

    // `picture` takes the keys during a game; `say` speaks each move.
    PlayController(QWidget& window, Program& program, QWidget& picture, Speaker say, QAbstractButton& build,
                   QAbstractButton& solve, Runner run);

    // "Play" (P): starts a game on the maze shown, or starts it over.
    QAction& action() { return play_; }
    bool Playing() const { return program_.game().Active(); }

    // Brings the status, the Play item and the focus in line after `handler` has run.
    void Follow(std::string_view handler);

    // Milliseconds on the game's monotonic clock.
    Millis Now() const { return clock_.elapsed(); }

    // Holds the clock while a menu or a question of the window is open, as while the window is
    // away; the clock runs on when the last hold is let go.
    void SetHeld(bool held);
    // The game is paused: the maze is hidden until the player is back, so a pause cannot be used
    // to study it.
    bool Covered() const;
    // The walls and the frame the marker last ran into, for a moment after the move, as drawn
    // (straight, slanted or curved) in the picture's pixels: the window flashes them. None when
    // no flash shows.
    const std::vector<CentreStroke>& Bump() const { return bump_; }
    // The status area's left edge, beside the picture.
    void PlaceStatus(int left);

    // How long a bump into a wall shows.
    static constexpr int kBumpTime = 150;  // milliseconds

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Key(const QKeyEvent& key);
    bool Mouse(const QMouseEvent& mouse);
    void Start();
    void Leave();
    void Move(Direction key);
    void MoveTo(CellId to);
    // After a refused move: flashes what it met.
    void Flash();
    // H: the next step of the shortest route from the marker, shown for a moment and said.
    void Hint();
    // Moves the marker towards `target` from neighbour to neighbour, each nearer the target's
    // centre, as far as the walls allow.
    void Walk(CellId target);
    void Away();
    void ShowStatus();
    void Say(const QString& words);

    QWidget& window_;
    Program& program_;
    QWidget& picture_;
    Speaker say_;
    QAbstractButton& build_;
    QAbstractButton& solve_;
    Runner run_;
    QAction play_;
    QLabel status_;
    QTimer refresh_;
    QTimer bumpTimer_;
    QTimer hintShown_;
    QElapsedTimer clock_;
    std::vector<CentreStroke> bump_;
    int holds_ = 0;
    QPointer<QWidget> focusBefore_;  // the button to give the focus back to
    bool dragging_ = false;
};

}  // namespace tolvane
