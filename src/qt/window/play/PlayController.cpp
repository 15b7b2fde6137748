// Routing the window's input to the game.
#include "qt/window/play/PlayController.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>
#include <cstdlib>

#include "core/render/Geometry.h"
#include "qt/window/play/PlayWords.h"

namespace tolvane {
namespace {

// The white area under the buttons, right of the picture.
constexpr QRect kStatusArea{362, 100, 98, 250};
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
    play_.setEnabled(solve_.isEnabled());  // enabled by the first build
    if (!Playing()) {
        dragging_ = false;
        refresh_.stop();
        status_.hide();
        if (window_.focusWidget() == &picture_)  // also while another window is active
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
    const Play& play = program_.play();
    status_.setText(StatusText(play, play.clock().Elapsed(Now())));
    if (play.clock().Running())
        refresh_.start();
    else
        refresh_.stop();
}

void PlayController::Say(const QString& words) { say_(words); }

void PlayController::Start()
{
    if (!play_.isEnabled())
        return;
    run_("Play_Start", [this] { program_.Play_Start(); });
    if (Playing())
        Say(StartWords(program_.state(), program_.play()));
}

void PlayController::Leave()
{
    run_("Play_Stop", [this] { program_.Play_Stop(); });
}

void PlayController::Move(Direction direction)
{
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_Move(direction, Now()); });
    const Play& play = program_.play();
    Say(MoveWords(program_.state(), play, outcome, direction, play.clock().Elapsed(Now())));
}

void PlayController::Hint()
{
    std::optional<Direction> next;
    run_("Play_Hint", [&] { next = program_.Play_Hint(); });
    Say(HintWords(next));
    ShowStatus();
    if (next)
        hintShown_.start();
}

void PlayController::Walk(Cell target)
{
    // Each step brings the marker nearer the target along one axis, so the walk ends.
    while (Playing() && !program_.play().Finished()) {
        const Cell at = program_.play().Marker();
        const int dx = target.x - at.x;
        const int dy = target.y - at.y;
        if (dx == 0 && dy == 0)
            return;
        const std::optional<Direction> across =
            dx == 0 ? std::nullopt : std::optional(dx > 0 ? Direction::Right : Direction::Left);
        const std::optional<Direction> down = dy == 0 ? std::nullopt : std::optional(dy > 0 ? Direction::Down : Direction::Up);
        const bool acrossFirst = std::abs(dx) >= std::abs(dy);
        std::optional<Direction> step;
        for (const auto& d : acrossFirst ? std::array{across, down} : std::array{down, across})
            if (!step && d && IsOpen(program_.state(), at, *d))
                step = d;
        if (!step)
            return;  // a wall on every way towards the pointer: the drag stops there
        Move(*step);
        if (program_.play().Marker() == at)
            return;  // refused after all: never spin
    }
}

void PlayController::Away()
{
    const bool away = !window_.isActiveWindow() || window_.isMinimized();
    run_("Play_Away", [&] { program_.Play_Away(away, Now()); });
    if (Playing())
        ShowStatus();
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
        const Play& play = program_.play();
        Say(WhereWords(program_.state(), play, play.clock().Elapsed(Now())));
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
    const auto cell = CellAt(program_.state(), CellGeometry::For(program_.state().size), mouse.position().x(), mouse.position().y());
    if (mouse.type() == QEvent::MouseMove) {
        if (dragging_ && cell)
            Walk(*cell);
        return dragging_;
    }
    if (mouse.button() != Qt::LeftButton || !cell)
        return false;
    const Cell at = program_.play().Marker();
    if (*cell == at) {
        dragging_ = true;  // pressed on the marker: a drag begins
        return true;
    }
    // A click on a neighbouring cell moves there, or says that a wall is in the way.
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up})
        if (Step(at, d) == *cell) {
            Move(d);
            return true;
        }
    return false;
}

}  // namespace tolvane
