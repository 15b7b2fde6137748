// The Worksheets dialog: its fields, the planning behind them, the preview and the two ways out.
#include "qt/window/desk/WorksheetDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFormLayout>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/generate/Algorithms.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/Export.h"
#include "qt/paper/Facts.h"
#include "qt/paper/print/Paper.h"
#include "qt/window/Guard.h"

namespace tolvane {
namespace {

constexpr int kSettleMs = 300;       // the pause in typing after which the sheets are planned again
constexpr int kPreviewSheets = 16;     // the preview's sheets at most: pictures take memory
constexpr double kPreviewDpi = 90;
constexpr double kPreviewLongestSide = 1400;  // pixels: a big paper's sheets come smaller
constexpr int kPreviewPollMs = 150;
constexpr int kSaveTickMs = 100;
const QString kLastGroup = QStringLiteral("worksheets/last");
const QString kPresetGroup = QStringLiteral("worksheets/presets");

// A printer's progress as a dialog the user can cancel.
class PrintProgress final : public Progress {
public:
    explicit PrintProgress(QWidget* parent) : dialog_(QCoreApplication::translate("Worksheets", "Printing…"), QCoreApplication::translate("Worksheets", "Cancel"), 0, 100, parent)
    {
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
    }
    bool Reached(long long done, long long total) override
    {
        dialog_.setMaximum(static_cast<int>(total));
        dialog_.setValue(static_cast<int>(done));
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

WorksheetChoices UsualChoices()
{
    WorksheetChoices choices;
    choices.paper = NameOf(LocalePaper());
    return choices;
}

void Select(QComboBox* box, const QVariant& data)
{
    const int index = box->findData(data);
    box->setCurrentIndex(std::max(0, index));
}

}  // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent, const QString& settingsFile)
    : QDialog(parent),
      settings_(settingsFile.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("tolvane"), QStringLiteral("tolvane"))
                                       : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat))
{
    setObjectName("Worksheets");
    setWindowTitle(QCoreApplication::translate("Worksheets", "Worksheets"));
    BuildFields();
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &WorksheetDialog::Refresh);
    previewPoll_.setInterval(kPreviewPollMs);
    connect(&previewPoll_, &QTimer::timeout, this, &WorksheetDialog::TakePreviewSheets);
    saveProgress_.setInterval(kSaveTickMs);
    connect(&saveProgress_, &QTimer::timeout, this, [this] {
        if (saving_ && saving_->total > 0) {
            progress_->setMaximum(static_cast<int>(saving_->total));
            progress_->setValue(static_cast<int>(saving_->done));
        }
    });
    LoadPresets();
    SetChoices(LoadChoices(*settings_, kLastGroup, UsualChoices()));
}

WorksheetDialog::~WorksheetDialog()
{
    // A PDF being written is given up, leaving nothing behind, and no thread outlives the dialog.
    if (saving_)
        saving_->cancelled = true;
    if (previewJob_)
        previewJob_->cancelled = true;
    for (const QPointer<QThread>& thread : threads_)
        if (thread) {
            thread->disconnect(this);
            thread->wait();
        }
}

void WorksheetDialog::BuildFields()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto* presetRow = new QHBoxLayout;
    preset_ = new QComboBox;
    preset_->setObjectName("preset");
    auto* savePreset = new QPushButton(QCoreApplication::translate("Worksheets", "Save as Preset…"));
    savePreset->setObjectName("savePreset");
    presetRow->addWidget(preset_, 1);
    presetRow->addWidget(savePreset);
    auto* presetBox = new QWidget;
    presetBox->setLayout(presetRow);
    presetRow->setContentsMargins(0, 0, 0, 0);
    form->addRow(QCoreApplication::translate("Worksheets", "Preset:"), presetBox);
    connect(preset_, &QComboBox::activated, this, &WorksheetDialog::ChoosePreset);
    connect(savePreset, &QPushButton::clicked, this, &WorksheetDialog::SavePreset);

    level_ = new QComboBox;
    level_->setObjectName("level");
    level_->addItem(QCoreApplication::translate("Worksheets", "None: a size and a way of my own"), 0);
    for (const Level& level : kLevels)
        level_->addItem(level.number == static_cast<int>(kLevels.size())
                            ? QCoreApplication::translate("Worksheets", "Level %1 (adults, %2×%3)").arg(level.number).arg(level.size.width).arg(level.size.height)
                            : QCoreApplication::translate("Worksheets", "Level %1 (ages %2, %3×%4)")
                                  .arg(level.number)
                                  .arg(QString::fromLatin1(level.ages))
                                  .arg(level.size.width)
                                  .arg(level.size.height),
                        level.number);
    form->addRow(QCoreApplication::translate("Worksheets", "&Level:"), Field(level_, {"level"}));

    shape_ = new QComboBox;
    shape_->setObjectName("shape");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Rectangle"), "rectangle");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Circle"), "circle");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Hexagon"), "hexagon");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Triangle"), "triangle");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Rectangle of hexagons"), "hexagon-rectangle");
    shape_->addItem(QCoreApplication::translate("Worksheets", "Rectangle of triangles"), "triangle-rectangle");
    shape_->addItem(QCoreApplication::translate("Worksheets", "A word"), kWordShape);
    form->addRow(QCoreApplication::translate("Worksheets", "S&hape:"), Field(shape_, {"shape"}));
    word_ = new QLineEdit;
    word_->setObjectName("word");
    word_->setPlaceholderText(QCoreApplication::translate("Worksheets", "letters A to Z"));
    form->addRow(QCoreApplication::translate("Worksheets", "&Word:"), Field(word_, {"text"}));
    size_ = new QLineEdit;
    size_->setObjectName("size");
    size_->setPlaceholderText(QCoreApplication::translate("Worksheets", "the shape's usual size, such as 31x31"));
    form->addRow(QCoreApplication::translate("Worksheets", "Si&ze:"), Field(size_, {"size"}));

    algorithm_ = new QComboBox;
    algorithm_->setObjectName("algorithm");
    algorithm_->addItem(QCoreApplication::translate("Worksheets", "The usual way"), QString());
    for (const AlgorithmInfo& a : kAlgorithms) {
        algorithm_->addItem(AlgorithmTitle(a.id), QString::fromLatin1(a.name));
        algorithm_->setItemData(algorithm_->count() - 1, AlgorithmFeel(a.id), Qt::ToolTipRole);
    }
    form->addRow(QCoreApplication::translate("Worksheets", "Way to &build:"), Field(algorithm_, {"algorithm"}));
    braid_ = new QSpinBox;
    braid_->setObjectName("braid");
    braid_->setRange(0, kMaxBraid);
    braid_->setSuffix(QStringLiteral(" %"));
    braid_->setToolTip(QCoreApplication::translate("Worksheets", "Loops: this share of the dead ends opened, so that there is more than one way."));
    form->addRow(QCoreApplication::translate("Worksheets", "L&oops:"), Field(braid_, {"braid"}));
    route_ = new QLineEdit;
    route_->setObjectName("route");
    route_->setPlaceholderText(QCoreApplication::translate("Worksheets", "cells, or a share such as 40%"));
    form->addRow(QCoreApplication::translate("Worksheets", "&Route:"), Field(route_, {"route"}));
    hard_ = new QCheckBox(QCoreApplication::translate("Worksheets", "Hard: long winding corridors, the route through half the cells"));
    hard_->setObjectName("hard");
    form->addRow(QString(), Field(hard_, {"hard"}));

    count_ = new QSpinBox;
    count_->setObjectName("count");
    count_->setRange(1, kMaxCount);
    form->addRow(QCoreApplication::translate("Worksheets", "&Mazes:"), Field(count_, {"count", "maze"}));
    perPage_ = new QComboBox;
    perPage_->setObjectName("per-page");
    for (int n : kPerPageChoices)
        perPage_->addItem(QString::number(n), n);
    form->addRow(QCoreApplication::translate("Worksheets", "Mazes a &page:"), Field(perPage_, {"per-page"}));
    copies_ = new QSpinBox;
    copies_->setObjectName("copies");
    copies_->setRange(1, kMaxCopies);
    form->addRow(QCoreApplication::translate("Worksheets", "&Copies:"), Field(copies_, {"copies"}));
    title_ = new QLineEdit;
    title_->setObjectName("title");
    form->addRow(QCoreApplication::translate("Worksheets", "&Title:"), Field(title_, {"title"}));
    nameLines_ = new QComboBox;
    nameLines_->setObjectName("name-line");
    nameLines_->addItem(QCoreApplication::translate("Worksheets", "On worksheets, not on posters"), static_cast<int>(WorksheetChoices::NameLines::Usual));
    nameLines_->addItem(QCoreApplication::translate("Worksheets", "Always"), static_cast<int>(WorksheetChoices::NameLines::Always));
    nameLines_->addItem(QCoreApplication::translate("Worksheets", "Never"), static_cast<int>(WorksheetChoices::NameLines::Never));
    form->addRow(QCoreApplication::translate("Worksheets", "&Name lines:"), Field(nameLines_, {"name-line", "no-name-line"}));
    answers_ = new QCheckBox(QCoreApplication::translate("Worksheets", "Answer key at the end"));
    answers_->setObjectName("solution");
    form->addRow(QString(), Field(answers_, {"solution"}));
    paper_ = new QComboBox;
    paper_->setObjectName("paper");
    for (Paper paper : PapersBySize())
        paper_->addItem(NameOf(paper).toUpper(), NameOf(paper));
    form->addRow(QCoreApplication::translate("Worksheets", "P&aper:"), Field(paper_, {"paper"}));
    auto* tiles = new QHBoxLayout;
    tiles->setContentsMargins(0, 0, 0, 0);
    tileColumns_ = new QSpinBox;
    tileColumns_->setObjectName("tileColumns");
    tileRows_ = new QSpinBox;
    tileRows_->setObjectName("tileRows");
    for (QSpinBox* side : {tileColumns_, tileRows_})
        side->setRange(1, kMostTiles);
    tiles->addWidget(tileColumns_);
    tiles->addWidget(new QLabel(QStringLiteral("×")));
    tiles->addWidget(tileRows_);
    tiles->addWidget(new QLabel(QCoreApplication::translate("Worksheets", "sheets")), 1);
    auto* tileBox = new QWidget;
    tileBox->setLayout(tiles);
    tileBox->setToolTip(QCoreApplication::translate("Worksheets", "A poster across columns × rows sheets, with marks to join them by."));
    form->addRow(QCoreApplication::translate("Worksheets", "Poster &tiles:"), Field(tileBox, {"tile"}));

    auto* fields = new QWidget;
    fields->setLayout(form);
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    // The preview, what it says of the sheets, the codes and the command line.
    preview_ = new QPrintPreviewWidget(&printer_);
    preview_->setObjectName("preview");
    preview_->setMinimumSize(240, 240);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &WorksheetDialog::PaintPreview);
    // The pages are pictures shown smaller than painted: smoothed, a thin wall stays a line.
    if (auto* view = preview_->findChild<QGraphicsView*>())
        view->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    generalProblem_ = new QLabel;
    generalProblem_->setObjectName("problem");
    generalProblem_->setWordWrap(true);
    generalProblem_->setStyleSheet(QStringLiteral("color: #b00020"));
    generalProblem_->hide();
    facts_ = new QLabel;
    facts_->setObjectName("facts");
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    busy_ = new QLabel;
    progress_ = new QProgressBar;
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(12);
    cancel_ = new QPushButton(QCoreApplication::translate("Worksheets", "Cancel"));
    cancel_->setObjectName("cancel");
    connect(cancel_, &QPushButton::clicked, this, &WorksheetDialog::Cancel);
    auto* busyRow = new QHBoxLayout;
    busyRow->addWidget(busy_);
    busyRow->addWidget(progress_, 1);
    busyRow->addWidget(cancel_);
    codes_ = new QPlainTextEdit;
    codes_->setObjectName("codes");
    codes_->setReadOnly(true);
    codes_->setMaximumHeight(70);
    codes_->setToolTip(QCoreApplication::translate("Worksheets", "The mazes' codes, in order: open one in the window, or print the set again."));
    command_ = new QLineEdit;
    command_->setObjectName("command");
    command_->setReadOnly(true);
    command_->setToolTip(QCoreApplication::translate("Worksheets", "The command line that prints these sheets again, for a colleague or a script."));
    auto* copyCommand = new QPushButton(QCoreApplication::translate("Worksheets", "Cop&y"));
    copyCommand->setObjectName("copyCommand");
    connect(copyCommand, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(command_->text()); });
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(command_, 1);
    commandRow->addWidget(copyCommand);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(preview_, 1);
    right->addWidget(generalProblem_);
    right->addWidget(facts_);
    right->addLayout(busyRow);
    right->addWidget(new QLabel(QCoreApplication::translate("Worksheets", "Maze codes:")));
    right->addWidget(codes_);
    right->addWidget(new QLabel(QCoreApplication::translate("Worksheets", "Command line:")));
    right->addLayout(commandRow);
    auto* rightBox = new QWidget;
    rightBox->setLayout(right);

    auto* splitter = new QSplitter;
    splitter->addWidget(scroll);
    splitter->addWidget(rightBox);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    save_ = buttons->addButton(QCoreApplication::translate("Worksheets", "&Save as PDF…"), QDialogButtonBox::ActionRole);
    save_->setObjectName("savePdf");
    print_ = buttons->addButton(QCoreApplication::translate("Worksheets", "&Print…"), QDialogButtonBox::ActionRole);
    print_->setObjectName("print");
    connect(save_, &QPushButton::clicked, this, &WorksheetDialog::SaveClicked);
    connect(print_, &QPushButton::clicked, this, &WorksheetDialog::PrintClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    // As big as the fields and a readable page want, on a small screen no bigger than it.
    QSize size(980, 680);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.92);
    resize(size);
    // The fields as wide as their longest label and choice in the user's language; the page the rest.
    const int fieldsWidth = fields->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width();
    splitter->setSizes({fieldsWidth, std::max(preview_->minimumWidth(), size.width() - fieldsWidth)});

    for (QComboBox* box : {level_, shape_, algorithm_, perPage_, nameLines_, paper_})
        connect(box, &QComboBox::currentIndexChanged, this, &WorksheetDialog::ChoicesChanged);
    for (QLineEdit* line : {word_, size_, route_, title_})
        connect(line, &QLineEdit::textChanged, this, &WorksheetDialog::ChoicesChanged);
    for (QSpinBox* spin : {braid_, count_, copies_, tileColumns_, tileRows_})
        connect(spin, &QSpinBox::valueChanged, this, &WorksheetDialog::ChoicesChanged);
    for (QCheckBox* box : {hard_, answers_})
        connect(box, &QCheckBox::toggled, this, &WorksheetDialog::ChoicesChanged);
}

// The input with a line under it for the command line's refusal of the options it gives.
QWidget* WorksheetDialog::Field(QWidget* input, const QStringList& options)
{
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(input);
    auto* problem = new QLabel;
    problem->setObjectName(QStringLiteral("problem-%1").arg(options.front()));
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00020"));
    problem->hide();
    column->addWidget(problem);
    for (const QString& option : options)
        problems_.insert(option, problem);
    return box;
}

WorksheetChoices WorksheetDialog::Choices() const
{
    WorksheetChoices c;
    c.level = level_->currentData().toInt();
    c.shape = shape_->currentData().toString();
    c.word = word_->text();
    c.size = size_->text();
    c.algorithm = algorithm_->currentData().toString();
    c.braid = braid_->value();
    c.route = route_->text();
    c.hard = hard_->isChecked();
    c.count = count_->value();
    c.perPage = perPage_->currentData().toInt();
    c.copies = copies_->value();
    c.title = title_->text();
    c.nameLines = static_cast<WorksheetChoices::NameLines>(nameLines_->currentData().toInt());
    c.answers = answers_->isChecked();
    c.paper = paper_->currentData().toString();
    c.tileColumns = tileColumns_->value();
    c.tileRows = tileRows_->value();
    return c;
}

void WorksheetDialog::SetChoices(const WorksheetChoices& c)
{
    filling_ = true;
    Select(level_, c.level);
    Select(shape_, c.shape);
    word_->setText(c.word);
    size_->setText(c.size);
    Select(algorithm_, c.algorithm);
    braid_->setValue(c.braid);
    route_->setText(c.route);
    hard_->setChecked(c.hard);
    count_->setValue(c.count);
    Select(perPage_, c.perPage);
    copies_->setValue(c.copies);
    title_->setText(c.title);
    Select(nameLines_, static_cast<int>(c.nameLines));
    answers_->setChecked(c.answers);
    Select(paper_, c.paper);
    tileColumns_->setValue(c.tileColumns);
    tileRows_->setValue(c.tileRows);
    filling_ = false;
    ChoicesChanged();
}

void WorksheetDialog::ChoicesChanged()
{
    if (filling_)
        return;
    UpdateEnabled();
    settle_.start();
}

// A level and a hard maze each bring their own size and way to build, which the command line
// would refuse beside them: those fields rest while either is chosen.
void WorksheetDialog::UpdateEnabled()
{
    const bool level = level_->currentData().toInt() > 0;
    hard_->setEnabled(!level);
    const bool own = !level && !hard_->isChecked();
    size_->setEnabled(!level);
    for (QWidget* field : std::initializer_list<QWidget*>{algorithm_, braid_, route_})
        field->setEnabled(own);
    word_->setEnabled(shape_->currentData().toString() == kWordShape);
}

void WorksheetDialog::ClearProblems()
{
    for (QLabel* label : problems_)
        label->hide();
    generalProblem_->hide();
}

void WorksheetDialog::ShowProblem(const QString& sentence)
{
    ClearProblems();
    QLabel* label = problems_.value(OptionNamedIn(sentence), generalProblem_);
    label->setText(sentence);
    label->show();
    facts_->setText(QCoreApplication::translate("Worksheets", "Nothing to print until this is changed."));
}

QThread* WorksheetDialog::Start(std::function<void()> work)
{
    QThread* thread = QThread::create(std::move(work));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    std::erase_if(threads_, [](const QPointer<QThread>& t) { return t.isNull(); });
    threads_.emplace_back(thread);
    return thread;
}

void WorksheetDialog::Refresh()
{
    // Nothing thrown while planning reaches the event loop: it is said where a refusal is.
    if (const auto thrown = RunGuarded([this] { Plan(); }))
        ShowProblem(QCoreApplication::translate("Worksheets", "the sheets could not be made: %1").arg(QString::fromStdString(*thrown)));
}

void WorksheetDialog::Plan()
{
    settle_.stop();
    const WorksheetChoices choices = Choices();
    SaveChoices(*settings_, kLastGroup, choices);
    const int generation = ++generation_;
    planned_.reset();
    if (previewJob_)
        previewJob_->cancelled = true;
    previewJob_.reset();
    previewSheets_.clear();
    preview_->updatePreview();
    save_->setEnabled(false);
    print_->setEnabled(false);
    codes_->clear();
    command_->setText(CommandText(kSheetFileName, SettingsArguments(choices)));
    command_->setCursorPosition(0);
    auto job = std::make_shared<PlanJob>();
    job->choices = choices;
    job->options = ParseCommandLine(QStringList{QStringLiteral("Tolvane"), QStringLiteral("--export"), kSheetFileName} +
                                    SettingsArguments(choices));
    if (job->options.mode != Options::Mode::Export) {
        ShowProblem(RefusalSentence(job->options));
        return;
    }
    ClearProblems();
    busy_->setText(QCoreApplication::translate("Worksheets", "Choosing the mazes…"));
    progress_->setRange(0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{busy_, progress_, cancel_})
        w->show();
    QThread* thread = Start([job] { job->Run(); });
    connect(thread, &QThread::finished, this, [this, job, generation] {
        if (const auto thrown = RunGuarded([&] { PlanArrived(job, generation); }))
            ShowProblem(QCoreApplication::translate("Worksheets", "the sheets could not be made: %1").arg(QString::fromStdString(*thrown)));
    });
    thread->start();
}

void WorksheetDialog::PlanArrived(const std::shared_ptr<PlanJob>& job, int generation)
{
    if (generation != generation_)
        return;  // the choices changed since, or Cancel was pressed
    for (QWidget* w : std::initializer_list<QWidget*>{busy_, progress_, cancel_})
        w->hide();
    if (!job->planned) {
        ShowProblem(job->problem);
        return;
    }
    planned_ = std::make_shared<const PlannedSheets>(std::move(*job->planned));
    codes_->setPlainText(planned_->codes.join(QLatin1Char('\n')));
    command_->setText(Command());
    command_->setCursorPosition(0);
    save_->setEnabled(true);
    print_->setEnabled(true);
    StartPreview();
}

// The preview's sheets are painted as pictures on a worker thread, the first shown as soon as it
// is done and the others as they come: a poster of a million cells never holds up the window.
void WorksheetDialog::StartPreview()
{
    if (previewJob_)
        previewJob_->cancelled = true;
    previewSheets_.clear();
    const Worksheet& sheet = planned_->sheet;
    auto job = std::make_shared<PreviewJob>();
    job->planned = planned_;
    job->layout = QPageLayout(PageSizeOf(sheet.paper), QPageLayout::Portrait, kPaperMargins, QPageLayout::Millimeter);
    const QSizeF inches = job->layout.fullRect(QPageLayout::Inch).size();
    job->dpi = std::min(kPreviewDpi, kPreviewLongestSide / std::max(inches.width(), inches.height()));
    job->most = kPreviewSheets;
    previewJob_ = job;
    // The pictures are whole pages: the preview's paper has no margins of its own.
    printer_.setPageLayout(QPageLayout(PageSizeOf(sheet.paper), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    printer_.setDocName(sheet.title.isEmpty() ? QCoreApplication::translate("Worksheets", "Worksheets") : sheet.title);
    preview_->updatePreview();
    busy_->setText(QCoreApplication::translate("Worksheets", "Drawing the preview…"));
    progress_->setRange(0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{busy_, progress_, cancel_})
        w->show();
    QThread* thread = Start([job] { job->Run(); });
    connect(thread, &QThread::finished, this, [this, job] {
        if (job != previewJob_)
            return;
        previewPoll_.stop();
        TakePreviewSheets();
        if (!saving_)
            for (QWidget* w : std::initializer_list<QWidget*>{busy_, progress_, cancel_})
                w->hide();
    });
    previewPoll_.start();
    thread->start();
    ShowFacts();
}

void WorksheetDialog::TakePreviewSheets()
{
    if (!previewJob_)
        return;
    std::vector<QImage> more = previewJob_->Take(previewSheets_.size());
    if (more.empty())
        return;
    std::move(more.begin(), more.end(), std::back_inserter(previewSheets_));
    preview_->updatePreview();
    ShowFacts();
}

void WorksheetDialog::PaintPreview(QPrinter* printer)
{
    const auto thrown = RunGuarded([&] {
        QPainter painter;
        if (previewSheets_.empty() || !painter.begin(printer))
            return;
        const QRectF page(QPointF(0, 0), printer->pageLayout().fullRectPixels(printer->resolution()).size());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t i = 0; i < previewSheets_.size(); ++i) {
            if (i > 0 && !printer->newPage())
                break;
            painter.drawImage(page, previewSheets_[i]);
        }
        painter.end();
    });
    if (thrown)
        ShowProblem(QCoreApplication::translate("Worksheets", "the preview could not be drawn: %1").arg(QString::fromStdString(*thrown)));
}

// A word on what was done, where the progress of work under way stands.
void WorksheetDialog::Say(const QString& text)
{
    busy_->setText(text);
    busy_->setVisible(!text.isEmpty());
    progress_->hide();
    cancel_->hide();
}

void WorksheetDialog::ShowFacts()
{
    if (!planned_)
        return;
    const Worksheet& sheet = planned_->sheet;
    const int sheets = PageCount(sheet);
    QStringList lines;
    lines << QCoreApplication::translate("Worksheets", "sheets of paper: %1").arg(sheets);
    lines << QCoreApplication::translate("Worksheets", "smallest printed cell %1 mm").arg(planned_->smallestCellMm, 0, 'f', 1);
    if (planned_->level > 0)
        lines << QCoreApplication::translate("Worksheets", "level %1 keeps cells of at least %2 mm: %3")
                     .arg(planned_->level)
                     .arg(SmallestCellMm(planned_->level))
                     .arg(planned_->smallestCellMm >= SmallestCellMm(planned_->level) ? QCoreApplication::translate("Worksheets", "kept") : QCoreApplication::translate("Worksheets", "not kept"));
    const int shown = static_cast<int>(previewSheets_.size());
    if (shown < sheets && previewJob_ && shown >= previewJob_->most)
        lines << QCoreApplication::translate("Worksheets", "the preview shows the first %1; the PDF and the print have them all").arg(shown);
    else if (shown < sheets)
        lines << QCoreApplication::translate("Worksheets", "the preview has %1 so far").arg(shown);
    facts_->setText(lines.join(QStringLiteral(" · ")));
}

QString WorksheetDialog::Command() const
{
    return planned_ ? CommandText(kSheetFileName, planned_->reprint) : command_->text();
}

bool WorksheetDialog::Busy() const
{
    return settle_.isActive() || std::any_of(threads_.begin(), threads_.end(), [](const QPointer<QThread>& t) {
               return !t.isNull() && !t->isFinished();
           });
}

void WorksheetDialog::Cancel()
{
    ++generation_;  // the planning under way is dropped when it ends
    if (saving_)
        saving_->cancelled = true;
    if (previewJob_)
        previewJob_->cancelled = true;
    Say(QCoreApplication::translate("Worksheets", "Cancelled."));
}

void WorksheetDialog::SaveClicked()
{
    if (!planned_)
        return;
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
                              (planned_->sheet.title.isEmpty() ? QCoreApplication::translate("Worksheets", "worksheets") : planned_->sheet.title) +
                              QStringLiteral(".pdf");
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("Worksheets", "Save as PDF"), suggested, QCoreApplication::translate("Worksheets", "PDF document (*.pdf)"));
    if (!path.isEmpty())
        SaveAs(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf"));
}

void WorksheetDialog::SaveAs(const QString& path)
{
    if (!planned_ || saving_)
        return;
    saveError_.reset();
    auto job = std::make_shared<SaveJob>();
    job->path = path;
    job->planned = planned_;
    saving_ = job;
    save_->setEnabled(false);
    busy_->setText(QCoreApplication::translate("Worksheets", "Writing %1…").arg(QFileInfo(path).fileName()));
    progress_->setRange(0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{busy_, progress_, cancel_})
        w->show();
    saveProgress_.start();
    QThread* thread = Start([job] { job->Run(); });
    connect(thread, &QThread::finished, this, [this, job] { SaveFinished(job); });
    thread->start();
}

void WorksheetDialog::SaveFinished(const std::shared_ptr<SaveJob>& job)
{
    saveProgress_.stop();
    saving_.reset();
    save_->setEnabled(planned_ != nullptr);
    if (job->cancelled) {
        saveError_ = QCoreApplication::translate("Worksheets", "Cancelled.");
        Say(QCoreApplication::translate("Worksheets", "Saving was cancelled; nothing was written."));
        return;
    }
    Say({});
    saveError_ = job->error.value_or(QString());
    // Said beside the preview, where the teacher looks, and nothing was left on the disk.
    if (job->error) {
        generalProblem_->setText(QCoreApplication::translate("Worksheets", "The sheets were not saved: %1").arg(*job->error));
        generalProblem_->show();
    } else
        Say(QCoreApplication::translate("Worksheets", "Saved %1.").arg(QDir::toNativeSeparators(job->path)));
}

void WorksheetDialog::PrintClicked()
{
    if (!planned_)
        return;
    auto planned = planned_;  // kept whatever the fields do while the printer's dialog is open
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(PageSizeOf(planned->sheet.paper), QPageLayout::Portrait, kPaperMargins,
                                      QPageLayout::Millimeter));
    printer.setDocName(printer_.docName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    bool printed = false;
    const auto thrown = RunGuarded([&] {
        PrintProgress progress(this);
        QPainter painter;
        printed = painter.begin(&printer) && PaintWorksheet(printer, painter, planned->sheet, &progress) && painter.end();
    });
    if (thrown || !printed)
        QMessageBox::warning(this, QCoreApplication::translate("Worksheets", "Print"), QCoreApplication::translate("Worksheets", "The sheets could not be printed."));
}

void WorksheetDialog::LoadPresets()
{
    preset_->clear();
    preset_->addItem(QCoreApplication::translate("Worksheets", "Choose a preset…"));
    for (const auto& [name, choices] : BuiltInPresets())
        preset_->addItem(name, QVariant::fromValue(name));
    settings_->beginGroup(kPresetGroup);
    const QStringList own = settings_->childGroups();
    settings_->endGroup();
    for (const QString& name : own)
        preset_->addItem(name, QStringLiteral("own:") + name);
}

void WorksheetDialog::ChoosePreset(int index)
{
    const QString key = preset_->itemData(index).toString();
    if (key.startsWith(QLatin1String("own:"))) {
        SetChoices(LoadChoices(*settings_, kPresetGroup + QLatin1Char('/') + key.mid(4), UsualChoices()));
    } else {
        for (const auto& [name, choices] : BuiltInPresets())
            if (name == key) {
                WorksheetChoices chosen = choices;
                // A preset on A4 says so in its name; the others are printed on the user's paper.
                if (!name.contains(QLatin1String("A4")))
                    chosen.paper = paper_->currentData().toString();
                SetChoices(chosen);
            }
    }
    Refresh();
}

void WorksheetDialog::SavePreset()
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QCoreApplication::translate("Worksheets", "Save as Preset"), QCoreApplication::translate("Worksheets", "A name for these choices:"), QLineEdit::Normal, {}, &ok).trimmed();
    if (!ok || name.isEmpty())
        return;
    // A name is one settings group: slashes would make it several.
    QString key = name;
    key.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    SaveChoices(*settings_, kPresetGroup + QLatin1Char('/') + key, Choices());
    LoadPresets();
    Select(preset_, QStringLiteral("own:") + key);
}

void ShowWorksheetDialog(QWidget& window)
{
    auto* open = window.findChild<WorksheetDialog*>(QStringLiteral("Worksheets"), Qt::FindDirectChildrenOnly);
    if (!open) {
        open = new WorksheetDialog(&window);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

}  // namespace tolvane
