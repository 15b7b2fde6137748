// The option readers every command shares.
#include "qt/cli/parse/Readers.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/code/SizedCode.h"
#include "core/solve/Difficulty.h"
#include "qt/platform/Desktop.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

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

QString Folded(const QString& given) { return QString::fromStdString(CleanCodeText(given.toStdString())); }

QString Named(const QString& given) { return Folded(given).toLower(); }

std::optional<int> WholeNumber(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
}

std::optional<Options> ReadBuildChoice(const OptionTable& p, Options& o)
{
    const bool how = p.parser.isSet(p.algorithm) || p.parser.isSet(p.braid) || p.parser.isSet(p.route);
    if (p.parser.isSet(p.hard)) {
        if (how || p.parser.isSet(p.level) || o.seed)
            return Error(QCoreApplication::translate("CommandLine", "--hard chooses the way to build and the route itself; "
                                                                    "leave out --algorithm, --braid, --route, --level and "
                                                                    "--maze"));
        // The way whose mazes have the longest paths, and a route through half the cells.
        o.how.algorithm = Algorithm::Backtracker;
    }
    if (how && o.seed)
        return Error(QCoreApplication::translate("CommandLine", "a maze code names how its maze is built; leave out "
                                                                "--algorithm, --braid and --route"));
    if (how && p.parser.isSet(p.level))
        return Error(QCoreApplication::translate("CommandLine", "a level has its own way to build and its own route; leave "
                                                                "out --algorithm, --braid and --route"));
    if (p.parser.isSet(p.route) && p.parser.isSet(p.braid))
        return Error(QCoreApplication::translate("CommandLine", "--route and --braid do not go together: loops would "
                                                                "shorten the route"));
    if (p.parser.isSet(p.algorithm)) {
        const auto algorithm = AlgorithmNamed(Folded(p.parser.value(p.algorithm)).toStdString());
        if (!algorithm)
            return Error(QCoreApplication::translate("CommandLine", "--algorithm takes one of %1, not %2")
                             .arg(AlgorithmNames(), Quoted(p.parser.value(p.algorithm))));
        o.how.algorithm = *algorithm;
    }
    if (p.parser.isSet(p.braid)) {
        const auto braid = WholeNumber(Folded(p.parser.value(p.braid)), 0, kMaxBraid);
        if (!braid)
            return Error(QCoreApplication::translate("CommandLine", "--braid takes a whole number from 0 to %1, not %2")
                             .arg(kMaxBraid)
                             .arg(Quoted(p.parser.value(p.braid))));
        o.how.braid = *braid;
    }
    return std::nullopt;
}

std::optional<Options> ReadSize(const OptionTable& p, Options& o)
{
    const auto size = ParseSize(Folded(p.parser.value(p.size)).toStdString());
    if (!size)
        return Error(QCoreApplication::translate("CommandLine", "--size takes WIDTHxHEIGHT, each side from %1 to %2, such as "
                                                                "31x31, not %3")
                         .arg(kMinSide)
                         .arg(kMaxSide)
                         .arg(Quoted(p.parser.value(p.size))));
    o.size = *size;
    return std::nullopt;
}

std::optional<long long> RouteCells(const QString& text, long long cells)
{
    bool ok = false;
    if (text.endsWith(QLatin1Char('%'))) {
        const double percent = text.chopped(1).trimmed().toDouble(&ok);
        if (ok && percent >= 0 && percent <= 100)
            return std::llround(percent * static_cast<double>(cells) / 100);
    } else if (const long long n = text.toLongLong(&ok); ok && n >= 0) {
        return n;
    }
    return std::nullopt;
}

Options RouteUnread(const QString& text)
{
    return Error(QCoreApplication::translate("CommandLine", "--route takes a number of cells or a share of them such as "
                                                            "40%, not %1")
                     .arg(Quoted(text)));
}

std::optional<Options> ReadSizeAndRoute(const OptionTable& p, Options& o)
{
    if (p.parser.isSet(p.size) && p.parser.isSet(p.level))
        return Error(QCoreApplication::translate("CommandLine", "--size and --level do not go together: a level has its own size"));
    if (o.seed && (p.parser.isSet(p.size) || p.parser.isSet(p.level)))
        return Error(QCoreApplication::translate("CommandLine", "a maze code names its own size; leave out --size and --level"));
    if (p.parser.isSet(p.size)) {
        if (auto bad = ReadSize(p, o))
            return *bad;
    }
    if (p.parser.isSet(p.level)) {
        o.level = WholeNumber(Folded(p.parser.value(p.level)), 1, static_cast<int>(kLevels.size()));
        if (!o.level)
            return Error(QCoreApplication::translate("CommandLine", "--level takes 1 to %1, not %2")
                             .arg(kLevels.size())
                             .arg(Quoted(p.parser.value(p.level))));
        o.size = LevelNumbered(*o.level)->size;
    }
    const long long cells = o.size.Cells();
    if (p.parser.isSet(p.hard)) {
        const RouteRange range = RouteRangeOf(RectangleGraph(o.size));
        o.route = std::clamp(static_cast<int>(cells * kHardRoutePercent / 100), range.least, range.most);
        o.how.routeFirst = true;
        return std::nullopt;
    }
    if (!p.parser.isSet(p.route))
        return std::nullopt;
    const QString text = Folded(p.parser.value(p.route)).trimmed();
    const std::optional<long long> route = RouteCells(text, cells);
    if (!route)
        return RouteUnread(text);
    const RouteRange range = RouteRangeOf(RectangleGraph(o.size));
    if (!range.Holds(static_cast<int>(std::min<long long>(*route, cells + 1))))
        return Error(QCoreApplication::translate("CommandLine", "--route %1: the route of a %2x%3 maze can be %4 to %5 cells "
                                                                "(%6 % to %7 % of them)")
                         .arg(text)
                         .arg(o.size.width)
                         .arg(o.size.height)
                         .arg(range.least)
                         .arg(range.most)
                         .arg(QString::number(100.0 * range.least / static_cast<double>(cells), 'f', 1))
                         .arg(QString::number(100.0 * range.most / static_cast<double>(cells), 'f', 1)));
    o.route = static_cast<int>(*route);
    o.how.routeFirst = true;
    return std::nullopt;
}

QString ParseFailure(const OptionTable& p, const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& typed = arguments[i];
        if (typed == QLatin1String("--"))
            break;
        if (!typed.startsWith(QLatin1Char('-')) || typed.size() < 2)
            continue;
        const QString written = typed.section(QLatin1Char('='), 0, 0);
        const QString name = QString(written).remove(QRegularExpression(QStringLiteral("^-+")));
        const QList<QCommandLineOption> all = p.All();
        const auto option = std::find_if(all.cbegin(), all.cend(), [&](const QCommandLineOption& o) { return o.names().contains(name); });
        if (option == all.cend())
            return QCoreApplication::translate("CommandLine", "unknown option %1").arg(Quoted(written));
        const bool hasValue = typed.contains(QLatin1Char('='));
        if (!option->valueName().isEmpty() && !hasValue && i + 1 == arguments.size())
            return QCoreApplication::translate("CommandLine", "%1 needs a value").arg(Quoted(written));
        if (option->valueName().isEmpty() && hasValue)
            return QCoreApplication::translate("CommandLine", "%1 takes no value").arg(Quoted(written));
        if (!option->valueName().isEmpty() && !hasValue)
            ++i;  // its value, whatever it looks like
    }
    // Anything else in the toolkit's words, without the full stop our own parentheses follow.
    QString text = p.parser.errorText();
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002)))
        text.chop(1);
    return text;
}

QString ProgramName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tolvane") : CommandName(arguments.front());
}

}  // namespace tolvane
