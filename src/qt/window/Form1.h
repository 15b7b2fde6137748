// The window: its controls, their wiring to the handlers, and the backing image it shows.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/code/Recipe.h"
#include "core/program/Program.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/QtControls.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/MazeMenu.h"
#include "qt/window/MazePicture.h"
#include "qt/window/choice/BuildMenu.h"
#include "qt/window/choice/ShapeMenu.h"
#include "qt/window/choice/SizeMenu.h"
#include "qt/window/play/PlayController.h"
#include "qt/window/watch/WatchController.h"

namespace tolvane {

inline constexpr int kClientWidth = 464;
inline constexpr int kClientHeight = 358;
// Right of the picture: the gap and the buttons, whatever the picture's size.
inline constexpr int kButtonColumn = kClientWidth - kClientHeight;

class Form1 final : public QWidget, public ShownMaze {
public:
    // `random` replaces the clock-seeded source, for tests that script the maze.
    explicit Form1(std::unique_ptr<RandomSource> random = nullptr);
    // The game watches the window's events; it goes first, while the picture and the program it
    // reaches still exist.
    ~Form1() override;

    // Shows a run-time error to the user; by default a message box. Tests replace it.
    using ErrorReporter = std::function<void(const QString& handler, const QString& error)>;
    void SetErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    // Asks whether the game in progress (of `moves` moves) may be left for something new; by
    // default a question box. Tests replace it.
    using LeaveQuestion = std::function<bool(int moves)>;
    void SetLeaveQuestion(LeaveQuestion ask) { askLeave_ = std::move(ask); }

    // Whether the window can be resized: only while a maze bigger than the classic one, or a maze
    // of another shape, is shown.
    bool Resizable() const { return minimumSize() != maximumSize(); }
    // Full screen and back (F11), while the window can be resized.
    void ToggleFullScreen();

    // Builds the maze of `seed` at `size` as a click on Command1 would have built it.
    void OpenMaze(std::uint64_t seed, MazeSize size = kClassicSize, const BuildChoice& how = {});
    // Builds the maze a code names, of any shape, and makes its shape, size and way those of the
    // next mazes. Why it cannot, or nothing.
    std::optional<QString> OpenRecipe(const Recipe& recipe);
    // The shape of new mazes from now on, ticked in the menu; why it cannot be, or nothing.
    std::optional<QString> SetShapeChoice(const ShapeChoice& shape);
    // Builds a new maze of `shape`, makes it the shape of the next ones and keeps it for the next
    // run. A shape chosen while the way to build is the classic one is built by the backtracker,
    // whose long corridors follow rings and strokes.
    void ChooseShape(const ShapeChoice& shape);
    // How new mazes are built from now on, ticked in the menu.
    void SetBuildChoice(const BuildChoice& how);
    // Builds a new maze the chosen way, makes it the way of the next ones and keeps it for the
    // next run.
    void ChooseBuild(const BuildChoice& how);
    // Builds a new maze of `size`, and makes it the size of the next ones.
    void ChooseSize(MazeSize size);

    // What the maze menu acts on: whether a maze has been built, its code (empty when its random
    // source cannot name one), whether the route is drawn, and the picture as it is shown.
    bool HasMaze() const override { return Command2.isEnabled(); }  // enabled by the first build
    QString MazeCode() const override;
    bool RouteShown() const override { return routeShown_; }
    QImage ShownPicture() const override;
    const MazeState& Maze() const override { return program_.state(); }
    const Game* ShownGame() const override { return program_.GameShown() ? &program_.game() : nullptr; }
    int PaceMs() const override { return watch_->PaceMs(); }
    const ShapeMaze* ShownShape() const override;
    MazeMenu& menu() { return *menu_; }
    SizeMenu& sizeMenu() { return *sizeMenu_; }
    ShapeMenu& shapeMenu() { return *shapeMenu_; }
    BuildMenu& buildMenu() { return *buildMenu_; }
    QAction& factsAction() { return facts_; }
    PlayController& play() { return *play_; }
    WatchController& watch() { return *watch_; }

    Program& program() { return program_; }
    ImageSurface& surface() { return surface_; }
    QPushButton& command1() { return Command1; }
    QPushButton& command2() { return Command2; }
    QTimer& timer1() { return Timer1; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Runs one handler inside the guard and shows the result.
    template <typename Handler>
    void Handle(const char* name, Handler&& handler);
    void ShowErrorBox(const QString& handler, const QString& error);
    bool AskLeaveBox(int moves);
    // Whether something new may replace what is shown: not a game in progress the player keeps.
    bool MayLeaveGame();
    // Fixed at the classic size for mazes of up to 21 x 21 cells, resizable for bigger ones and
    // for shapes (`big`).
    void FitTo(bool big);
    // Lays the picture, the buttons and the status out for a client area of `size`; with
    // `redraw`, draws what is shown again in the new square.
    void Layout(QSize size, bool redraw);
    void PaintOverPicture(QPainter& painter);

    QPushButton Command1;
    QPushButton Command2;
    MazePicture picture_{*this};
    QTimer Timer1;
    ImageSurface surface_;
    ButtonSwitch command2Switch_{Command2};
    TimerSwitch timer1Switch_{Timer1};
    std::unique_ptr<RandomSource> random_;
    Program program_;
    ErrorReporter reportError_;
    LeaveQuestion askLeave_;
    bool routeShown_ = false;
    bool leaveAsked_ = false;  // asked already for the build under way
    int side_ = kClientHeight;  // the picture's square in pixels, its last line included
    std::optional<std::uint64_t> seed_;
    MazeMenu* menu_ = nullptr;  // a child of the window
    SizeMenu* sizeMenu_ = nullptr;  // likewise
    ShapeMenu* shapeMenu_ = nullptr;  // likewise
    BuildMenu* buildMenu_ = nullptr;  // likewise
    QAction facts_;
    PlayController* play_ = nullptr;  // a child of the window
    WatchController* watch_ = nullptr;  // likewise
};

}  // namespace tolvane
