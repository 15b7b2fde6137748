// The options of --export.
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

#include "qt/cli/commands/CommandOptions.h"
#include "qt/cli/parse/Readers.h"
#include "qt/cli/parse/ShapeOptions.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

Options ParseExport(const OptionTable& p, Options o)
{
    o.mode = Options::Mode::Export;
    o.exportFile = p.parser.value(p.exportFile);
    o.solution = p.parser.isSet(p.solution);
    o.title = p.parser.value(p.title);
    if (p.parser.isSet(p.nameLine) && p.parser.isSet(p.noNameLine))
        return Error(QCoreApplication::translate("CommandLine", "--name-line and --no-name-line do not go together"));
    if (p.parser.isSet(p.nameLine) || p.parser.isSet(p.noNameLine))
        o.nameLine = p.parser.isSet(p.nameLine);
    // A whole number from `lowest` to `highest` for `option`, or nothing.
    auto number = [&](const QCommandLineOption& option, int lowest, int highest) {
        return WholeNumber(Folded(p.parser.value(option)), lowest, highest);
    };
    // Reads `option`, when given, as a whole number from 1 to `highest` into `target`.
    auto wholeNumber = [&](const QCommandLineOption& option, int highest, int& target) -> std::optional<Options> {
        if (!p.parser.isSet(option))
            return std::nullopt;
        const auto value = number(option, 1, highest);
        if (!value)
            return Error(QCoreApplication::translate("CommandLine", "--%1 takes a whole number from 1 to %2, not %3")
                             .arg(option.names().front())
                             .arg(highest)
                             .arg(Quoted(p.parser.value(option))));
        target = *value;
        return std::nullopt;
    };
    if (auto bad = wholeNumber(p.count, kMaxCount, o.count))
        return *bad;
    if (auto bad = wholeNumber(p.pngCell, kLargestPngCell, o.pngCell))
        return *bad;
    if (auto bad = wholeNumber(p.copies, kMaxCopies, o.copies))
        return *bad;
    if (p.parser.isSet(p.count) && o.seed && o.count != 1)
        return Error(QCoreApplication::translate("CommandLine", "--maze names the mazes to write; leave out --count, or "
                                                                "print more of them with --copies"));
    if (auto bad = ParseShapeOptions(p, o))
        return *bad;
    if (!o.shape)
        if (auto bad = ReadSizeAndRoute(p, o))
            return *bad;
    if (p.parser.isSet(p.perPage)) {
        const auto perPage = number(p.perPage, 1, kPerPageChoices.back());
        if (!perPage || std::find(kPerPageChoices.begin(), kPerPageChoices.end(), *perPage) == kPerPageChoices.end())
            return Error(QCoreApplication::translate("CommandLine", "--per-page takes 1, 2, 4 or 6, not %1").arg(Quoted(p.parser.value(p.perPage))));
        o.perPage = *perPage;
    }
    if (p.parser.isSet(p.paper)) {
        const auto paper = PaperNamed(Folded(p.parser.value(p.paper)));
        if (!paper)
            return Error(QCoreApplication::translate("CommandLine", "--paper takes a4, a3, a2, a1, a0, letter, tabloid or "
                                                                    "ledger, not %1")
                             .arg(Quoted(p.parser.value(p.paper))));
        o.paper = *paper;
    }
    if (p.parser.isSet(p.tile)) {
        static const QRegularExpression kGrid(QStringLiteral("^\\s*(\\d{1,2})\\s*[x\\x{00D7}]\\s*(\\d{1,2})\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
        const auto grid = kGrid.match(Folded(p.parser.value(p.tile)));
        const int columns = grid.hasMatch() ? grid.captured(1).toInt() : 0, rows = grid.hasMatch() ? grid.captured(2).toInt() : 0;
        if (columns < 1 || columns > kMostTiles || rows < 1 || rows > kMostTiles)
            return Error(QCoreApplication::translate("CommandLine", "--tile takes COLUMNSxROWS, each from 1 to %1, such as "
                                                                    "3x4, not %2")
                             .arg(kMostTiles)
                             .arg(Quoted(p.parser.value(p.tile))));
        if (o.perPage != 1)
            return Error(QCoreApplication::translate("CommandLine", "--tile prints one maze across several sheets; leave "
                                                                    "out --per-page"));
        o.tiling = {columns, rows};
    }
    return o;
}

}  // namespace tolvane
