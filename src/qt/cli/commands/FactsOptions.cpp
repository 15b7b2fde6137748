// The options of --facts without --export.
#include <QCoreApplication>

#include "qt/cli/commands/CommandOptions.h"
#include "qt/cli/parse/Readers.h"
#include "qt/cli/parse/ShapeOptions.h"

namespace tolvane {

Options ParseFacts(const OptionTable& p, Options o)
{
    if (p.parser.isSet(p.mask))
        return Error(QCoreApplication::translate("CommandLine", "--facts with --mask: write the maze with --export "
                                                                "--facts, since a picture's outline has no code to "
                                                                "build it again"));
    for (const auto* option : {&p.count, &p.solution, &p.title, &p.noNameLine, &p.perPage, &p.paper, &p.pngCell})
        if (p.parser.isSet(*option))
            return Error(QCoreApplication::translate("CommandLine", "--%1 goes with --export").arg(option->names().front()));
    o.mode = Options::Mode::Facts;
    if (auto bad = ParseShapeOptions(p, o))
        return *bad;
    if (!o.shape)
        if (auto bad = ReadSizeAndRoute(p, o))
            return *bad;
    return o;
}

}  // namespace tolvane
