// The window's options.
#include <QCoreApplication>
#include <algorithm>

#include "qt/cli/commands/CommandOptions.h"
#include "qt/cli/parse/Readers.h"
#include "qt/window/choice/SizeMenu.h"

namespace tolvane {

Options ParseWindow(const OptionTable& p, Options o)
{
    for (const auto* option : {&p.count, &p.solution, &p.size, &p.shape, &p.mask, &p.text, &p.level, &p.route, &p.hard, &p.title,
                               &p.nameLine, &p.noNameLine, &p.perPage, &p.copies, &p.paper, &p.tile, &p.pngCell})
        if (p.parser.isSet(*option))
            return Error(QCoreApplication::translate("CommandLine", "--%1 goes with --export").arg(option->names().front()));
    if (o.mazes.size() > 1)
        return Error(QCoreApplication::translate("CommandLine", "the window opens one maze; write several to a PDF "
                                                                "with --export"));
    if (std::max(o.size.width, o.size.height) > kLargestWindowSide)
        return Error(QCoreApplication::translate("CommandLine", "the window shows mazes of up to %1x%1 cells; write this one "
                                                                "to a file with --export")
                         .arg(kLargestWindowSide));
    return o;
}

}  // namespace tolvane
