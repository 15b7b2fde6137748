// Watching the build and the search in the window.
#include "qt/window/watch/WatchController.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <iterator>

#include "core/render/Geometry.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"

namespace tolvane {
namespace {

constexpr QRect kCountsArea{362, 100, 98, 250};  // under the buttons, where a game shows its clock
constexpr int kCountsGap = kCountsArea.left() - kSquare;  // from the picture's right line
constexpr std::size_t kDefaultPaceIndex = 4;
static_assert(kWatchPaces[kDefaultPaceIndex] == kWatchDefaultPace);

QString WayTitle(std::string_view name)
{
    if (name == "depth-first")
        return QCoreApplication::translate("Watch", "depth-first");
    if (name == "breadth-first")
        return QCoreApplication::translate("Watch", "breadth-first");
    if (name == "a-star")
        return QCoreApplication::translate("Watch", "A*");
    if (name == "left-hand")
        return QCoreApplication::translate("Watch", "left hand");
    return QCoreApplication::translate("Watch", "dead-end filling");
}

const QString kCountIndent = QStringLiteral("  ");  // a count under its way's name

// `text` in lines that each fit `width`, broken at its spaces; a word wider than that alone on
// its line.
QStringList Fitted(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width)
            lines.back() = longer;
        else
            lines.append(word);
    }
    return lines;
}

// What the last step played was doing, in words.
QString Doing(const WatchPlayer& p)
{
    if (p.Played() == 0)
        return QCoreApplication::translate("Watch", "starting");
    const StepEvent& last = p.Steps()[p.Played() - 1];
    if (p.Kind() == WatchKind::Build) {
        // The ways that grow the maze cell by cell (never the regions build) take cells in and back up.
        if (last.kind == StepKind::Enter)
            return QCoreApplication::translate("Watch", "taking cells in");
        if (last.kind == StepKind::BackUp)
            return QCoreApplication::translate("Watch", "backing up from a dead end");
        return last.kind == StepKind::Open && last.group != 0 ? QCoreApplication::translate("Watch", "linking regions")
                                                               : QCoreApplication::translate("Watch", "growing regions");
    }
    switch (last.kind) {
    case StepKind::BackUp:
        return QCoreApplication::translate("Watch", "backing up from a dead end");
    case StepKind::Route:
        return QCoreApplication::translate("Watch", "drawing the route");
    default:
        return QCoreApplication::translate("Watch", "trying a way");
    }
}

}  // namespace

WatchController::WatchController(QWidget& window, WatchWindow shown)
    : QObject(&window),
      window_(window),
      shown_(std::move(shown)),
      menu_(QCoreApplication::translate("Watch", "&Watch")),
      build_(QCoreApplication::translate("Watch", "Watch It Being &Built")),
      search_(QCoreApplication::translate("Watch", "Watch the &Search")),
      ways_(QCoreApplication::translate("Watch", "Search &With")),
      wayGroup_(this),
      slower_(QCoreApplication::translate("Watch", "S&lower")),
      faster_(QCoreApplication::translate("Watch", "&Faster")),
      pause_(QCoreApplication::translate("Watch", "&Pause")),
      step_(QCoreApplication::translate("Watch", "One S&tep")),
      end_(QCoreApplication::translate("Watch", "Jump to the &End")),
      counts_(&window),
      pace_(kDefaultPaceIndex)
{
    build_.setShortcut(QKeySequence(Qt::Key_B));
    search_.setShortcut(QKeySequence(Qt::Key_F));
    slower_.setShortcut(QKeySequence(Qt::Key_Minus));
    faster_.setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)});
    pause_.setShortcut(QKeySequence(Qt::Key_K));
    pause_.setCheckable(true);
    step_.setShortcut(QKeySequence(Qt::Key_Period));
    end_.setShortcut(QKeySequence(Qt::Key_End));
    connect(&build_, &QAction::triggered, this, &WatchController::WatchBuild);
    connect(&search_, &QAction::triggered, this, &WatchController::WatchSearch);
    connect(&slower_, &QAction::triggered, this, &WatchController::Slower);
    connect(&faster_, &QAction::triggered, this, &WatchController::Faster);
    connect(&pause_, &QAction::triggered, this, &WatchController::TogglePause);
    connect(&step_, &QAction::triggered, this, &WatchController::StepOnce);
    connect(&end_, &QAction::triggered, this, &WatchController::JumpToEnd);
    for (QAction* action : {&build_, &search_, &slower_, &faster_, &pause_, &step_, &end_}) {
        action->setShortcutVisibleInContextMenu(true);
        action->setAutoRepeat(action == &step_ || action == &slower_ || action == &faster_);
        window.addAction(action);
    }
    for (const SearchWay& way : SearchWays()) {
        QAction* choice = ways_.addAction(WayTitle(way.name));
        choice->setCheckable(true);
        choice->setData(QString::fromLatin1(way.name.data(), static_cast<qsizetype>(way.name.size())));
        choice->setChecked(&way == &SearchWays().front());
        wayGroup_.addAction(choice);
    }
    menu_.addAction(&build_);
    menu_.addAction(&search_);
    menu_.addMenu(&ways_);
    menu_.addSeparator();
    for (QAction* action : {&slower_, &faster_, &pause_, &step_, &end_})
        menu_.addAction(action);

    counts_.setObjectName("WatchCounts");
    counts_.setGeometry(kCountsArea);
    counts_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    counts_.setWordWrap(true);
    counts_.setAutoFillBackground(true);
    QPalette palette = counts_.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    counts_.setPalette(palette);
    counts_.hide();

    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &WatchController::Tick);
    ShowPace();
    Update();
}

QString WatchController::SearchName() const
{
    const QAction* chosen = wayGroup_.checkedAction();
    return chosen ? chosen->data().toString() : QStringLiteral("depth-first");
}

bool WatchController::HasMaze() const { return shown_.maze() != nullptr || shown_.shape() != nullptr; }

void WatchController::Update()
{
    const bool maze = HasMaze();
    build_.setEnabled(maze && shown_.seed().has_value());
    search_.setEnabled(maze);
    for (QAction* action : {&pause_, &step_, &end_})
        action->setEnabled(Watching());
    slower_.setEnabled(maze && pace_ > 0);
    faster_.setEnabled(maze && pace_ + 1 < std::size(kWatchPaces));
    pause_.setChecked(paused_);
}

void WatchController::WatchBuild()
{
    const auto seed = shown_.seed();
    if (!HasMaze() || !seed)
        return;
    counts_.hide();
    if (const ShapeMaze* shape = shown_.shape()) {
        WatchedShape watched = RecordShapeWatch(WatchKind::Build, shape->shape, shown_.builtWith(), seed->seed);
        return Start(WatchKind::Build, std::move(watched.steps), nullptr, &watched.maze);
    }
    Watched watched = RecordWatch(WatchKind::Build, seed->seed, seed->size, nullptr, shown_.builtWith());
    Start(WatchKind::Build, std::move(watched.steps), &watched.maze, nullptr);
}

void WatchController::WatchSearch()
{
    if (!HasMaze())
        return;
    const SearchWay* chosen = FindSearch(SearchName().toStdString());
    const SearchWay& way = chosen ? *chosen : SearchWays().front();
    if (const ShapeMaze* shape = shown_.shape()) {
        wayCounts_ = CountEveryWay(shape->shape.graph, shape->passages, ShapePlaces(shape->shape));
        Start(WatchKind::Search, RecordShapeSearch(*shape, way), nullptr, shape);
    } else {
        const MazeState& maze = *shown_.maze();
        wayCounts_ = CountEveryWay(maze);
        Start(WatchKind::Search, RecordSearch(maze, way), &maze, nullptr);
    }
    // Every way's count for this maze, the one being watched marked and counted as it goes.
    counts_.show();
    counts_.raise();
    Report(true);
}

void WatchController::Start(WatchKind kind, std::vector<StepEvent> steps, const MazeState* maze, const ShapeMaze* shape)
{
    stopping_ = true;
    shown_.stopOthers();
    stopping_ = false;
    if (shape != nullptr)
        player_ = std::make_unique<ShapePlayer>(*shape, kind, std::move(steps), shown_.shapeView());
    else
        player_ = std::make_unique<StepPlayer>(*maze, kind, std::move(steps), shown_.geometry());
    player_->DrawFirst(shown_.surface);
    paused_ = false;
    sinceNotice_.invalidate();
    ShowPace();
    Update();
    shown_.repaint();
}

void WatchController::Play(int steps)
{
    for (int i = 0; i < steps && player_->PlayStep(shown_.surface); ++i) {
    }
    if (player_->Played() == player_->Count())
        Finish();
    else
        Report(false);
    shown_.repaint();
}

void WatchController::Tick()
{
    if (!player_ || paused_)
        return;
    Play(std::max(1, kWatchFrameMs / PaceMs()));
}

void WatchController::Finish()
{
    timer_.stop();
    player_->DrawLast(shown_.surface);
    const WatchKind kind = player_->Kind();
    Report(true);
    player_.reset();
    paused_ = false;
    Update();
    shown_.finished(kind);
}

void WatchController::Slower()
{
    if (pace_ > 0)
        --pace_;
    ShowPace();
    Update();
}

void WatchController::Faster()
{
    if (pace_ + 1 < std::size(kWatchPaces))
        ++pace_;
    ShowPace();
    Update();
}

void WatchController::TogglePause()
{
    if (!player_)
        return;
    paused_ = !paused_;
    ShowPace();
    Update();
    shown_.announce(paused_ ? QCoreApplication::translate("Watch", "Paused") : QCoreApplication::translate("Watch", "Playing"));
}

void WatchController::StepOnce()
{
    if (!player_)
        return;
    paused_ = true;
    ShowPace();
    Update();
    Play(1);
    if (player_)
        Report(true);
}

void WatchController::JumpToEnd()
{
    if (!player_)
        return;
    Play(static_cast<int>(std::min<std::size_t>(player_->Count() - player_->Played(), INT32_MAX)));
}

void WatchController::Stop()
{
    timer_.stop();
    player_.reset();
    paused_ = false;
    counts_.hide();
    Update();
}

void WatchController::PlaceCounts(int left) { counts_.move(left + kCountsGap, kCountsArea.top()); }

void WatchController::Follow(std::string_view handler)
{
    if (stopping_)
        return;
    // A new square (the window resized) has just drawn the maze again in its new cells: what was
    // being played onto the old ones cannot go on there.
    if (handler == "Command1_Click" || handler == "Command2_Click" || handler == "Play_Start" || handler == "Layout")
        Stop();
    Update();
}

void WatchController::ShowPace()
{
    timer_.setInterval(std::max(PaceMs(), kWatchFrameMs));
    if (player_ && !paused_)
        timer_.start();
    else
        timer_.stop();
}

// The counts beside the picture, and now and then (or `now`) the progress in words.
void WatchController::Report(bool now)
{
    if (player_ && player_->Kind() == WatchKind::Search && !wayCounts_.empty()) {
        // The column beside the picture is narrow: each way's name on a line of its own (broken
        // at its spaces where it is still too wide), its count indented under it, so that no
        // count is torn from its name or split.
        const QFontMetrics metrics = counts_.fontMetrics();
        const int width = counts_.contentsRect().width();
        QStringList lines = Fitted(QCoreApplication::translate("Watch", "Cells visited:"), metrics, width);
        const QString watched = SearchName();
        for (const WayCount& count : wayCounts_) {
            const bool current = watched == QLatin1String(count.name.data(), static_cast<qsizetype>(count.name.size()));
            lines += Fitted((current ? QStringLiteral("▶ ") : QString()) + WayTitle(count.name), metrics, width);
            lines += kCountIndent + (current ? QStringLiteral("%1/%2").arg(player_->Visited()).arg(count.visited)
                                             : QString::number(count.visited));
        }
        lines += Fitted(QCoreApplication::translate("Watch", "Route:"), metrics, width);
        lines += kCountIndent + QCoreApplication::translate("Watch", "%1 cells").arg(wayCounts_.front().route);
        counts_.setText(lines.join(QLatin1Char('\n')));
    }
    if (!player_ || (!now && sinceNotice_.isValid() && sinceNotice_.elapsed() < kWatchNoticeMs))
        return;
    sinceNotice_.start();
    const bool done = player_->Played() == player_->Count();
    QString words;
    if (player_->Kind() == WatchKind::Build)
        words = done ? QCoreApplication::translate("Watch", "The maze is built")
                     : QCoreApplication::translate("Watch", "%1, step %2 of %3").arg(Doing(*player_)).arg(player_->Played()).arg(player_->Count());
    else
        words = done ? QCoreApplication::translate("Watch", "Route found, %1 cells; %2 cells visited")
                           .arg(player_->PathLength())
                           .arg(player_->Visited())
                     : QCoreApplication::translate("Watch", "%1, %2 cells visited").arg(Doing(*player_)).arg(player_->Visited());
    shown_.announce(words);
}

}  // namespace tolvane
