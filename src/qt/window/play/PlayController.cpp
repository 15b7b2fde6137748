// Routing the window's input to the game.
#include "qt/window/play/PlayController.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>
#include <cstdlib>

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
        bump_.reset();
        shapeBump_.clear();
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
        bump_.reset();
        shapeBump_.clear();
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
    if (const ShapeScreen* shape = program_.ShapeShown())
        Say(StartWords(shape->Maze().shape, shape->Maze().passages, program_.game()));
    else
        Say(StartWords(program_.state(), program_.play()));
}

void PlayController::Leave()
{
    run_("Play_Stop", [this] { program_.Play_Stop(); });
}

void PlayController::Move(Direction direction)
{
    if (program_.ShapeShown())
        return ShapeMove(direction);
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_Move(direction, Now()); });
    const Play& play = program_.play();
    if (outcome == MoveOutcome::Blocked) {
        // Nothing moved: a flash on the wall shows that the key arrived.
        bump_ = WallSide(program_.Geometry(), play.Marker(), direction);
        bumpTimer_.start();
        window_.update();
    }
    Say(MoveWords(program_.state(), play, outcome, direction, play.clock().Elapsed(Now())));
}

void PlayController::Hint()
{
    if (const ShapeScreen* shape = program_.ShapeShown()) {
        std::optional<CellId> step;
        run_("Play_Hint", [&] { step = program_.Play_ShapeHint(); });
        Say(HintWords(shape->Maze().shape, shape->Maze().passages, program_.game(), step));
        ShowStatus();
        if (step)
            hintShown_.start();
        return;
    }
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

void PlayController::ShapeMove(Direction key)
{
    const ShapeScreen& shape = *program_.ShapeShown();
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_Move(key, Now()); });
    if (outcome == MoveOutcome::Blocked) {
        // What the key met flashes, walls and frame alike.
        shapeBump_.clear();
        for (const std::int32_t edge : program_.shapeGame().BumpedEdges())
            shapeBump_.push_back(EdgeStroke(shape.Maze().shape, edge, program_.ShapeViewShown()));
        bumpTimer_.start();
        window_.update();
    }
    const Game& game = program_.game();
    Say(MoveWords(shape.Maze().shape, shape.Maze().passages, game, outcome, key, game.clock().Elapsed(Now())));
}

void PlayController::ShapeMoveTo(CellId to)
{
    const Shape& shape = program_.ShapeShown()->Maze().shape;
    const Passages& passages = program_.ShapeShown()->Maze().passages;
    const CellId from = program_.game().Marker();
    MoveOutcome outcome = MoveOutcome::Ignored;
    run_("Play_Move", [&] { outcome = program_.Play_MoveTo(to, Now()); });
    const Game& game = program_.game();
    if (outcome == MoveOutcome::Blocked)  // a click across a wall: named by the way it pointed
        return Say(QCoreApplication::translate("Play", "wall: no way %1").arg(WayWord(WayTo(shape, from, to))));
    // The key only names a refused move, which this is not.
    Say(MoveWords(shape, passages, game, outcome, Direction::Right, game.clock().Elapsed(Now())));
}

void PlayController::WalkShape(CellId target)
{
    // Each step brings the marker's centre nearer the target's, so the walk ends.
    while (Playing() && !program_.game().Finished()) {
        const ShapeScreen& shape = *program_.ShapeShown();
        const CellId at = program_.game().Marker();
        const auto step = program_.shapeGame().StepToward(shape.Maze(), target);
        if (!step)
            return;  // there, or a wall on every way towards the pointer: the drag stops
        ShapeMoveTo(*step);
        if (program_.game().Marker() == at)
            return;  // refused after all: never spin
    }
}

bool PlayController::ShapeMouse(const QMouseEvent& mouse, const ShapeScreen& shape)
{
    // The point in the shape's units, where the picture drew it.
    const ShapeView view = program_.ShapeViewShown();
    const PointF p{static_cast<float>((mouse.position().x() - view.left) / view.unit),
                   static_cast<float>((mouse.position().y() - view.top) / view.unit)};
    const auto cell = program_.shapeGame().CellUnder(shape.Maze(), p);
    if (mouse.type() == QEvent::MouseMove) {
        if (dragging_ && cell)
            WalkShape(*cell);
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
    for (const Link& l : shape.Maze().shape.graph.Neighbours(at))
        if (l.to == *cell) {
            ShapeMoveTo(*cell);
            return true;
        }
    return false;
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
        if (const ShapeScreen* shape = program_.ShapeShown()) {
            const Game& game = program_.game();
            Say(WhereWords(shape->Maze().shape, shape->Maze().passages, game, game.clock().Elapsed(Now())));
            return true;
        }
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
    if (const ShapeScreen* shape = program_.ShapeShown())
        return ShapeMouse(mouse, *shape);
    const auto cell = CellAt(program_.state(), program_.Geometry(), mouse.position().x(), mouse.position().y());
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
