// The options of a maze of another shape.
#include "qt/cli/parse/ShapeOptions.h"

#include <algorithm>

#include "core/generate/RouteFirst.h"
#include "core/solve/Difficulty.h"
#include "qt/cli/parse/Readers.h"
#include "qt/window/choice/ShapeMenu.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

std::optional<Options> ParseShapeOptions(const OptionTable& p, Options& o)
{
    const bool shaped = p.parser.isSet(p.shape) && Named(p.parser.value(p.shape)) != QLatin1String("rectangle");
    const int given = int(p.parser.isSet(p.shape)) + int(p.parser.isSet(p.mask)) + int(p.parser.isSet(p.text));
    if (given > 1)
        return Error(QCoreApplication::translate("CommandLine", "--shape, --mask and --text each give the shape; choose one"));
    if (!shaped && !p.parser.isSet(p.mask) && !p.parser.isSet(p.text) && !o.shape)
        return std::nullopt;  // a rectangle, as ever
    if (o.shape && given > 0)
        return Error(QCoreApplication::translate("CommandLine", "a maze code names its own shape; leave out --shape, --mask and --text"));
    // A picture's outline cannot be in a code, and a worksheet names every maze by its code;
    // a level's or a route's maze is drawn among many seeds, and only its code would say which.
    if (p.parser.isSet(p.mask))
        for (const auto* option : {&p.level, &p.route, &p.hard})
            if (p.parser.isSet(*option))
                return Error(QCoreApplication::translate("CommandLine", "--%1 draws its maze among many, each named by its "
                                                                        "code, and a picture's outline has none: leave it "
                                                                        "out with --mask")
                                 .arg(option->names().front()));
    if (p.parser.isSet(p.mask))
        for (const auto* option : {&p.count, &p.perPage, &p.title, &p.nameLine, &p.noNameLine, &p.paper, &p.copies, &p.tile})
            if (p.parser.isSet(*option))
                return Error(QCoreApplication::translate("CommandLine", "--%1 makes worksheets, whose mazes are named by their "
                                                                        "codes, and a picture's outline has none: leave it "
                                                                        "out with --mask")
                                 .arg(option->names().front()));
    if (o.shape) {
        if (p.parser.isSet(p.size) || p.parser.isSet(p.level))
            return Error(QCoreApplication::translate("CommandLine", "a maze code names its own size; leave out --size and --level"));
        return std::nullopt;
    }
    // Shapes are built by the backtracker unless another way is asked for: its long winding
    // corridors follow a circle's rings and a word's strokes, where the regions algorithm's
    // short branches read as noise.
    if (!p.parser.isSet(p.algorithm))
        o.how.algorithm = Algorithm::Backtracker;
    ShapeChoice asked;
    if (p.parser.isSet(p.mask)) {
        asked.kind = ShapeKind::Outline;
        o.maskFile = p.parser.value(p.mask);
        asked.size = {40, 40};
    } else if (p.parser.isSet(p.text)) {
        asked.kind = ShapeKind::Outline;
        const auto word = OutlineWord(p.parser.value(p.text));
        if (!word)
            return Error(QCoreApplication::translate("CommandLine", "--text takes a word of 1 to 40 letters A to Z, not %1")
                             .arg(Quoted(p.parser.value(p.text))));
        asked.word = *word;
        asked.size = {15, 15};
    } else {
        const QString name = Named(p.parser.value(p.shape));
        if (name == QLatin1String("circle"))
            asked = {ShapeKind::Circle, {10, 10}, {}};
        else if (name == QLatin1String("hexagon"))
            asked = {ShapeKind::Hexagon, {8, 8}, {}};
        else if (name == QLatin1String("triangle"))
            asked = {ShapeKind::Triangle, {12, 12}, {}};
        else if (name == QLatin1String("hexagon-rectangle"))
            asked = {ShapeKind::HexagonRectangle, {12, 10}, {}};
        else if (name == QLatin1String("triangle-rectangle"))
            asked = {ShapeKind::TriangleRectangle, {16, 8}, {}};
        else
            return Error(QCoreApplication::translate("CommandLine", "--shape takes rectangle, circle, hexagon, triangle, "
                                                                    "hexagon-rectangle or triangle-rectangle, not %1")
                             .arg(Quoted(p.parser.value(p.shape))));
    }
    if (p.parser.isSet(p.size)) {
        const QString text = Folded(p.parser.value(p.size));
        bool ok = false;
        const int one = text.toInt(&ok);
        const bool rectangles = asked.kind == ShapeKind::Hexagon || asked.kind == ShapeKind::Triangle ||
                                InfoOf(asked.kind).twoSides;
        if (ok) {
            asked.size = {one, one};
        } else if (const auto wh = ParseSize(text.toStdString()); wh && rectangles) {
            if (asked.kind == ShapeKind::Hexagon || asked.kind == ShapeKind::Triangle)
                asked.kind = asked.kind == ShapeKind::Hexagon ? ShapeKind::HexagonRectangle : ShapeKind::TriangleRectangle;
            asked.size = *wh;
        } else {
            asked.size = {0, 0};
        }
        if (!InRange(asked)) {
            const SizeRange r = RangeOf(asked.kind);
            return Error((rectangles ? QCoreApplication::translate("CommandLine", "--size for this shape takes a whole number "
                                                                                  "from %1 to %2, or WxH, not %3")
                                     : QCoreApplication::translate("CommandLine", "--size for this shape takes a whole number "
                                                                                  "from %1 to %2, not %3"))
                             .arg(r.least)
                             .arg(r.most)
                             .arg(Quoted(text)));
        }
    }
    if (p.parser.isSet(p.level)) {
        if (p.parser.isSet(p.size))
            return Error(QCoreApplication::translate("CommandLine", "--size and --level do not go together: a level has its own size"));
        o.level = WholeNumber(Folded(p.parser.value(p.level)), 1, static_cast<int>(kLevels.size()));
        if (!o.level)
            return Error(QCoreApplication::translate("CommandLine", "--level takes 1 to %1, not %2")
                             .arg(kLevels.size())
                             .arg(Quoted(p.parser.value(p.level))));
        // A word's letters are sized for the level once the font can be asked (see the export).
        const std::optional<Level> level = LevelOn(asked.kind == ShapeKind::Outline ? ShapeKind::Rectangle : asked.kind, *o.level);
        if (asked.kind != ShapeKind::Outline)
            asked.size = level->size;
        o.how = level->How();
    }
    if (p.parser.isSet(p.route) || p.parser.isSet(p.hard)) {
        o.routeAsked = Folded(p.parser.value(p.route)).trimmed();
        o.hard = p.parser.isSet(p.hard);
        if (!o.hard && !RouteCells(o.routeAsked, 0))
            return RouteUnread(o.routeAsked);
        o.how.routeFirst = true;
    }
    o.shape = asked;
    return std::nullopt;
}

ShapeRoute RouteOnShape(const Options& options, const MazeGraph& graph)
{
    if (options.routeAsked.isEmpty() && !options.hard)
        return {};
    const RouteRange range = RouteRangeOf(graph);
    const long long cells = graph.CellCount();
    if (options.hard)
        return {std::clamp(static_cast<int>(cells * kHardRoutePercent / 100), range.least, range.most), {}};
    const std::optional<long long> route = RouteCells(options.routeAsked, cells);
    if (route && range.Holds(static_cast<int>(std::min<long long>(*route, cells + 1))))
        return {static_cast<int>(*route), {}};
    return {0, QCoreApplication::translate("CommandLine", "--route %1: the route of this maze of %2 cells can be %3 to %4 "
                                                          "cells (%5 % to %6 % of them)")
                   .arg(options.routeAsked)
                   .arg(cells)
                   .arg(range.least)
                   .arg(range.most)
                   .arg(QString::number(100.0 * range.least / static_cast<double>(cells), 'f', 1))
                   .arg(QString::number(100.0 * range.most / static_cast<double>(cells), 'f', 1))};
}

}  // namespace tolvane
