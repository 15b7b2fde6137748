// Routing the window's input to the game.
#include "qt/window/play/PlayController.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/render/Geometry.h"
#include "qt/window/play/PlayWords.h"

namespace tolvane {
namespace {

// The white area under the buttons, right of the classic picture; it moves with the picture's edge.
constexpr QRect kStatusArea{362, 100, 98, 250};
constexpr int kStatusGap = kStatusArea.left() - kSquare;  // from the picture's right line
constexpr int kHintShownMs = 1200;
constexpr int kRefreshInterval = 250;  // milliseconds: the clock's seconds stay on time

std::optional<Direction> DirectionOf(int key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_D:
        return Direction::Right;
    case Qt::Key_Left:
    case Qt::Key_A:
        return Direction::Left;
    case Qt::Key_Down:
    case Qt::Key_S:
        return Direction::Down;
    case Qt::Key_Up:
    case Qt::Key_W:
        return Direction::Up;
    default:
        return std::nullopt;
    }
}

}  // namespace

PlayController::PlayController(QWidget& window, Program& program, QWidget& picture, Speaker say,
                               QAbstractButton& build, QAbstractButton& solve, Runner run)
    : QObject(&window),
      window_(window),
      program_(program),
      picture_(picture),
      say_(std::move(say)),
      build_(build),
      solve_(solve),
      run_(std::move(run)),
      play_(QCoreApplication::translate("Play", "P&lay")),
      status_(&window)
{
    play_.setShortcut(QKeySequence(Qt::Key_P));
    play_.setShortcutVisibleInContextMenu(true);
    play_.setAutoRepeat(false);
    play_.setEnabled(false);
    window.addAction(&play_);
    connect(&play_, &QAction::triggered, this, &PlayController::Start);

    status_.setObjectName("PlayStatus");
    status_.setGeometry(kStatusArea);
    status_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_.setWordWrap(true);
    status_.setAutoFillBackground(true);
    QPalette palette = status_.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    status_.setPalette(palette);
    status_.hide();  // the area stays as it is outside play

    bumpTimer_.setSingleShot(true);
    bumpTimer_.setInterval(kBumpTime);
    connect(&bumpTimer_, &QTimer::timeout, this, [this] {
        bump_.clear();
        window_.update();
    });

    // A hint shows for a moment, then the game is drawn as it is again.
    hintShown_.setSingleShot(true);
    hintShown_.setInterval(kHintShownMs);
    connect(&hintShown_, &QTimer::timeout, this, [this] { run_("Play_Redraw", [this] { program_.Play_Redraw(); }); });
    refresh_.setInterval(kRefreshInterval);
    connect(&refresh_, &QTimer::timeout, this, &PlayController::ShowStatus);
    clock_.start();

    for (QObject* watched : {static_cast<QObject*>(&window), static_cast<QObject*>(&picture),
                             static_cast<QObject*>(&build), static_cast<QObject*>(&solve)})
        watched->installEventFilter(this);
}

void PlayController::Follow(std::string_view handler)
{
    // Enabled by the first build.
    play_.setEnabled(solve_.isEnabled());
    if (!Playing()) {
        dragging_ = false;
        refresh_.stop();
        bump_.clear();
        // The result at G stays beside the picture until something new is shown.
        status_.setVisible(program_.GameShown());
        if (program_.GameShown())
            ShowStatus();
        // The focus goes back to the button it came from; reached with Tab, it stays.
        if (window_.focusWidget() == &picture_ && (focusBefore_ || picture_.focusPolicy() == Qt::NoFocus))
            (focusBefore_ ? focusBefore_.data() : &build_)->setFocus(Qt::OtherFocusReason);
        focusBefore_ = nullptr;
        return;
    }
    if (handler == "Play_Start") {
        if (QWidget* focus = window_.focusWidget(); focus == &build_ || focus == &solve_)
            focusBefore_ = focus;
        // The picture takes the keys, so that the arrows no longer move between the buttons.
        picture_.setFocus(Qt::OtherFocusReason);
    }
    ShowStatus();
    status_.show();
}

void PlayController::ShowStatus()
{
    const Game& game = program_.game();
    status_.setText(StatusText(game, game.clock().Elapsed(Now())));
    if (game.clock().Running())
        refresh_.start();
    else
        refresh_.stop();
}

void PlayController::Say(const QString& words) { say_(words); }

void PlayController::SetHeld(bool held)
{
    holds_ = std::max(0, holds_ + (held ? 1 : -1));
    Away();
}

bool PlayController::Covered() const { return Playing() && program_.game().clock().Paused(); }

void PlayController::PlaceStatus(int left) { status_.move(left + kStatusGap, kStatusArea.top()); }

void PlayController::Start()
{
    if (!play_.isEnabled())
        return;
    run_("Play_Start", [this] { program_.Play_Start(); });
    if (!Playing())
        return;
    const ShapeMaze& maze = program_.PlayMaze();
    Say(StartWords(maze.shape, maze.passages, program_.game()));
}

void PlayController::Leave()
{
    run_("Play_Stop", [this] { program_.Play_Stop(); });
}

void PlayController::Flash()
{
    const ShapeMaze& maze = program_.PlayMaze();
    bump_.clear();
    for (const std::int32_t edge : program_.play().BumpedEdges())
        bump_.push_back(EdgeStroke(maze.shape, edge, program_.ShapeViewShown()));
    bumpTimer_.start();
    window_.update();
}

void PlayController::Move(Direction key)
{
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_Move(key, Now()); });
    if (outcome == MoveOutcome::Blocked)
        Flash();  // nothing moved: a flash on what the key met shows that it arrived
    const ShapeMaze& maze = program_.PlayMaze();
    const Game& game = program_.game();
    Say(MoveWords(maze.shape, maze.passages, game, outcome, key, game.clock().Elapsed(Now())));
}

void PlayController::MoveTo(CellId to)
{
    const ShapeMaze& maze = program_.PlayMaze();
    const CellId from = program_.game().Marker();
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_MoveTo(to, Now()); });
    const Game& game = program_.game();
    if (outcome == MoveOutcome::Blocked) {  // a click across a wall: named by the way it pointed
        Flash();
        return Say(QCoreApplication::translate("Play", "wall: no way %1").arg(WayWord(WayTo(maze.shape, from, to))));
    }
    // The key only names a refused move, which this is not.
    Say(MoveWords(maze.shape, maze.passages, game, outcome, Direction::Right, game.clock().Elapsed(Now())));
}

void PlayController::Hint()
{
    std::optional<CellId> step;
    run_("Play_Hint", [&] { step = program_.Play_Hint(); });
    const ShapeMaze& maze = program_.PlayMaze();
    Say(HintWords(maze.shape, maze.passages, program_.game(), step));
    ShowStatus();
    if (step)
        hintShown_.start();
}

void PlayController::Walk(CellId target)
{
    // Each step brings the marker's centre nearer the target's, so the walk ends.
    while (Playing() && !program_.game().Finished()) {
        const CellId at = program_.game().Marker();
        const auto step = program_.play().StepToward(program_.PlayMaze(), target);
        if (!step)
            return;  // there, or a wall on every way towards the pointer: the drag stops
        MoveTo(*step);
        if (program_.game().Marker() == at)
            return;  // refused after all: never spin
    }
}

void PlayController::Away()
{
    // A modal dialog of the window counts even before the window hears that it is no longer active.
    const bool away = !window_.isActiveWindow() || window_.isMinimized() || holds_ > 0 ||
                      QApplication::activeModalWidget() != nullptr;
    const bool covered = Covered();
    run_("Play_Away", [&] { program_.Play_Away(away, Now()); });
    if (Playing())
        ShowStatus();
    if (Covered() != covered)
        window_.update();
}

bool PlayController::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::WindowStateChange:
        if (watched == &window_)
            Away();
        return false;
    case QEvent::KeyPress:
        return Playing() && Key(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return watched == &window_ && Playing() && Mouse(*static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool PlayController::Key(const QKeyEvent& key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;  // Ctrl+S saves; only the plain keys play
    if (const auto direction = DirectionOf(key.key())) {
        Move(*direction);
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        Leave();
        return true;
    }
    if (key.key() == Qt::Key_H) {
        Hint();
        return true;
    }
    if (key.key() == Qt::Key_I) {
        const ShapeMaze& maze = program_.PlayMaze();
        const Game& game = program_.game();
        Say(WhereWords(maze.shape, maze.passages, game, game.clock().Elapsed(Now())));
        return true;
    }
    return false;
}

bool PlayController::Mouse(const QMouseEvent& mouse)
{
    if (mouse.type() == QEvent::MouseButtonRelease) {
        const bool was = dragging_;
        dragging_ = false;
        return was;
    }
    // The point in the shape's units, where the picture drew it.
    const ShapeMaze& maze = program_.PlayMaze();
    const ShapeView view = program_.ShapeViewShown();
    const PointF p{static_cast<float>((mouse.position().x() - view.left) / view.unit),
                   static_cast<float>((mouse.position().y() - view.top) / view.unit)};
    const auto cell = program_.play().CellUnder(maze, p);
    if (mouse.type() == QEvent::MouseMove) {
        if (dragging_ && cell)
            Walk(*cell);
        return dragging_;
    }
    if (mouse.button() != Qt::LeftButton || !cell)
        return false;
    const CellId at = program_.game().Marker();
    if (*cell == at) {
        dragging_ = true;  // pressed on the marker: a drag begins
        return true;
    }
    // A click on a neighbouring cell moves there, or says that a wall is in the way.
    for (const Link& l : maze.shape.graph.Neighbours(at))
        if (l.to == *cell) {
            MoveTo(*cell);
            return true;
        }
    return false;
}

}  // namespace tolvane
