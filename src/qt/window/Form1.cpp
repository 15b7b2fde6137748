// The window.
#include "qt/window/Form1.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "core/generate/Recipe.h"
#include "qt/window/FactsBox.h"
#include "core/maze/SizedCode.h"
#include "core/platform/Random.h"
#include "qt/paper/Pictures.h"
#include "qt/window/Guard.h"
#include "qt/window/Keyboard.h"

namespace tolvane {
namespace {

constexpr QRect kCommand1Geometry{368, 8, 89, 33};
constexpr QRect kCommand2Geometry{368, 56, 89, 33};

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
      reportError_([this](const QString& handler, const QString& error) { ShowErrorBox(handler, error); })
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
        Handle("Command1_Click", [this] {
            routeShown_ = false;
            program_.Command1_Click();
            seed_ = random_->LastSeed();
        });
    });
    connect(&Command2, &QPushButton::clicked, this, [this] {
        Handle("Command2_Click", [this] {
            program_.Command2_Click();
            routeShown_ = program_.state().Found != kFalse;
        });
    });
    connect(&Timer1, &QTimer::timeout, this, [this] { Handle("Timer1_Timer", [this] { program_.Timer1_Timer(); }); });

    menu_ = new MazeMenu(*this, *this, [this](SizedSeed maze) { OpenMaze(maze.seed, maze.size); });
    play_ = new PlayController(*this, program_, picture_, [this](const QString& words) { picture_.Announce(words); },
                               Command1, Command2,
                               [this](const char* name, const std::function<void()>& work) {
                                   Handle(name, [&] {
                                       if (std::string_view(name) == "Play_Start")
                                           routeShown_ = false;  // starting a game stops the replay
                                       work();
                                   });
                               });
    menu_->AddFirst(play_->action());
    sizeMenu_ = new SizeMenu(*this, [this](MazeSize size) { ChooseSize(size); });
    menu_->Menu().addSeparator();
    menu_->Menu().addMenu(sizeMenu_);
    buildMenu_ = new BuildMenu(*this, [this](BuildChoice how) { ChooseBuild(how); });
    menu_->Menu().addMenu(buildMenu_);
    // The facts, a key away wherever the focus is.
    facts_.setText(QCoreApplication::translate("Form1", "&Facts of the Maze…"));
    facts_.setShortcut(QKeySequence(Qt::Key_F));
    facts_.setShortcutVisibleInContextMenu(true);
    addAction(&facts_);
    connect(&facts_, &QAction::triggered, this, [this] { ShowFacts(*this, program_.state(), program_.builtWith(), MazeCode()); });
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
    SetBuildChoice(how);
    if (auto* clock = dynamic_cast<ClockRandom*>(random_.get()))
        clock->QueueSeed(seed);
    ChooseSize(size);
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
    program_.SetMazeSize(size);
    sizeMenu_->Show(size);
    Command1.click();
}

QString Form1::MazeCode() const
{
    if (!HasMaze() || !seed_)
        return {};
    return QString::fromStdString(FormatRecipeCode({.size = program_.state().size, .how = program_.builtWith(), .seed = *seed_}));
}

QImage Form1::ShownPicture() const
{
    const double scale = surface_.scale();
    const int side = static_cast<int>(std::ceil(kPictureSide * scale));
    QImage picture = surface_.image().copy(0, 0, side, side);
    picture.setDevicePixelRatio(scale);
    return picture;
}

bool Form1::event(QEvent* event)
{
    // The picture's tooltip names the maze's code; the picture itself takes no mouse events.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (QRect(0, 0, kPictureSide, kPictureSide).contains(help->pos()) && !picture_.toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), picture_.toolTip(), this);
            return true;
        }
    }
    return QWidget::event(event);
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    const QRect picture(0, 0, kPictureSide, kPictureSide);
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
    picture_.Follow(name, program_.state(), MazeCode());
    if (play_)
        play_->Follow(name);
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
    painter.drawImage(QRectF(0, 0, kClientWidth, kClientHeight), surface_.image());
}

}  // namespace tolvane
