// The window.
#include "qt/window/Form1.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QInputDialog>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QToolTip>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "core/code/Recipe.h"
#include "qt/window/FactsBox.h"
#include "core/code/SizedCode.h"
#include "core/platform/Random.h"
#include "core/play/DrawPlay.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/surface/PainterSurface.h"
#include "qt/window/Guard.h"
#include "qt/window/Keyboard.h"
#include "qt/window/choice/WindowShape.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {
namespace {

constexpr QRect kCommand1Geometry{368, 8, 89, 33};
constexpr QRect kCommand2Geometry{368, 56, 89, 33};
constexpr int kButtonGap = kCommand1Geometry.left() - kClientHeight;  // white columns right of the picture
constexpr QRgb kCoverColour = 0xFFD8D8D8;  // a plain grey over the maze while the game is paused
constexpr int kCoverTextSize = 20;         // pixels

}  // namespace

Form1::Form1(std::unique_ptr<RandomSource> random)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      Command1(QString::fromUtf8("制作"), this),
      Command2(QString::fromUtf8("迷路を解く"), this),
      Timer1(this),
      surface_(kClientWidth, kClientHeight, WindowFont()),
      random_(random ? std::move(random) : std::make_unique<ClockRandom>()),
      program_(Platform{surface_, timer1Switch_, command2Switch_, *random_}),
      reportError_([this](const QString& handler, const QString& error) { ShowErrorBox(handler, error); }),
      askLeave_([this](int moves) { return AskLeaveBox(moves); })
{
    setObjectName("Form1");
    setWindowTitle("Tolvane");
    setFont(WindowFont());
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the backing image covers every pixel

    for (auto [button, name, geometry] : {std::tuple{&Command1, "Command1", kCommand1Geometry},
                                          std::tuple{&Command2, "Command2", kCommand2Geometry}}) {
        button->setObjectName(name);
        button->setGeometry(geometry);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    Command2.setEnabled(false);
    setTabOrder(&Command1, &Command2);
    Command1.setFocus();
    AddKeyboard(*this, {&Command1, &Command2});
    DescribeButtons(Command1, Command2);
    OfferCloseAction(*this);

    Timer1.setObjectName("Timer1");
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(kTimerInterval);

    connect(&Command1, &QPushButton::clicked, this, [this] {
        if (!MayLeaveGame())
            return;
        const MazeSize size = program_.mazeSize();
        FitTo(program_.shapeChoice().kind != ShapeKind::Rectangle || size.width > kSide || size.height > kSide);
        Handle("Command1_Click", [this] {
            routeShown_ = false;
            program_.Command1_Click();
            seed_ = random_->LastSeed();
        });
    });
    connect(&Command2, &QPushButton::clicked, this, [this] {
        Handle("Command2_Click", [this] {
            program_.Command2_Click();
            routeShown_ = program_.ShapeShown() || program_.state().Found != kFalse;
        });
    });
    connect(&Timer1, &QTimer::timeout, this, [this] { Handle("Timer1_Timer", [this] { program_.Timer1_Timer(); }); });

    menu_ = new MazeMenu(*this, *this, [this](const Recipe& recipe) {
        if (const auto problem = OpenRecipe(recipe))
            QMessageBox::information(this, windowTitle(), *problem);
    });
    play_ = new PlayController(*this, program_, picture_,
                               [this](const QString& words) {
                                   if (const ShapeScreen* shape = program_.ShapeShown())
                                       picture_.Announce(words, *shape);
                                   else
                                       picture_.Announce(words, program_.state());
                               },
                               Command1, Command2,
                               [this](const char* name, const std::function<void()>& work) {
                                   Handle(name, [&] {
                                       if (std::string_view(name) == "Play_Start")
                                           routeShown_ = false;  // starting a game stops the replay
                                       work();
                                   });
                               });
    menu_->AddFirst(play_->action());
    sizeMenu_ = new SizeMenu(*this, [this](MazeSize size) {
        ChooseSize(size);
        if (program_.shapeChoice().kind == ShapeKind::Rectangle)
            RememberShape({});
    });
    shapeMenu_ = new ShapeMenu(*this, [this](const ShapeChoice& shape) { ChooseShape(shape); }, [this]() -> std::optional<QString> {
        bool ok = false;
        const QString word = QInputDialog::getText(
            this, QCoreApplication::translate("Form1", "Outline of a Word"),
            QCoreApplication::translate("Form1", "The word, 1 to %1 letters A to Z:").arg(kLongestWord), QLineEdit::Normal,
            QString::fromStdString(program_.shapeChoice().word), &ok);
        if (!ok)
            return std::nullopt;
        if (!OutlineWord(word))
            QMessageBox::information(this, windowTitle(),
                                     QCoreApplication::translate("Form1", "An outline takes a word of 1 to %1 letters A to Z, not %2.")
                                         .arg(kLongestWord)
                                         .arg(Quoted(word)));
        return word;
    });
    menu_->Menu().addSeparator();
    menu_->Menu().addMenu(sizeMenu_);
    menu_->Menu().addMenu(shapeMenu_);
    // The clock stands still while the menu is open.
    connect(&menu_->Menu(), &QMenu::aboutToShow, this, [this] { play_->SetHeld(true); });
    connect(&menu_->Menu(), &QMenu::aboutToHide, this, [this] { play_->SetHeld(false); });

    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    connect(fullScreen, &QShortcut::activated, this, &Form1::ToggleFullScreen);
    watch_ = new WatchController(
        *this, WatchWindow{surface_, [this] { update(); }, [this](const QString& words) { picture_.Announce(words); },
                           // A rectangle's state, or (below) the maze of another shape.
                           [this]() -> const MazeState* { return HasMaze() && !program_.ShapeShown() ? &program_.state() : nullptr; },
                           [this]() -> std::optional<SizedSeed> {
                               return seed_ ? std::optional(SizedSeed{*seed_, program_.state().size}) : std::nullopt;
                           },
                           [this] {
                               Handle("Play_Watch", [this] {
                                   Timer1.stop();
                                   program_.Play_Stop();
                                   routeShown_ = false;
                               });
                           },
                           [this](WatchKind kind) {
                               routeShown_ = kind == WatchKind::Search;
                               if (routeShown_)
                                   Handle("Watch_Finished", [this] { program_.ShowWholeRoute(); });
                           },
                           [this] { return program_.Geometry(); }, [this] { return program_.builtWith(); },
                           [this] { return ShownShape(); },
                           [this] { return program_.ShapeShown()->View(side_ - 1); }});
    menu_->Menu().addMenu(&watch_->Menu());
    buildMenu_ = new BuildMenu(*this, [this](BuildChoice how) { ChooseBuild(how); });
    menu_->Menu().addMenu(buildMenu_);
    // The facts, a key away wherever the focus is.
    facts_.setText(QCoreApplication::translate("Form1", "&Facts of the Maze…"));
    facts_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));  // F watches the search
    facts_.setShortcutVisibleInContextMenu(true);
    addAction(&facts_);
    connect(&facts_, &QAction::triggered, this, [this] {
        if (const ShapeScreen* shape = program_.ShapeShown())
            ShowFactsText(*this, ShapeFactsText(shape->Maze(), shape->Choice(), shape->BuiltWith(), MazeCode()));
        else
            ShowFacts(*this, program_.state(), program_.builtWith(), MazeCode());
    });
    menu_->Menu().addAction(&facts_);
    facts_.setEnabled(false);  // until the first maze

    // The frame is drawn into the backing image before the window is first shown.
    Handle("Form_Load", [this] { program_.Form_Load(); });
}

Form1::~Form1()
{
    delete play_;
    play_ = nullptr;
}

void Form1::OpenMaze(std::uint64_t seed, MazeSize size, const BuildChoice& how)
{
    if (!MayLeaveGame())
        return;
    const QScopedValueRollback asked(leaveAsked_, true);
    SetBuildChoice(how);
    if (auto* clock = dynamic_cast<ClockRandom*>(random_.get()))
        clock->QueueSeed(seed);
    ChooseSize(size);
}

std::optional<QString> Form1::OpenRecipe(const Recipe& recipe)
{
    if (recipe.shape == ShapeKind::Rectangle) {
        if (const auto problem = MakeWindowShape({recipe.shape, recipe.size, {}}).problem; !problem.isEmpty())
            return problem;
        OpenMaze(recipe.seed, recipe.size, recipe.how);
        return std::nullopt;
    }
    if (!MayLeaveGame())
        return std::nullopt;
    const QScopedValueRollback asked(leaveAsked_, true);
    if (auto problem = SetShapeChoice({recipe.shape, recipe.size, recipe.word}))
        return problem;
    SetBuildChoice(recipe.how);
    if (auto* clock = dynamic_cast<ClockRandom*>(random_.get()))
        clock->QueueSeed(recipe.seed);
    Command1.click();
    return std::nullopt;
}

std::optional<QString> Form1::SetShapeChoice(const ShapeChoice& shape)
{
    WindowShape made = MakeWindowShape(shape);
    if (!made.problem.isEmpty())
        return made.problem;
    program_.SetShape(shape, std::move(made.shape));
    shapeMenu_->Show(shape);
    // The Size menu's sizes are the rectangle's.
    sizeMenu_->Show(shape.kind == ShapeKind::Rectangle ? program_.mazeSize() : MazeSize{0, 0});
    return std::nullopt;
}

void Form1::ChooseShape(const ShapeChoice& shape)
{
    if (!MayLeaveGame()) {
        shapeMenu_->Show(program_.shapeChoice());  // the menu ticked the shape it was asked for
        return;
    }
    const QScopedValueRollback asked(leaveAsked_, true);
    if (const auto problem = SetShapeChoice(shape)) {
        shapeMenu_->Show(program_.shapeChoice());
        QMessageBox::information(this, windowTitle(), *problem);
        return;
    }
    if (shape.kind != ShapeKind::Rectangle && program_.buildChoice().Classic()) {
        SetBuildChoice({Algorithm::Backtracker});
        RememberBuildChoice(program_.buildChoice());
    }
    RememberShape(shape);
    Command1.click();
}

void Form1::SetBuildChoice(const BuildChoice& how)
{
    program_.SetBuildChoice(how);
    buildMenu_->Show(how);
}

void Form1::ChooseBuild(const BuildChoice& how)
{
    SetBuildChoice(how);
    RememberBuildChoice(how);
    Command1.click();
}

void Form1::ChooseSize(MazeSize size)
{
    if (!MayLeaveGame()) {
        // The menu ticked the size it was asked for.
        sizeMenu_->Show(program_.ShapeShown() ? MazeSize{0, 0} : program_.state().size);
        return;
    }
    const QScopedValueRollback asked(leaveAsked_, true);
    program_.SetMazeSize(size);
    SetShapeChoice({ShapeKind::Rectangle, size, {}});
    Command1.click();
}

bool Form1::MayLeaveGame()
{
    if (leaveAsked_ || !program_.game().InProgress())
        return true;
    // The clock stands still while the question is open.
    play_->SetHeld(true);
    bool leave = false;
    RunGuarded([&] { leave = askLeave_(program_.game().Moves()); });
    play_->SetHeld(false);
    return leave;
}

bool Form1::AskLeaveBox(int moves)
{
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    QCoreApplication::translate("Form1", "A game is in progress (moves so far: %1). Leave it for a new maze?")
                        .arg(moves),
                    QMessageBox::NoButton, this);
    QPushButton* leave = box.addButton(QCoreApplication::translate("Form1", "&Leave the Game"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(QCoreApplication::translate("Form1", "&Keep Playing"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == leave;
}

void Form1::FitTo(bool big)
{
    // The maximise box comes and goes with the resizing, without hiding and showing the window
    // again as setWindowFlags would.
    if (big != bool(windowFlags() & Qt::WindowMaximizeButtonHint)) {
        overrideWindowFlags(windowFlags() ^ Qt::WindowMaximizeButtonHint);
        if (QWindow* window = windowHandle())
            window->setFlags(windowFlags());
    }
    if (big) {
        setMinimumSize(kClientWidth, kClientHeight);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    if (isVisible() && (isFullScreen() || isMaximized()))
        showNormal();
    setFixedSize(kClientWidth, kClientHeight);
    // At once rather than when the window system confirms the size: the build that follows
    // draws in the classic square.
    Layout(QSize(kClientWidth, kClientHeight), false);
}

void Form1::ToggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else if (Resizable())
        showFullScreen();
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout(event->size(), true);
}

void Form1::Layout(QSize size, bool redraw)
{
    if (size == surface_.logicalSize())
        return;
    side_ = std::max(kClientHeight, std::min(size.width() - kButtonColumn, size.height()));
    picture_.setGeometry(0, 0, side_, side_);
    Command1.move(side_ + kButtonGap, Command1.y());
    Command2.move(side_ + kButtonGap, Command2.y());
    play_->PlaceStatus(side_ - 1);
    if (watch_)
        watch_->PlaceCounts(side_ - 1);
    Handle("Layout", [&] {
        surface_.Resize(size.width(), size.height());
        program_.SetSquare(side_ - 1);
        if (redraw)
            program_.Redraw();
    });
}

QString Form1::MazeCode() const
{
    if (!HasMaze() || !seed_)
        return {};
    if (const ShapeScreen* shape = program_.ShapeShown()) {
        const ShapeChoice& c = shape->Choice();
        return QString::fromStdString(FormatRecipeCode({.shape = c.kind, .size = c.size, .word = c.word, .how = shape->BuiltWith(), .seed = *seed_}));
    }
    return QString::fromStdString(FormatRecipeCode({.size = program_.state().size, .how = program_.builtWith(), .seed = *seed_}));
}

const ShapeMaze* Form1::ShownShape() const
{
    const ShapeScreen* shape = program_.ShapeShown();
    return shape ? &shape->Maze() : nullptr;
}

QImage Form1::ShownPicture() const
{
    const double scale = surface_.scale();
    const int side = static_cast<int>(std::ceil(side_ * scale));
    QImage picture = surface_.image().copy(0, 0, side, side);
    picture.setDevicePixelRatio(scale);
    return picture;
}

bool Form1::event(QEvent* event)
{
    // The picture's tooltip names the maze's code; the picture itself takes no mouse events.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (QRect(0, 0, side_, side_).contains(help->pos()) && !picture_.toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), picture_.toolTip(), this);
            return true;
        }
    }
    return QWidget::event(event);
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    const QRect picture(0, 0, side_, side_);
    if (event->reason() == QContextMenuEvent::Mouse && !picture.contains(event->pos())) {
        event->ignore();
        return;
    }
    // From the keyboard (the Menu key, Shift+F10) the menu opens over the picture.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(picture.center());
    menu_->Popup(at);
}

template <typename Handler>
void Form1::Handle(const char* name, Handler&& handler)
{
    const auto error = RunGuarded(std::forward<Handler>(handler));
    update();
    menu_->Update();
    facts_.setEnabled(HasMaze());
    if (std::string_view(name) != "Layout")
        picture_.Follow(name, program_.state(), MazeCode(), program_.game(), program_.ShapeShown());
    if (play_)
        play_->Follow(name);
    if (watch_)
        watch_->Follow(name);
    if (!error)
        return;
    // The box runs its own event loop: a running replay would tick into the same fault
    // again and again, so it stops first.
    Timer1.stop();
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Form1", "Tolvane: run-time error in %1: %2")
                                .arg(QString::fromLatin1(name), QString::fromStdString(*error))));
    RunGuarded([&] { reportError_(QString::fromLatin1(name), QString::fromStdString(*error)); });
}

void Form1::ShowErrorBox(const QString& handler, const QString& error)
{
    QMessageBox::critical(this, windowTitle(),
                          QCoreApplication::translate("Form1", "Run-time error in %1:\n%2").arg(handler, error));
}

void Form1::paintEvent(QPaintEvent*)
{
    const double ratio = devicePixelRatioF();
    if (ratio != surface_.scale()) {
        if (const auto error = RunGuarded([&] { surface_.SetScale(ratio); }))
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("Form1", "Tolvane: cannot repaint at device pixel ratio %1: %2")
                                        .arg(ratio)
                                        .arg(QString::fromStdString(*error))));
    }
    // The whole image onto the whole client area maps it 1:1 onto device pixels at any ratio;
    // the painter clips it to the region that needs repainting.
    QPainter painter(this);
    painter.drawImage(QRectF(QPointF(0, 0), surface_.logicalSize()), surface_.image());
    PaintOverPicture(painter);
}

void Form1::PaintOverPicture(QPainter& painter)
{
    // Both belong to the moment, not to the picture: a copy of the picture carries neither.
    if (!play_)
        return;
    if (play_->Covered()) {
        painter.fillRect(QRect(0, 0, side_, side_), QColor::fromRgb(kCoverColour));
        QFont font = WindowFont();
        font.setPixelSize(kCoverTextSize);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, side_, side_), Qt::AlignCenter, QCoreApplication::translate("Play", "Paused"));
        return;
    }
    if (play_->Bump().empty())
        return;
    // A bar over what the marker ran into, as thick as the trail and at least 3 pixels: on
    // square cells, whose sides lie on whole pixels, a filled bar; elsewhere the side stroked as
    // drawn, slanted or an arc.
    const Shape& shape = program_.PlayMaze().shape;
    const int thick = std::max(3, ShapeTrailWidth(shape, program_.ShapeViewShown()));
    PainterSurface flash(painter, surface_.logicalSize(), WindowFont());
    flash.SetDrawWidth(thick);
    for (const CentreStroke& edge : play_->Bump()) {
        const PointF a = edge.from, b = edge.pieces.front().to;
        if (shape.kind == ShapeKind::Rectangle) {
            const int half = (thick - 1) / 2;
            const QPoint from(static_cast<int>(std::min(a.x, b.x)), static_cast<int>(std::min(a.y, b.y)));
            const QPoint to(static_cast<int>(std::max(a.x, b.x)), static_cast<int>(std::max(a.y, b.y)));
            const QRect bar = from.x() == to.x() ? QRect(from.x() - half, from.y(), thick, to.y() - from.y() + 1)
                                                 : QRect(from.x(), from.y() - half, to.x() - from.x() + 1, thick);
            painter.fillRect(bar, QColor(ToQRgb(kMarkerColour)));
        } else {
            flash.Path(edge.from, edge.pieces, kMarkerColour);
        }
    }
}

}  // namespace tolvane
