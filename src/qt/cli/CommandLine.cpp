// The command line.
#include "qt/cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "qt/Version.h"
#include "qt/cli/HelpText.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {
namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    QCommandLineOption version{{"v", "version"}, QCoreApplication::translate("CommandLine", "Show the version and exit.")};
    QCommandLineOption maze{"maze",
                            QCoreApplication::translate("CommandLine", "Open the window with the maze of this code built."),
                            QCoreApplication::translate("CommandLine", "code")};
    QCommandLineOption exportFile{
        "export",
        QCoreApplication::translate("CommandLine",
                                    "Write a maze to this file and exit, without opening a window. The name's "
                                    "extension chooses the format: .png, .svg or .pdf."),
        QCoreApplication::translate("CommandLine", "file")};
    QCommandLineOption count{"count",
                             QCoreApplication::translate("CommandLine",
                                                         "With --export to a PDF: write this many new mazes, one a "
                                                         "page, from 1 to 1000."),
                             QCoreApplication::translate("CommandLine", "n")};
    QCommandLineOption solution{"solution",
                                QCoreApplication::translate("CommandLine",
                                                            "With --export: add the answer. A PNG or SVG shows the "
                                                            "whole route; a PDF follows the puzzle pages with a "
                                                            "solution page for each, in the same order.")};
    QCommandLineOption verbose{"verbose", QCoreApplication::translate(
                                              "CommandLine", "Also print the toolkit's own messages while connecting "
                                                             "to the display.")};
    QCommandLineOption platform{"platform",
                                QCoreApplication::translate("CommandLine", "Use this Qt platform plugin (xcb, wayland, …)."),
                                QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption display{"display", QCoreApplication::translate("CommandLine", "Use this X display."),
                               QCoreApplication::translate("CommandLine", "display")};

    Parser()
    {
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "Builds random perfect mazes and solves them. Without options it opens its window."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions(All());
    }

    QList<QCommandLineOption> All() const { return {help, version, maze, exportFile, count, solution, verbose, platform, display}; }
};

Options Error(const QString& message)
{
    Options o;
    o.mode = Options::Mode::Error;
    o.status = 2;
    // One line, as every failure is: what is wrong, and where to read how it goes.
    o.text = QStringLiteral("Tolvane: %1 (%2)\n")
                 .arg(message, QCoreApplication::translate("CommandLine", "'tolvane --help' lists the options"));
    return o;
}

// The keys of the window, as the manual page's KEYBOARD section lists them. Key names are the
// same in every language but the arrow keys.
struct KeyText {
    const char* keys;
    const char* what;
};
constexpr KeyText kKeys[] = {
    {"Tab, Shift+Tab", QT_TRANSLATE_NOOP("CommandLine", "Move the focus between the buttons.")},
    {"Space, Enter", QT_TRANSLATE_NOOP("CommandLine", "Press the button that has the focus.")},
    {"P", QT_TRANSLATE_NOOP("CommandLine", "Play the maze shown, or start it over from S.")},
    {QT_TRANSLATE_NOOP("CommandLine", "Arrow keys, W A S D"),
     QT_TRANSLATE_NOOP("CommandLine", "While playing: move the marker one cell.")},
    {"I", QT_TRANSLATE_NOOP("CommandLine", "While playing: say where the marker is (row, column, moves so far, "
                                           "the open sides), for screen readers.")},
    {"Escape", QT_TRANSLATE_NOOP("CommandLine", "Stop playing.")},
    {"Ctrl+C", QT_TRANSLATE_NOOP("CommandLine", "Copy the maze as a picture, with its code as text.")},
    {"Ctrl+Shift+C", QT_TRANSLATE_NOOP("CommandLine", "Copy the maze's code.")},
    {"Ctrl+O, Ctrl+V", QT_TRANSLATE_NOOP("CommandLine", "Open a maze code: typed in a dialog, or pasted.")},
    {"Ctrl+S, Ctrl+P", QT_TRANSLATE_NOOP("CommandLine", "Save or print the maze.")},
    {"Menu, Shift+F10", QT_TRANSLATE_NOOP("CommandLine", "Open the maze picture's menu.")},
    {"Ctrl+Q", QT_TRANSLATE_NOOP("CommandLine", "Quit.")},
};

QList<HelpRow> KeyboardHelp()
{
    QList<HelpRow> rows;
    for (const KeyText& key : kKeys)
        rows.append({QCoreApplication::translate("CommandLine", key.keys), QCoreApplication::translate("CommandLine", key.what)});
    return rows;
}

QString ProgramName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tolvane") : QFileInfo(arguments.front()).fileName();
}

}  // namespace

Options ParseCommandLine(const QStringList& arguments)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return Error(p.parser.errorText());
    Options o;
    // One value an option: a second one would silently replace the first, or be ignored.
    for (const QCommandLineOption& option : p.All()) {
        const auto given = std::count_if(p.parser.optionNames().cbegin(), p.parser.optionNames().cend(),
                                         [&](const QString& name) { return option.names().contains(name); });
        if (given > 1)
            return Error(QCoreApplication::translate("CommandLine", "--%1 is given more than once").arg(option.names().back()));
    }
    if (p.parser.isSet(p.help)) {
        o.mode = Options::Mode::Help;
        o.text = HelpText(p.parser.applicationDescription(), ProgramName(arguments), p.All(),
                          QCoreApplication::translate("CommandLine", "Keys in the window:"), KeyboardHelp());
        return o;
    }
    if (p.parser.isSet(p.version)) {
        o.mode = Options::Mode::Version;
        o.text = QStringLiteral("%1 %2\n").arg(ProgramName(arguments), QString::fromLatin1(kVersion));
        return o;
    }
    if (!p.parser.positionalArguments().isEmpty())
        return Error(QCoreApplication::translate("CommandLine", "unexpected argument %1").arg(Quoted(p.parser.positionalArguments().front())));
    o.verbose = p.parser.isSet(p.verbose);
    if (p.parser.isSet(p.maze)) {
        const QString code = p.parser.value(p.maze);
        const CodeReading reading = ReadCode(code);
        o.seed = reading.seed;
        if (!o.seed) {
            Options bad = Error(QCoreApplication::translate("CommandLine", "%1 is not a maze code: %2")
                                    .arg(Quoted(code), CodeFaultReason(reading)));
            bad.status = 1;
            return bad;
        }
    }
    const bool exporting = p.parser.isSet(p.exportFile);
    if (!exporting) {
        for (const auto* option : {&p.count, &p.solution})
            if (p.parser.isSet(*option))
                return Error(QCoreApplication::translate("CommandLine", "--%1 goes with --export").arg(option->names().front()));
        return o;
    }
    o.mode = Options::Mode::Export;
    o.exportFile = p.parser.value(p.exportFile);
    o.solution = p.parser.isSet(p.solution);
    if (p.parser.isSet(p.count)) {
        bool number = false;
        o.count = p.parser.value(p.count).toInt(&number);
        if (!number || o.count < 1 || o.count > kMaxCount)
            return Error(QCoreApplication::translate("CommandLine", "--count takes a whole number from 1 to %1, not %2")
                             .arg(kMaxCount)
                             .arg(Quoted(p.parser.value(p.count))));
        if (o.seed && o.count != 1)
            return Error(QCoreApplication::translate("CommandLine", "--maze exports one maze; leave out --count"));
    }
    return o;
}

QStringList ToolkitArguments(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (name.startsWith(QLatin1String("--")))
            name.remove(0, 1);
        for (const QLatin1String option : {QLatin1String("-platform"), QLatin1String("-display")}) {
            if (name == option && i + 1 < arguments.size())
                kept << option << arguments[++i];
            else if (name.startsWith(option + QLatin1Char('=')))
                kept << option << name.mid(option.size() + 1);
        }
    }
    return kept;
}

}  // namespace tolvane
