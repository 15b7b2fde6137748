// The command line: the options every command shares, then the command's own.
#include "qt/cli/CommandLine.h"

#include <QCoreApplication>
#include <algorithm>
#include <variant>

#include "qt/Version.h"
#include "qt/cli/commands/CommandOptions.h"
#include "qt/cli/help/HelpText.h"
#include "qt/cli/help/OptionHelp.h"
#include "qt/cli/parse/Codes.h"
#include "qt/cli/parse/OptionTable.h"
#include "qt/cli/parse/Readers.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

Options ParseCommandLine(const QStringList& arguments)
{
    OptionTable p;
    if (!p.parser.parse(arguments))
        return Error(ParseFailure(p, arguments));
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
        // One code of a maze built another way or of another shape names its whole recipe;
        // otherwise codes with a size, or the ten characters of a 21 x 21 maze, one or several,
        // read as leniently as ever and refused with the reason.
        auto read = ReadCodes(code, p.parser.isSet(p.oldCode));
        if (auto* bad = std::get_if<Options>(&read))
            return *bad;
        o.mazes = std::get<std::vector<Recipe>>(read);
        const Recipe& first = o.mazes.front();
        o.seed = first.seed;
        o.size = first.size;
        o.how = first.how;
        // One maze of another shape is a picture of that shape; several mazes are a worksheet,
        // each of its own shape.
        if (o.mazes.size() == 1 && first.shape != ShapeKind::Rectangle)
            o.shape = ShapeChoice{first.shape, first.size, first.word};
    }
    if (p.parser.isSet(p.oldCode) && !p.parser.isSet(p.maze))
        return Error(QCoreApplication::translate("CommandLine", "--old-code reads the codes of --maze; give it with them"));
    if (auto bad = ReadBuildChoice(p, o))
        return *bad;
    if (p.parser.isSet(p.animate))
        return ParseAnimate(p, o);
    for (const auto* option : {&p.animateWhat, &p.search, &p.pace, &p.duration})
        if (p.parser.isSet(*option))
            return Error(QCoreApplication::translate("CommandLine", "--%1 goes with --animate").arg(option->names().front()));
    const bool exporting = p.parser.isSet(p.exportFile);
    o.facts = p.parser.isSet(p.facts);
    if (!exporting && o.facts)
        return ParseFacts(p, o);
    if (!exporting)
        return ParseWindow(p, o);
    return ParseExport(p, o);
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
