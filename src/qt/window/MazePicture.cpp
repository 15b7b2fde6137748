// The maze square as assistive technology sees it.
#include "qt/window/MazePicture.h"

#include <QAccessibleWidget>

#include "qt/paper/Export.h"
#include "qt/paper/Facts.h"
#include "qt/paper/Pictures.h"
#include "qt/window/play/PlayWords.h"

namespace tolvane {
namespace {

constexpr const char* kCloseActionProperty = "tolvaneCloseAction";
const QString kCloseAction = QStringLiteral("close");

class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
};

class WindowAccessible final : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(WindowAccessible)

public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << kCloseAction; }
    QString localizedActionName(const QString& action) const override
    {
        return action == kCloseAction ? tr("Close") : QAccessibleWidget::localizedActionName(action);
    }
    QString localizedActionDescription(const QString& action) const override
    {
        return action == kCloseAction ? tr("Closes the window") : QAccessibleWidget::localizedActionDescription(action);
    }
    void doAction(const QString& action) override
    {
        if (action != kCloseAction)
            return QAccessibleWidget::doAction(action);
        // After the reply to the request has gone out, not in the middle of it.
        QTimer::singleShot(0, widget(), &QWidget::close);
    }
};

QAccessibleInterface* AccessibleFor(const QString&, QObject* object)
{
    if (auto* picture = dynamic_cast<MazePicture*>(object))
        return new PictureAccessible(picture);
    if (object && object->isWidgetType() && object->property(kCloseActionProperty).toBool())
        return new WindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFor);
        return true;
    }();
    (void)installed;
}

}  // namespace

MazePicture::MazePicture(QWidget& window) : QWidget(&window)
{
    InstallAccessibleFactory();
    setObjectName("MazePicture");
    setGeometry(0, 0, kPictureSide, kPictureSide);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    throttle_.setSingleShot(true);
    connect(&throttle_, &QTimer::timeout, this, &MazePicture::Publish);
}

void MazePicture::Follow(std::string_view handler, const MazeState& state, const QString& code, const Game& game,
                         const ShapeScreen* shape)
{
    size_ = state.size;  // what a game's words describe
    if (handler.starts_with("Play_") && handler != "Play_Stop")
        return;  // a game speaks through Announce
    if (handler == "Watch_Finished")
        return;  // the watcher has said how the search ended
    if (handler == "Command1_Click")
        setFocusPolicy(Qt::TabFocus);  // something to show now: Tab reaches it after the buttons
    // Said after whatever the picture shows, so the state comes first to the listener.
    const QString codeWords = code.isEmpty() ? QString() : QLatin1Char(' ') + tr("Maze code %1.").arg(code);
    setToolTip(code.isEmpty() ? QString() : tr("Maze code %1").arg(code));
    // Tick k has drawn k segments of the route, the first from the start cell to itself: the
    // route then covers its first k cells, and all PathLen of them once the tick count reaches it.
    const int cells = shape ? static_cast<int>(shape->Maze().route.size()) : state.PathLen;
    // The cells the route covers so far: the start cell and one more for each step drawn.
    const int drawn = shape ? shape->Steps() + 1 : state.StepCount;
    // A shape's route is known from its build: it is shown from Command2 on, until a new maze.
    const bool alone = shape ? shape->Steps() < 0 : handler == "Command1_Click" || handler == "Play_Stop";
    bool progress = false;
    if (handler == "Form_Load") {
        name_ = tr("No maze yet");
        description_ = tr("No maze yet. Press %1 to build one.").arg(BuildButtonName());
    } else if (handler == "Play_Stop" && game.AtGoal()) {  // the game's result stays
        name_ = tr("Maze, G reached");
        description_ = ResultWords(game, game.clock().Elapsed(0)) + QLatin1Char(' ') +
                       tr("Press %1 to draw the shortest route over your trail.").arg(SolveButtonName());
    } else if (shape && alone) {
        name_ = tr("Maze");
        description_ = tr("A maze in the shape %1, of %2 cells, %3. Press %4 to draw the route.")
                           .arg(ShapeTitle(shape->Choice()))
                           .arg(shape->Maze().shape.graph.CellCount())
                           .arg(WhereSAndGAre(shape->Choice().kind))
                           .arg(SolveButtonName());
    } else if (alone) {  // the maze alone
        name_ = tr("Maze");
        description_ = tr("A maze of %1 by %2 cells, from S at the top left to G at the bottom right. "
                          "Press %3 to draw the route.")
                           .arg(state.Width())
                           .arg(state.Height())
                           .arg(SolveButtonName());
    } else if (!shape && !state.Found) {
        name_ = tr("Maze");
        description_ = tr("A maze of %1 by %2 cells. No route from S to G was found.").arg(state.Width()).arg(state.Height());
    } else if (drawn < cells) {
        name_ = tr("Maze, route being drawn");
        description_ = tr("The route is being drawn: %1 of %2 cells.").arg(drawn).arg(cells);
        progress = handler == "Timer1_Timer";
    } else {
        name_ = tr("Maze, route to G");
        description_ = tr("The route reached G in %1 cells.").arg(cells);
    }
    if (handler != "Form_Load")
        description_ += codeWords;
    if (progress && name_ == accessibleName() && sincePublished_.isValid() &&
        sincePublished_.elapsed() < kNoticeInterval) {
        if (!throttle_.isActive())
            throttle_.start(kNoticeInterval - static_cast<int>(sincePublished_.elapsed()));
        return;
    }
    Publish();
}

void MazePicture::Publish()
{
    throttle_.stop();
    SetName(name_, false);
    SetDescription(description_);
    sincePublished_.start();
}

void MazePicture::SetName(const QString& name, bool always)
{
    // One notice for each change, and with `always` one for the same words again (two steps
    // along one corridor are both spoken), whether or not the setter itself notifies then.
    if (name != accessibleName()) {
        setAccessibleName(name);
    } else if (always) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void MazePicture::SetDescription(const QString& description)
{
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

void MazePicture::Announce(const QString& words, const MazeState& state)
{
    description_ = tr("Playing a maze of %1 by %2 cells from S at the top left to G at the bottom right.")
                       .arg(state.Width())
                       .arg(state.Height());
    SetDescription(description_);
    Announce(words);
}

void MazePicture::Announce(const QString& words, const ShapeScreen& shape)
{
    description_ = tr("Playing a maze in the shape %1, of %2 cells, %3.")
                       .arg(ShapeTitle(shape.Choice()))
                       .arg(shape.Maze().shape.graph.CellCount())
                       .arg(WhereSAndGAre(shape.Choice().kind));
    SetDescription(description_);
    Announce(words);
}

void MazePicture::Announce(const QString& words)
{
    throttle_.stop();
    name_ = words;
    SetName(words, true);
    sincePublished_.start();
}

QString BuildButtonName() { return MazePicture::tr("New maze"); }

QString SolveButtonName() { return MazePicture::tr("Solve the maze"); }

void DescribeButtons(QAbstractButton& build, QAbstractButton& solve)
{
    for (auto [button, text] : {std::pair{&build, MazePicture::tr("Builds a new random maze.")},
                                std::pair{&solve, MazePicture::tr("Finds the route from S to G and draws it.")}}) {
        button->setAccessibleName(button == &build ? BuildButtonName() : SolveButtonName());
        button->setToolTip(text);
        button->setAccessibleDescription(text);
    }
}

void OfferCloseAction(QWidget& window)
{
    InstallAccessibleFactory();
    window.setProperty(kCloseActionProperty, true);
}

}  // namespace tolvane
