// The options of --animate.
#include <QCoreApplication>

#include "core/search/Searches.h"
#include "core/watch/Watch.h"
#include "qt/cli/commands/CommandOptions.h"
#include "qt/cli/parse/Readers.h"
#include "qt/cli/parse/ShapeOptions.h"
#include "qt/paper/animation/AnimationFile.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

Options ParseAnimate(const OptionTable& p, Options o)
{
    for (const auto* option : {&p.exportFile, &p.count, &p.solution, &p.level, &p.route, &p.hard, &p.title, &p.nameLine,
                               &p.noNameLine, &p.perPage, &p.copies, &p.paper, &p.tile, &p.pngCell})
        if (p.parser.isSet(*option))
            return Error(QCoreApplication::translate("CommandLine", "--%1 does not go with --animate").arg(option->names().front()));
    if (o.mazes.size() > 1)
        return Error(QCoreApplication::translate("CommandLine", "--animate shows one maze; --maze names %1").arg(o.mazes.size()));
    o.mode = Options::Mode::Export;
    o.animateFile = p.parser.value(p.animate);
    if (auto bad = ParseShapeOptions(p, o))
        return *bad;
    if (p.parser.isSet(p.size) && !o.shape) {
        if (o.seed)
            return Error(QCoreApplication::translate("CommandLine", "a maze code names its own size; leave out --size"));
        if (auto bad = ReadSize(p, o))
            return *bad;
    }
    if (p.parser.isSet(p.animateWhat)) {
        o.animateWhat = Named(p.parser.value(p.animateWhat));
        if (!WatchKindNamed(o.animateWhat.toStdString()))
            return Error(QCoreApplication::translate("CommandLine", "--animate-what takes build, search or route, not %1")
                             .arg(Quoted(p.parser.value(p.animateWhat))));
    }
    if (p.parser.isSet(p.search)) {
        o.searchWay = Named(p.parser.value(p.search));
        if (o.animateWhat != QLatin1String("search"))
            return Error(QCoreApplication::translate("CommandLine", "--search goes with --animate-what search"));
        if (!FindSearch(o.searchWay.toStdString()))
            return Error(QCoreApplication::translate("CommandLine", "--search takes depth-first, breadth-first, a-star, "
                                                                    "left-hand or dead-end-filling, not %1")
                             .arg(Quoted(p.parser.value(p.search))));
    }
    if (p.parser.isSet(p.pace)) {
        const auto pace = WholeNumber(Folded(p.parser.value(p.pace)), 1, 1000);
        if (!pace)
            return Error(QCoreApplication::translate("CommandLine", "--pace takes a whole number from 1 to 1000, not %1")
                             .arg(Quoted(p.parser.value(p.pace))));
        o.paceMs = *pace;
    }
    if (p.parser.isSet(p.duration)) {
        const auto seconds = WholeNumber(Folded(p.parser.value(p.duration)), kShortestAnimationSeconds, kLongestAnimationSeconds);
        if (!seconds)
            return Error(QCoreApplication::translate("CommandLine", "--duration takes a whole number of seconds from %1 to "
                                                                    "%2, not %3")
                             .arg(kShortestAnimationSeconds)
                             .arg(kLongestAnimationSeconds)
                             .arg(Quoted(p.parser.value(p.duration))));
        o.animateSeconds = *seconds;
    }
    return o;
}

}  // namespace tolvane
