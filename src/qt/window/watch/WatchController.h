// Watching the maze being built and a search finding its way, in the window, at a pace the user sets.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "core/generate/Algorithms.h"
#include "core/code/SizedCode.h"
#include "core/platform/surface/Surface.h"
#include "core/render/DrawShape.h"
#include "core/render/Geometry.h"
#include "core/shape/ShapeMaze.h"
#include "core/watch/WatchPlayer.h"

namespace tolvane {

// The paces a step may take, slowest first, in milliseconds; 50 is the replay's own.
inline constexpr int kWatchPaces[] = {1000, 500, 250, 100, 50, 20, 10, 5, 2, 1};
inline constexpr int kWatchDefaultPace = 50;
// The screen's frame: at faster paces a tick plays several steps.
inline constexpr int kWatchFrameMs = 16;
// The least time between two progress reports to a screen reader.
inline constexpr int kWatchNoticeMs = 1500;

// What the watcher needs of the window: where to draw, how to show and say it, the maze shown
// (a rectangle or another shape, and its seed, which its build needs), and when to stop whatever
// else runs.
struct WatchWindow {
    Surface& surface;
    std::function<void()> repaint;
    std::function<void(const QString&)> announce;
    std::function<const MazeState*()> maze;                 // null before the first maze
    std::function<std::optional<SizedSeed>()> seed;          // nothing when no code names the maze
    std::function<void()> stopOthers;                       // the replay and a game
    std::function<void(WatchKind)> finished;                // the last picture is drawn
    std::function<CellGeometry()> geometry;                 // the cells of the picture as shown now
    std::function<BuildChoice()> builtWith;                 // how the maze shown was built
    std::function<const ShapeMaze*()> shape;                // the maze of another shape shown, or null
    std::function<ShapeView()> shapeView;                   // where that shape lies in the picture now
};

class WatchController final : public QObject {
public:
    WatchController(QWidget& window, WatchWindow shown);

    // The "Watch" items for the maze menu: the two ways to watch, the search to use, the pace.
    QMenu& Menu() { return menu_; }

    void WatchBuild();
    void WatchSearch();
    void Slower();
    void Faster();
    void TogglePause();
    void StepOnce();   // one step, then paused
    void JumpToEnd();  // every step left, and the last picture
    // Stops without drawing: the window draws what comes next.
    void Stop();
    // The counts stand beside the picture, whose right line is at `left`.
    void PlaceCounts(int left);

    // One of the window's handlers ran: a new maze, the replay or a game ends the watching.
    void Follow(std::string_view handler);
    // Enables what has something to act on.
    void Update();

    // Pause, One Step and Jump to the End: enabled only while something is being watched.
    QList<QAction*> SteeringActions() { return {&pause_, &step_, &end_}; }

    bool Watching() const { return player_ != nullptr; }
    bool Paused() const { return paused_; }
    int PaceMs() const { return kWatchPaces[pace_]; }
    const WatchPlayer* Player() const { return player_.get(); }
    QString SearchName() const;
    // The cells every way visits on the maze shown, side by side, as the window shows them.
    QString Counts() const { return counts_.text(); }

private:
    bool HasMaze() const;
    // Plays `steps` (of `kind`) onto the maze shown, whatever its shape, from its first picture.
    void Start(WatchKind kind, std::vector<StepEvent> steps, const MazeState* maze, const ShapeMaze* shape);
    void Tick();
    void Finish();
    void Play(int steps);
    void ShowPace();
    void Report(bool now);

    QWidget& window_;
    WatchWindow shown_;
    QMenu menu_;
    QAction build_;
    QAction search_;
    QMenu ways_;
    QActionGroup wayGroup_;
    QAction slower_;
    QAction faster_;
    QAction pause_;
    QAction step_;
    QAction end_;
    QLabel counts_;
    QTimer timer_;
    QElapsedTimer sinceNotice_;
    std::unique_ptr<WatchPlayer> player_;
    std::vector<WayCount> wayCounts_;  // every way's on the maze being searched
    std::size_t pace_ = 4;  // kWatchDefaultPace
    bool paused_ = false;
    bool stopping_ = false;
};

}  // namespace tolvane
