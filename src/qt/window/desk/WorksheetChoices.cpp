// The Worksheets dialog's choices and the command line they stand for.
#include "qt/window/desk/WorksheetChoices.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "qt/cli/CommandLine.h"

namespace tolvane {
namespace {

QString Number(int n) { return QString::number(n); }

// Where the mazes are laid out: the options a reprint keeps.
QStringList SheetArguments(const WorksheetChoices& c)
{
    QStringList a;
    if (c.perPage != 1)
        a << QStringLiteral("--per-page") << Number(c.perPage);
    if (c.copies != 1)
        a << QStringLiteral("--copies") << Number(c.copies);
    if (!c.title.isEmpty())
        a << QStringLiteral("--title") << c.title;
    if (c.nameLines == WorksheetChoices::NameLines::Always)
        a << QStringLiteral("--name-line");
    if (c.nameLines == WorksheetChoices::NameLines::Never)
        a << QStringLiteral("--no-name-line");
    if (c.answers)
        a << QStringLiteral("--solution");
    a << QStringLiteral("--paper") << c.paper;
    if (c.tileColumns != 1 || c.tileRows != 1)
        a << QStringLiteral("--tile") << QStringLiteral("%1x%2").arg(c.tileColumns).arg(c.tileRows);
    return a;
}

}  // namespace

QStringList SettingsArguments(const WorksheetChoices& c)
{
    QStringList a;
    if (c.shape == kWordShape)
        a << QStringLiteral("--text") << c.word;
    else if (c.shape != QLatin1String("rectangle"))
        a << QStringLiteral("--shape") << c.shape;
    // A level, or a hard maze, has its own size and way to build; the dialog asks for neither then.
    if (c.level > 0) {
        a << QStringLiteral("--level") << Number(c.level);
    } else {
        if (!c.size.trimmed().isEmpty())
            a << QStringLiteral("--size") << c.size.trimmed();
        if (c.hard) {
            a << QStringLiteral("--hard");
        } else {
            if (!c.algorithm.isEmpty())
                a << QStringLiteral("--algorithm") << c.algorithm;
            if (c.braid > 0)
                a << QStringLiteral("--braid") << Number(c.braid);
            if (!c.route.trimmed().isEmpty())
                a << QStringLiteral("--route") << c.route.trimmed();
        }
    }
    if (c.count != 1)
        a << QStringLiteral("--count") << Number(c.count);
    return a + SheetArguments(c);
}

QStringList ReprintArguments(const WorksheetChoices& choices, const QStringList& codes)
{
    return QStringList{QStringLiteral("--maze"), codes.join(QLatin1Char(','))} + SheetArguments(choices);
}

QString CommandText(const QString& file, const QStringList& arguments)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:,=%+-]+$"));
    QStringList words{QStringLiteral("tolvane"), QStringLiteral("--export")};
    for (const QString& word : QStringList{file} + arguments) {
        if (plain.match(word).hasMatch())
            words << word;
        else
            words << QLatin1Char('\'') + QString(word).replace(QLatin1String("'"), QLatin1String("'\\''")) + QLatin1Char('\'');
    }
    return words.join(QLatin1Char(' '));
}

QString RefusalSentence(const Options& refused)
{
    QString text = refused.text.trimmed();
    const QString program = QStringLiteral("Tolvane: ");
    if (text.startsWith(program))
        text.remove(0, program.size());
    const QString help =
        QStringLiteral(" (%1)").arg(QCoreApplication::translate("CommandLine", "'tolvane --help' lists the options"));
    if (text.endsWith(help))
        text.chop(help.size());
    return text;
}

QString OptionNamedIn(const QString& sentence)
{
    static const QRegularExpression option(QStringLiteral("--([a-z][a-z-]*[a-z])"));
    const auto match = option.match(sentence);
    return match.hasMatch() ? match.captured(1) : QString();
}

WorksheetChoices LoadChoices(const QSettings& s, const QString& group, const WorksheetChoices& fallback)
{
    const auto key = [&](const char* name) { return group + QLatin1Char('/') + QLatin1String(name); };
    const auto number = [&](const char* name, int usual, int lowest, int highest) {
        bool ok = false;
        const int n = s.value(key(name), usual).toInt(&ok);
        return ok && n >= lowest && n <= highest ? n : usual;  // a hand-edited file cannot ask for nonsense
    };
    WorksheetChoices c;
    c.level = number("level", fallback.level, 0, 5);
    c.shape = s.value(key("shape"), fallback.shape).toString();
    c.word = s.value(key("word"), fallback.word).toString();
    c.size = s.value(key("size"), fallback.size).toString();
    c.algorithm = s.value(key("algorithm"), fallback.algorithm).toString();
    c.braid = number("braid", fallback.braid, 0, 100);
    c.route = s.value(key("route"), fallback.route).toString();
    c.hard = s.value(key("hard"), fallback.hard).toBool();
    c.count = number("count", fallback.count, 1, kMaxCount);
    c.perPage = number("perPage", fallback.perPage, 1, 6);
    c.copies = number("copies", fallback.copies, 1, kMaxCopies);
    c.title = s.value(key("title"), fallback.title).toString();
    c.nameLines = static_cast<WorksheetChoices::NameLines>(number("nameLines", static_cast<int>(fallback.nameLines), 0, 2));
    c.answers = s.value(key("answers"), fallback.answers).toBool();
    c.paper = s.value(key("paper"), fallback.paper).toString();
    c.tileColumns = number("tileColumns", fallback.tileColumns, 1, kMostTiles);
    c.tileRows = number("tileRows", fallback.tileRows, 1, kMostTiles);
    return c;
}

void SaveChoices(QSettings& s, const QString& group, const WorksheetChoices& c)
{
    s.beginGroup(group);
    s.setValue("level", c.level);
    s.setValue("shape", c.shape);
    s.setValue("word", c.word);
    s.setValue("size", c.size);
    s.setValue("algorithm", c.algorithm);
    s.setValue("braid", c.braid);
    s.setValue("route", c.route);
    s.setValue("hard", c.hard);
    s.setValue("count", c.count);
    s.setValue("perPage", c.perPage);
    s.setValue("copies", c.copies);
    s.setValue("title", c.title);
    s.setValue("nameLines", static_cast<int>(c.nameLines));
    s.setValue("answers", c.answers);
    s.setValue("paper", c.paper);
    s.setValue("tileColumns", c.tileColumns);
    s.setValue("tileRows", c.tileRows);
    s.endGroup();
}

std::vector<std::pair<QString, WorksheetChoices>> BuiltInPresets()
{
    WorksheetChoices classSet;
    classSet.level = 2;
    classSet.count = 30;
    classSet.perPage = 4;
    classSet.answers = true;
    WorksheetChoices poster;
    poster.hard = true;
    poster.size = QStringLiteral("101x101");
    poster.tileColumns = 3;
    poster.tileRows = 3;
    WorksheetChoices puzzleBook;
    puzzleBook.level = 4;
    puzzleBook.count = 12;
    puzzleBook.perPage = 2;
    puzzleBook.answers = true;
    return {
        {QCoreApplication::translate("Worksheets", "Class set, level 2, 4 a page"), classSet},
        {QCoreApplication::translate("Worksheets", "Poster on 3 × 3 A4"), poster},
        {QCoreApplication::translate("Worksheets", "Puzzle book, level 4, 2 a page, with answers"), puzzleBook},
    };
}

}  // namespace tolvane
