// The maze picture's context menu and what its items do.
#include "qt/window/MazeMenu.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QPrinter>
#include <QShortcut>

#include "qt/paper/Export.h"
#include "qt/platform/Desktop.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/print/Printing.h"
#include "qt/window/code/CodeMessage.h"
#include "qt/window/choice/SizeMenu.h"
#include "qt/window/choice/WindowShape.h"
#include "qt/window/code/OpenCodeDialog.h"
#include "qt/window/desk/WorksheetDialog.h"
#include "qt/window/watch/SaveAnimation.h"

namespace tolvane {
namespace {

struct FileType {
    const char* filter;
    const char* suffix;
};
const FileType kFileTypes[] = {
    {QT_TRANSLATE_NOOP("MazeMenu", "PNG image (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("MazeMenu", "SVG image (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("MazeMenu", "PDF document (*.pdf)"), "pdf"},
};

constexpr qsizetype kPastedMax = 200;  // characters of a pasted text that is no code shown in the dialog

QString SolutionChoice() { return QCoreApplication::translate("MazeMenu", "Include the solution (the whole route)"); }

// The maze shown as a sheet for a file or the printer: the classic state is read as the
// rectangle shape it is, and the sheet points into that.
struct ShownSheet {
    ShownSheet(const ShownMaze& shown, const QString& code, Answer answer)
        : rectangle(shown.ShownShape() ? std::nullopt : std::optional(ShapeMazeOf(shown.Maze()))),
          sheet{rectangle ? &*rectangle : shown.ShownShape(), code, answer, shown.ShownGame()}
    {
    }
    ShownSheet(const ShownSheet&) = delete;
    ShownSheet& operator=(const ShownSheet&) = delete;

    const std::optional<ShapeMaze> rectangle;
    const Sheet sheet;
};

}  // namespace

MazeMenu::MazeMenu(QWidget& window, const ShownMaze& shown, std::function<void(const Recipe&)> open)
    : QObject(&window),
      window_(window),
      shown_(shown),
      copy_(QCoreApplication::translate("MazeMenu", "&Copy")),
      copyCode_(QCoreApplication::translate("MazeMenu", "Copy Maze C&ode")),
      save_(QCoreApplication::translate("MazeMenu", "&Save…")),
      saveAnimation_(QCoreApplication::translate("MazeMenu", "Save &Animation…")),
      print_(QCoreApplication::translate("MazeMenu", "&Print…")),
      worksheets_(QCoreApplication::translate("MazeMenu", "&Worksheets…")),
      openCode_(QCoreApplication::translate("MazeMenu", "Open &Maze Code…")),
      open_(std::move(open))
{
    copy_.setShortcut(QKeySequence::Copy);
    copyCode_.setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    save_.setShortcut(QKeySequence::Save);
    saveAnimation_.setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    print_.setShortcut(QKeySequence::Print);
    worksheets_.setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    openCode_.setShortcut(QKeySequence::Open);
    paste_.setShortcut(QKeySequence::Paste);
    connect(&copy_, &QAction::triggered, this, &MazeMenu::Copy);
    connect(&copyCode_, &QAction::triggered, this, &MazeMenu::CopyCode);
    connect(&save_, &QAction::triggered, this, &MazeMenu::Save);
    connect(&saveAnimation_, &QAction::triggered, this, &MazeMenu::SaveAnimation);
    connect(&print_, &QAction::triggered, this, &MazeMenu::Print);
    connect(&worksheets_, &QAction::triggered, this, &MazeMenu::Worksheets);
    connect(&openCode_, &QAction::triggered, this, &MazeMenu::OpenCode);
    connect(&paste_, &QAction::triggered, this, &MazeMenu::PasteCode);
    for (QAction* action : {&copy_, &copyCode_, &save_, &saveAnimation_, &print_, &worksheets_, &openCode_, &paste_}) {
        action->setShortcutVisibleInContextMenu(true);
        window.addAction(action);
    }
    // Shift+F10 opens the menu from the keyboard, as the Menu key does, on keyboards without one.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    connect(menuKey, &QShortcut::activated, this,
            [this] { Popup(window_.mapToGlobal(QPoint(kPictureSide / 2, kPictureSide / 2))); });
    menu_.addAction(&copy_);
    menu_.addAction(&copyCode_);
    menu_.addSeparator();
    menu_.addAction(&save_);
    menu_.addAction(&saveAnimation_);
    menu_.addAction(&print_);
    menu_.addAction(&worksheets_);
    menu_.addSeparator();
    menu_.addAction(&openCode_);
    Update();
}

void MazeMenu::Update()
{
    const bool maze = shown_.HasMaze();
    copy_.setEnabled(maze);
    copyCode_.setEnabled(maze && !shown_.MazeCode().isEmpty());
    save_.setEnabled(maze);
    saveAnimation_.setEnabled(maze);
    print_.setEnabled(maze);
}

void MazeMenu::OpenCode()
{
    if (const auto maze = AskForMazeCode(window_, kLargestWindowSide))
        open_(*maze);
}

void MazeMenu::PasteCode()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (const auto recipe = ReadCode(text.toStdString()).recipe; recipe && !WindowProblem(*recipe))
        open_(*recipe);
    else if (const auto asked = AskForMazeCode(window_, kLargestWindowSide, text.left(kPastedMax)))
        open_(*asked);
}

void MazeMenu::Worksheets() { ShowWorksheetDialog(window_); }

void MazeMenu::Popup(const QPoint& globalPos) { menu_.popup(globalPos); }

void MazeMenu::AddFirst(QAction& action)
{
    QAction* first = menu_.actions().value(0);
    menu_.insertAction(first, &action);
    menu_.insertSeparator(first);
}

void MazeMenu::Copy()
{
    if (!shown_.HasMaze())
        return;
    auto* data = new QMimeData;
    data->setImageData(shown_.ShownPicture());
    if (!shown_.MazeCode().isEmpty())
        data->setText(shown_.MazeCode());
    QGuiApplication::clipboard()->setMimeData(data);
}

void MazeMenu::CopyCode()
{
    if (!shown_.MazeCode().isEmpty())
        QGuiApplication::clipboard()->setText(shown_.MazeCode());
}

void MazeMenu::Save()
{
    if (!shown_.HasMaze())
        return;
    // Qt's own dialog, so that the choice of the route can sit in it.
    QFileDialog dialog(&window_, QCoreApplication::translate("MazeMenu", "Save Maze"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileType& type : kFileTypes)
        filters << QCoreApplication::translate("MazeMenu", type.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kFileTypes[0].suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromLatin1(kFileTypes[std::max<qsizetype>(0, filters.indexOf(filter))].suffix));
    });
    if (folder_.isEmpty()) {
        folder_ = DefaultSaveFolder();
    }
    dialog.setDirectory(folder_);
    const QString code = shown_.MazeCode();
    dialog.selectFile(SheetFileName(code) + QStringLiteral(".png"));
    QCheckBox solution(SolutionChoice());
    solution.setChecked(shown_.RouteShown());
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(&solution, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().front();
    folder_ = QFileInfo(path).absolutePath();
    if (!FormatOf(path)) {
        const qsizetype type = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
        path += QLatin1Char('.') + QString::fromLatin1(kFileTypes[type].suffix);
    }
    const Answer answer = solution.isChecked() ? Answer::Shown : Answer::Hidden;
    const ShownSheet shown(shown_, code, answer);
    if (const auto error = WriteSheets(path, {shown.sheet}, window_.devicePixelRatioF()))
        QMessageBox::warning(&window_, window_.windowTitle(), *error);
}

void MazeMenu::SaveAnimation()
{
    if (!shown_.HasMaze())
        return;
    const Answer answer = shown_.RouteShown() ? Answer::Shown : Answer::Hidden;
    if (const ShapeMaze* shape = shown_.ShownShape())
        tolvane::SaveAnimation(window_, shown_.MazeCode(), *shape, shown_.ShownGame(), answer, shown_.PaceMs(), folder_);
    else
        tolvane::SaveAnimation(window_, shown_.MazeCode(), shown_.Maze(), shown_.ShownGame(), answer, shown_.PaceMs(), folder_);
}

void MazeMenu::Print()
{
    if (!shown_.HasMaze())
        return;
    QPrinter printer(QPrinter::HighResolution);
    // Printed to a file, the dialog proposes this name with ".pdf", as Save proposes it with ".png".
    printer.setDocName(SheetFileName(shown_.MazeCode()));
    // The page as it will print, the solution on it or not, before the printer is chosen; the
    // preview's own Print button asks for the printer and prints what it shows.
    QPrintPreviewDialog dialog(&printer, &window_);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle(QCoreApplication::translate("MazeMenu", "Print Preview"));
    QAction solution(SolutionChoice(), &dialog);
    solution.setObjectName("PrintSolution");
    solution.setCheckable(true);
    solution.setChecked(shown_.RouteShown());
    // First on the preview's tool bar, where it is seen at any size of the dialog.
    if (auto* tools = dialog.findChild<QToolBar*>()) {
        QAction* first = tools->actions().value(0);
        tools->insertAction(first, &solution);
        tools->insertSeparator(first);
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 700)).boundedTo(window_.screen()->availableSize()));
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    connect(&solution, &QAction::toggled, &dialog, [preview] {
        if (preview)
            preview->updatePreview();
    });
    bool printed = true;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        const Answer answer = solution.isChecked() ? Answer::Shown : Answer::Hidden;
        printed = PrintSheet(*target, ShownSheet(shown_, shown_.MazeCode(), answer).sheet);
    });
    if (dialog.exec() == QDialog::Accepted && !printed)
        QMessageBox::warning(&window_, window_.windowTitle(),
                             QCoreApplication::translate("MazeMenu", "The maze could not be printed."));
}

}  // namespace tolvane
