// The Worksheets dialog against the command line: its options, its PDF, its refusals, its memory.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "qt/cli/CommandLine.h"
#include "qt/cli/run/ExportCommand.h"
#include "qt/window/desk/WorksheetDialog.h"
#include "widget/CapturedStderr.h"

namespace tolvane {
namespace {

constexpr int kPlanMs = 20000;  // a worker's planning, on a busy machine

struct Desk {
    QTemporaryDir dir;
    std::unique_ptr<WorksheetDialog> dialog;
    Desk() { Open(); }
    void Open() { dialog = std::make_unique<WorksheetDialog>(nullptr, dir.filePath("settings.ini")); }
    template <typename T>
    T* Field(const char* name) const
    {
        T* field = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    // Plans at once and waits for the worker.
    void Settle() const
    {
        dialog->Refresh();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->Busy(); }, kPlanMs));
        QCoreApplication::processEvents();
    }
};

// What `tolvane --export FILE …` says on standard error, without "Tolvane: " and the pointer
// to --help: the sentence the dialog must show.
QString CommandLineRefusal(const QStringList& arguments)
{
    // As main() goes: a parse error is printed as it stands, anything else is the export's to say.
    const Options options = ParseCommandLine(QStringList{"Tolvane", "--export", "refused.pdf"} + arguments);
    QString said = options.text.trimmed();
    if (options.mode == Options::Mode::Export) {
        testing::CapturedStderr captured;
        EXPECT_NE(RunExport(options), 0) << qPrintable(arguments.join(' '));
        said = QString::fromStdString(captured.Take()).trimmed();
    }
    if (said.startsWith("Tolvane: "))
        said.remove(0, 9);
    said.remove(QRegularExpression(QStringLiteral(" \\('tolvane --help' lists the options\\)$")));
    return said;
}

// Each field of the dialog sets exactly one option, read back by the command line's parser.
TEST(WorksheetDialog, EachFieldGivesItsOption)
{
    struct Row {
        const char* option;
        std::function<void(const Desk&)> set;
        QStringList expected;  // the arguments added to what the dialog gives unchanged
        std::function<bool(const Options&)> read;
    };
    const std::vector<Row> rows = {
        {"level", [](const Desk& d) { d.Field<QComboBox>("level")->setCurrentIndex(3); }, {"--level", "3"},
         [](const Options& o) { return o.level == 3; }},
        {"shape", [](const Desk& d) { d.Field<QComboBox>("shape")->setCurrentIndex(1); }, {"--shape", "circle"},
         [](const Options& o) { return o.shape && o.shape->kind == ShapeKind::Circle; }},
        {"text",
         [](const Desk& d) {
             d.Field<QComboBox>("shape")->setCurrentIndex(d.Field<QComboBox>("shape")->count() - 1);
             d.Field<QLineEdit>("word")->setText("CAT");
         },
         {"--text", "CAT"}, [](const Options& o) { return o.shape && o.shape->word == "CAT"; }},
        {"size", [](const Desk& d) { d.Field<QLineEdit>("size")->setText("31x17"); }, {"--size", "31x17"},
         [](const Options& o) { return o.size.width == 31 && o.size.height == 17; }},
        {"algorithm", [](const Desk& d) { d.Field<QComboBox>("algorithm")->setCurrentIndex(2); },
         {"--algorithm", QString::fromLatin1(kAlgorithms[1].name)},
         [](const Options& o) { return o.how.algorithm == kAlgorithms[1].id; }},
        {"braid", [](const Desk& d) { d.Field<QSpinBox>("braid")->setValue(30); }, {"--braid", "30"},
         [](const Options& o) { return o.how.braid == 30; }},
        {"route", [](const Desk& d) { d.Field<QLineEdit>("route")->setText("40%"); }, {"--route", "40%"},
         [](const Options& o) { return o.route == 176; }},  // 40 % of 21 x 21 = 441 cells
        {"hard", [](const Desk& d) { d.Field<QCheckBox>("hard")->setChecked(true); }, {"--hard"},
         [](const Options& o) { return o.how.algorithm == Algorithm::Backtracker && o.route == 441 / 2; }},
        {"count", [](const Desk& d) { d.Field<QSpinBox>("count")->setValue(30); }, {"--count", "30"},
         [](const Options& o) { return o.count == 30; }},
        {"per-page", [](const Desk& d) { d.Field<QComboBox>("per-page")->setCurrentIndex(2); }, {"--per-page", "4"},
         [](const Options& o) { return o.perPage == 4; }},
        {"copies", [](const Desk& d) { d.Field<QSpinBox>("copies")->setValue(3); }, {"--copies", "3"},
         [](const Options& o) { return o.copies == 3; }},
        {"title", [](const Desk& d) { d.Field<QLineEdit>("title")->setText("Class 3B's mazes"); },
         {"--title", "Class 3B's mazes"}, [](const Options& o) { return o.title == "Class 3B's mazes"; }},
        {"name-line", [](const Desk& d) { d.Field<QComboBox>("name-line")->setCurrentIndex(1); }, {"--name-line"},
         [](const Options& o) { return o.nameLine == true; }},
        {"no-name-line", [](const Desk& d) { d.Field<QComboBox>("name-line")->setCurrentIndex(2); }, {"--no-name-line"},
         [](const Options& o) { return o.nameLine == false; }},
        {"solution", [](const Desk& d) { d.Field<QCheckBox>("solution")->setChecked(true); }, {"--solution"},
         [](const Options& o) { return o.solution; }},
        {"paper", [](const Desk& d) { d.Field<QComboBox>("paper")->setCurrentIndex(d.Field<QComboBox>("paper")->findData("a3")); },
         {}, [](const Options& o) { return o.paper == Paper::A3; }},
        {"tile",
         [](const Desk& d) {
             d.Field<QSpinBox>("tileColumns")->setValue(3);
             d.Field<QSpinBox>("tileRows")->setValue(2);
         },
         {"--tile", "3x2"}, [](const Options& o) { return o.tiling.columns == 3 && o.tiling.rows == 2; }},
    };
    for (const Row& row : rows) {
        Desk desk;
        desk.dialog->SetChoices({});  // the command line's defaults, on A4
        const QStringList before = SettingsArguments(desk.dialog->Choices());
        EXPECT_EQ(before, (QStringList{"--paper", "a4"}));
        row.set(desk);
        QStringList after = SettingsArguments(desk.dialog->Choices());
        QStringList expected = row.expected + before;
        if (QString(row.option) == "paper")
            expected = {"--paper", "a3"};
        // The options come in the dialog's order; each row asks only which were added.
        std::sort(after.begin(), after.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(after, expected) << row.option;
        const Options read = ParseCommandLine(QStringList{"Tolvane", "--export", "x.pdf"} + SettingsArguments(desk.dialog->Choices()));
        ASSERT_EQ(read.mode, Options::Mode::Export) << row.option << ": " << qPrintable(read.text);
        EXPECT_TRUE(row.read(read)) << row.option;
    }
}

// The PDF of a PDF file with its one moment of writing taken out: the rest is the content.
QByteArray Timeless(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QByteArray bytes = file.readAll();
    static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:[0-9]+Z?\\)"));
    return QString::fromLatin1(bytes).remove(date).toLatin1();
}

int PdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type /Page\\s"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// The title as the PDF's document information holds it: UTF-16, high byte first.
bool HoldsTitle(const QByteArray& pdf, const QString& title)
{
    QByteArray wide;
    for (QChar c : title)
        wide.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
    return pdf.contains(wide);
}

// Saved from the dialog, the sheets are the command line's for the codes and options it shows,
// byte for byte; and they are the sheets asked for: the mazes as many as asked, the sheets as
// many as counted by hand, the title on them, the level's cells said to be kept.
TEST(WorksheetDialog, SavesThePdfTheCommandLineShownWrites)
{
    WorksheetChoices classSet;
    classSet.level = 2;
    classSet.count = 6;
    classSet.perPage = 4;
    classSet.copies = 2;
    classSet.answers = true;
    classSet.title = "Mazes for 2B";
    WorksheetChoices poster;
    poster.shape = "hexagon";
    poster.size = "12";
    poster.hard = true;
    poster.tileColumns = 2;
    poster.tileRows = 2;
    // 6 mazes 4 a page are 2 pages, twice over, and an answer key of 2 pages; a poster 4 sheets.
    const std::pair<WorksheetChoices, int> cases[] = {{classSet, 6}, {poster, 4}};
    for (const auto& [choices, sheets] : cases) {
        Desk desk;
        desk.dialog->SetChoices(choices);
        desk.Settle();
        const PlannedSheets* planned = desk.dialog->Planned();
        ASSERT_NE(planned, nullptr);
        EXPECT_EQ(planned->codes.size(), choices.count);
        const QString dialogPdf = desk.dir.filePath("dialog.pdf");
        desk.dialog->SaveAs(dialogPdf);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !desk.dialog->Busy(); }, kPlanMs));
        QCoreApplication::processEvents();
        ASSERT_EQ(desk.dialog->LastSaveError(), QString());
        // The command line as the dialog shows it, its words split where the shell would.
        QStringList words;
        static const QRegularExpression word(QStringLiteral("'([^']*)'|(\\S+)"));
        for (auto match = word.globalMatch(desk.dialog->Command()); match.hasNext();) {
            const auto m = match.next();
            words << (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1));
        }
        ASSERT_EQ(words.mid(0, 3), (QStringList{"tolvane", "--export", "worksheets.pdf"}));
        const QString cliPdf = desk.dir.filePath("cli.pdf");
        words[0] = "Tolvane";
        words[2] = cliPdf;
        EXPECT_EQ(RunExport(ParseCommandLine(words)), 0);
        EXPECT_EQ(Timeless(dialogPdf), Timeless(cliPdf));
        const QByteArray saved = Timeless(dialogPdf);
        EXPECT_EQ(PdfPages(saved), sheets);
        if (!choices.title.isEmpty())
            EXPECT_TRUE(HoldsTitle(saved, choices.title));
        const QString facts = desk.Field<QLabel>("facts")->text();
        EXPECT_TRUE(facts.contains(QStringLiteral("sheets of paper: %1").arg(sheets))) << qPrintable(facts);
        if (choices.level > 0)  // the command line took the sheets, so the level's cells are kept
            EXPECT_TRUE(facts.contains(QStringLiteral("level %1 keeps cells of at least").arg(choices.level)) &&
                        facts.contains(QStringLiteral(": kept")))
                << qPrintable(facts);
        // The class set's mazes are level 2's size; the poster's a hexagon's code each.
        for (const QString& code : planned->codes)
            EXPECT_EQ(ParseCommandLine({"Tolvane", "--maze", code}).mode, Options::Mode::Window) << qPrintable(code);
    }
}

// A PDF that cannot be written is said, and nothing is left where it was to go.
TEST(WorksheetDialog, SaysWhenItCannotSave)
{
    Desk desk;
    desk.Settle();
    ASSERT_NE(desk.dialog->Planned(), nullptr);
    const QString path = desk.dir.filePath("no-such-folder/sheets.pdf");
    desk.dialog->SaveAs(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desk.dialog->Busy(); }, kPlanMs));
    QCoreApplication::processEvents();
    ASSERT_TRUE(desk.dialog->LastSaveError().has_value());
    EXPECT_FALSE(desk.dialog->LastSaveError()->isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    auto* said = desk.Field<QLabel>("problem");
    EXPECT_TRUE(said->isVisibleTo(desk.dialog.get()));
    EXPECT_TRUE(said->text().contains(*desk.dialog->LastSaveError()));
}

// A refusal is the command line's own sentence, beside the field whose option it names, and
// nothing can be saved or printed until the choice changes.
TEST(WorksheetDialog, ShowsTheCommandLinesRefusalBesideItsField)
{
    struct Case {
        std::function<void(WorksheetChoices&)> choose;
        const char* field;
    };
    const std::vector<Case> cases = {
        {[](WorksheetChoices& c) { c.size = "1x40"; }, "problem-size"},
        {[](WorksheetChoices& c) { c.route = "95%"; }, "problem-route"},
        {[](WorksheetChoices& c) { c.level = 3; c.perPage = 6; }, "problem-per-page"},
        {[](WorksheetChoices& c) { c.shape = kWordShape; c.word = "ABC1"; }, "problem-text"},
        {[](WorksheetChoices& c) { c.perPage = 2; c.tileColumns = 2; }, "problem-tile"},
        // A sentence that names no option stands under the preview.
        {[](WorksheetChoices& c) { c.title = QString(300, QLatin1Char('W')); }, "problem"},
    };
    for (const Case& test : cases) {
        WorksheetChoices choices;
        test.choose(choices);
        const QString sentence = CommandLineRefusal(SettingsArguments(choices));
        ASSERT_FALSE(sentence.isEmpty()) << test.field;
        Desk desk;
        desk.dialog->SetChoices(choices);
        desk.Settle();
        int shown = 0;
        for (QLabel* label : desk.dialog->findChildren<QLabel*>(QRegularExpression("^problem")))
            shown += label->isVisibleTo(desk.dialog.get()) ? 1 : 0;
        EXPECT_EQ(shown, 1) << test.field;
        auto* beside = desk.Field<QLabel>(test.field);
        ASSERT_NE(beside, nullptr);
        EXPECT_TRUE(beside->isVisibleTo(desk.dialog.get())) << test.field;
        EXPECT_EQ(beside->text().toStdString(), sentence.toStdString()) << test.field;
        EXPECT_EQ(desk.dialog->Planned(), nullptr);
        EXPECT_FALSE(desk.Field<QWidget>("savePdf")->isEnabled());
        EXPECT_FALSE(desk.Field<QWidget>("print")->isEnabled());
    }
}

// Closed and opened again, the dialog has the choices it had.
TEST(WorksheetDialog, KeepsItsChoicesBetweenRuns)
{
    Desk desk;
    WorksheetChoices chosen;
    chosen.shape = kWordShape;
    chosen.word = "OWL";
    chosen.count = 12;
    chosen.perPage = 2;
    chosen.copies = 4;
    chosen.title = "Owls";
    chosen.nameLines = WorksheetChoices::NameLines::Never;
    chosen.answers = true;
    chosen.paper = "letter";
    chosen.size = "20";
    chosen.algorithm = QString::fromLatin1(kAlgorithms[3].name);
    chosen.braid = 10;
    desk.dialog->SetChoices(chosen);
    desk.Settle();
    desk.dialog.reset();
    desk.Open();
    EXPECT_EQ(desk.dialog->Choices(), chosen);
}

}  // namespace
}  // namespace tolvane
