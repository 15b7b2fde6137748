// The command line.
#include "qt/cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <variant>

#include "core/search/Searches.h"
#include <cmath>

#include "core/code/Recipe.h"
#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/code/SizedCode.h"
#include "core/watch/Watch.h"
#include "core/solve/Difficulty.h"
#include "qt/Version.h"
#include "qt/cli/HelpText.h"
#include "qt/paper/Facts.h"
#include "qt/paper/animation/AnimationFile.h"
#include "qt/window/choice/ShapeMenu.h"
#include "qt/platform/Desktop.h"
#include "qt/window/choice/SizeMenu.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {
namespace {

// The levels as a table: what --help says of --level.
QString LevelHelp()
{
    QString text = QCoreApplication::translate("CommandLine",
                                               "With --export or --facts: mazes of this level, 1 to 5, each built "
                                               "its level's way with its route laid first, and drawn until both its "
                                               "route's length and the decisions on it lie within 10 % of the "
                                               "level's targets, so that a class set is fair:");
    for (const Level& level : kLevels)
        text += QCoreApplication::translate("CommandLine", "\n%1 = %2, %3x%4, %5, route %6, %7 decisions")
                    .arg(level.number)
                    .arg(level.number == static_cast<int>(kLevels.size())
                             ? QCoreApplication::translate("CommandLine", "adults")
                             : QCoreApplication::translate("CommandLine", "ages %1").arg(QString::fromLatin1(level.ages)))
                    .arg(level.size.width)
                    .arg(level.size.height)
                    .arg(QString::fromLatin1(InfoOf(level.algorithm).name))
                    .arg(level.route)
                    .arg(level.decisions);
    text += QCoreApplication::translate("CommandLine", "\nWith --shape circle, hexagon or triangle a level keeps its way "
                                                       "and its route's share of the cells on the size with about as "
                                                       "many cells as its rectangle; the decisions are what mazes of "
                                                       "that shape and route have (the median of 400). The rectangles "
                                                       "of hexagons and triangles take the cells across and down whose "
                                                       "picture is nearest a square:");
    for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Hexagon, ShapeKind::Triangle, ShapeKind::HexagonRectangle,
                           ShapeKind::TriangleRectangle}) {
        QStringList sizes, routes, decisions;
        for (const Level& rectangle : kLevels) {
            const Level level = *LevelOn(kind, rectangle.number);
            sizes << (InfoOf(kind).twoSides ? QStringLiteral("%1x%2").arg(level.size.width).arg(level.size.height)
                                            : QString::number(level.size.width));
            routes << QString::number(level.route);
            decisions << QString::number(level.decisions);
        }
        QString row;
        switch (kind) {
        case ShapeKind::Circle:
            row = QCoreApplication::translate("CommandLine", "\ncircle: %1 rings; routes %2; decisions %3");
            break;
        case ShapeKind::Hexagon:
            row = QCoreApplication::translate("CommandLine", "\nhexagon: %1 cells a side; routes %2; decisions %3");
            break;
        case ShapeKind::Triangle:
            row = QCoreApplication::translate("CommandLine", "\ntriangle: %1 cells a side; routes %2; decisions %3");
            break;
        default:
            row = QCoreApplication::translate("CommandLine", "\n%1: %2; routes %3; decisions %4").arg(QString::fromLatin1(InfoOf(kind).name));
            break;
        }
        const QString comma = QStringLiteral(", ");
        text += row.arg(sizes.join(comma), routes.join(comma), decisions.join(comma));
    }
    text += QCoreApplication::translate("CommandLine", "\nWith --text its letters are as tall as give about as many cells, "
                                                       "and the decisions are the median of 101 of that word's mazes. "
                                                       "Not with --mask.");
    return text;
}

// The ways to build as --help lists them: each name and what its mazes feel like.
QString AlgorithmHelp()
{
    QString text = QCoreApplication::translate("CommandLine", "Build new mazes this way (regions unless given):");
    for (const AlgorithmInfo& a : kAlgorithms)
        text += QStringLiteral("\n%1: %2").arg(QString::fromLatin1(a.name), AlgorithmFeel(a.id));
    return text;
}

QString AlgorithmNames()
{
    QStringList names;
    for (const AlgorithmInfo& a : kAlgorithms)
        names << QString::fromLatin1(a.name);
    return names.join(QStringLiteral(", "));
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    QCommandLineOption version{{"v", "version"}, QCoreApplication::translate("CommandLine", "Show the version and exit.")};
    QCommandLineOption maze{"maze",
                            QCoreApplication::translate("CommandLine",
                                                        "Open the window with the maze of this code built. With "
                                                        "--export to a PDF: a worksheet of exactly these mazes, "
                                                        "several codes parted by commas or spaces, or @FILE for a "
                                                        "file with one code a line."),
                            QCoreApplication::translate("CommandLine", "code")};
    QCommandLineOption oldCode{"old-code",
                               QCoreApplication::translate("CommandLine",
                                                           "With --maze: read codes with a size as the first release "
                                                           "did, whose weaker check its printed codes need (a code of "
                                                           "this version still reads as ever).")};
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
                                                            "whole route; a PDF ends with an answer key, the "
                                                            "solved mazes numbered as their puzzles.")};
    QCommandLineOption size{"size",
                            QCoreApplication::translate("CommandLine",
                                                        "With --export: mazes of this size, width x height cells, "
                                                        "each from 2 to 1001; 21x21 unless given."),
                            QCoreApplication::translate("CommandLine", "WxH")};
    QCommandLineOption shape{"shape",
                             QCoreApplication::translate("CommandLine",
                                                         "With --export: the maze's shape, rectangle, circle, hexagon "
                                                         "or triangle. --size then gives a circle's rings (2 to 1000), "
                                                         "or the cells along each side of a hexagon (2 to 600) or a "
                                                         "triangle (2 to 1001); WxH fills a rectangle with hexagons or "
                                                         "triangles, as hexagon-rectangle and triangle-rectangle do "
                                                         "(12x10 and 16x8 unless given). With a PDF, shapes go on worksheets (--count, "
                                                         "--per-page, --copies, --title, answer keys) and posters "
                                                         "(--tile) too, at --level, --route or --hard as well."),
                             QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption mask{"mask",
                            QCoreApplication::translate("CommandLine",
                                                        "With --export: a maze inside the outline of this picture's dark "
                                                        "pixels (at most 33.5 million of them); --size gives the cells across, 5 to 200 (40 unless "
                                                        "given). Such a maze has no code, so it is one maze to a "
                                                        "file."),
                            QCoreApplication::translate("CommandLine", "file.png")};
    QCommandLineOption text{"text",
                            QCoreApplication::translate("CommandLine",
                                                        "With --export: a maze inside the letters of this word (A to Z, "
                                                        "in any case, full-width too) in a bold font; --size gives their height in cells, 5 to 200 "
                                                        "(15 unless given)."),
                            QCoreApplication::translate("CommandLine", "word")};
    QCommandLineOption level{"level", LevelHelp(), QCoreApplication::translate("CommandLine", "n")};
    QCommandLineOption algorithm{"algorithm", AlgorithmHelp(), QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption braid{"braid",
                             QCoreApplication::translate("CommandLine",
                                                         "Loops: open this share of the dead ends, 0 to 100 percent, "
                                                         "so that there is more than one way."),
                             QCoreApplication::translate("CommandLine", "percent")};
    QCommandLineOption route{"route",
                             QCoreApplication::translate("CommandLine",
                                                         "With --export or --facts: lay the route first, N cells long "
                                                         "or P% of the cells, from the least possible up to 80 % of "
                                                         "the cells; every maze's route is within 2 % of the cells of "
                                                         "it. Not with --braid: loops would shorten it, nor with --mask."),
                             QCoreApplication::translate("CommandLine", "N|P%")};
    QCommandLineOption hard{"hard",
                            QCoreApplication::translate("CommandLine",
                                                        "With --export or --facts: hard mazes, for a puzzle fan or a "
                                                        "poster: the backtracker's long winding corridors, the route "
                                                        "laid first through half the cells. Instead of --algorithm, "
                                                        "--braid, --route and --level; not with --mask.")};
    QCommandLineOption facts{"facts",
                             QCoreApplication::translate("CommandLine",
                                                         "Print the maze's facts: its route and its share of the "
                                                         "cells, the decisions and turns on it, the dead ends, the "
                                                         "false branches. With --export, for every maze written; "
                                                         "otherwise for the --maze code, or a new maze, without a "
                                                         "window.")};
    QCommandLineOption title{"title",
                             QCoreApplication::translate("CommandLine", "With --export to a PDF: this title on every page."),
                             QCoreApplication::translate("CommandLine", "text")};
    QCommandLineOption nameLine{"name-line", QCoreApplication::translate(
                                                 "CommandLine", "With --export to a PDF: a line for a name and the "
                                                                "date over every maze, a poster's too.")};
    QCommandLineOption noNameLine{"no-name-line", QCoreApplication::translate(
                                                      "CommandLine", "With --export to a PDF: leave out the lines for a "
                                                                     "name and the date, which every maze of a "
                                                                     "worksheet has (but not a poster).")};
    QCommandLineOption perPage{"per-page",
                               QCoreApplication::translate("CommandLine",
                                                           "With --export to a PDF: this many mazes to a page, 1, 2, 4 "
                                                           "or 6; the answer key takes at least 4 to a page. Cells "
                                                           "stay at least 1.5 mm wide, and a level's at least 7, 5, "
                                                           "4, 3 and 2 mm for levels 1 to 5."),
                               QCoreApplication::translate("CommandLine", "n")};
    QCommandLineOption copies{"copies",
                              QCoreApplication::translate("CommandLine",
                                                          "With --export to a PDF: the puzzle pages this many times "
                                                          "over, from 1 to 100, each copy whole before the next; the "
                                                          "answer key once."),
                              QCoreApplication::translate("CommandLine", "n")};
    QCommandLineOption paper{"paper",
                             QCoreApplication::translate("CommandLine",
                                                         "With --export to a PDF: the paper, a4, a3, a2, a1, a0, "
                                                         "letter, tabloid or ledger (tabloid on its side); by "
                                                         "default the one your locale uses."),
                             QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption tile{"tile",
                            QCoreApplication::translate("CommandLine",
                                                        "With --export to a PDF: print each maze as a poster across "
                                                        "COLUMNSxROWS sheets of the paper, such as 3x4, each side "
                                                        "from 1 to 10; each sheet says where it goes and has marks "
                                                        "at its corners to cut and join it by. 2x2 doubles the "
                                                        "cells' width."),
                            QCoreApplication::translate("CommandLine", "CxR")};
    QCommandLineOption pngCell{"png-cell",
                               QCoreApplication::translate("CommandLine",
                                                           "With --export to a PNG: this many pixels a cell, 1 to 64, "
                                                           "instead of the window's picture; for big mazes."),
                               QCoreApplication::translate("CommandLine", "px")};
    QCommandLineOption animate{
        "animate",
        QCoreApplication::translate("CommandLine",
                                    "Write an animation of a maze to this file and exit, without opening a window: "
                                    ".gif or .webp. With --maze that maze, otherwise a new one of --size, "
                                    "--shape, --text or --mask, built the --algorithm way."),
        QCoreApplication::translate("CommandLine", "file")};
    QCommandLineOption animateWhat{"animate-what",
                                   QCoreApplication::translate("CommandLine",
                                                               "With --animate: build (the maze being built), search "
                                                               "(a search finding its way) or route (the route drawn "
                                                               "cell by cell, as the window's replay); route unless "
                                                               "given."),
                                   QCoreApplication::translate("CommandLine", "what")};
    QCommandLineOption search{"search",
                              QCoreApplication::translate("CommandLine",
                                                          "With --animate-what search: depth-first (unless given), "
                                                          "breadth-first, a-star, left-hand or dead-end-filling "
                                                          "(dfs, bfs and astar for short)."),
                              QCoreApplication::translate("CommandLine", "way")};
    QCommandLineOption pace{"pace",
                            QCoreApplication::translate("CommandLine",
                                                        "With --animate: milliseconds a step, 1 to 1000; 50 unless "
                                                        "given. Frames last 20 ms to a second and are at most 2000, so "
                                                        "a fast pace or a big maze plays several steps a frame."),
                            QCoreApplication::translate("CommandLine", "ms")};
    QCommandLineOption duration{"duration",
                                QCoreApplication::translate("CommandLine",
                                                            "With --animate: the longest the animation lasts, in seconds, "
                                                            "10 to 1800; 60 unless given. A maze whose steps at the pace "
                                                            "would take longer is played faster, several steps a frame, "
                                                            "frames lasting at most a second."),
                                QCoreApplication::translate("CommandLine", "seconds")};
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

    QList<QCommandLineOption> All() const
    {
        return {help,      version,   maze,   oldCode, exportFile, count,   solution,    size,   shape,   mask,    text,
                level,     algorithm, braid,  route,      hard,    facts,   title,       nameLine, noNameLine, perPage, copies,
                paper,     tile,      pngCell, animate,   animateWhat, search, pace,   duration, verbose, platform, display};
    }
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

// A value as codes are read: full-width letters and digits as plain ones, every dash a hyphen,
// no white space around it, so that "--size ３１ｘ３１" from a Japanese input method is 31x31.
QString Folded(const QString& given) { return QString::fromStdString(CleanCodeText(given.toStdString())); }

// A named choice as the tables spell it: every name is lower case, and a name is taken in any
// case (--shape Circle, --search A-Star), as --algorithm and --paper always took theirs.
QString Named(const QString& given) { return Folded(given).toLower(); }

std::optional<int> WholeNumber(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
}

// --algorithm and --braid into o.how, and what does not go with them or with --route.
std::optional<Options> ReadBuildChoice(const Parser& p, Options& o)
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

// --size or --level into o.size, then --route, which the size bounds, into o.route.
// --size into o.size, or the reason it cannot be read.
std::optional<Options> ReadSize(const Parser& p, Options& o)
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

// --route's text as cells of a maze of `cells`: a number of cells, or a share such as "40%".
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

std::optional<Options> ReadSizeAndRoute(const Parser& p, Options& o)
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
     QT_TRANSLATE_NOOP("CommandLine", "While playing: move the marker one cell; on hexagons, triangles and circles to "
                                       "the open cell nearest the key's direction on the picture (on a hexagon Up goes "
                                       "north-east or north-west, on a circle Right goes clockwise at the top).")},
    {"I", QT_TRANSLATE_NOOP("CommandLine", "While playing: say where the marker is (row, column, moves so far, "
                                           "the open sides), for screen readers.")},
    {"H", QT_TRANSLATE_NOOP("CommandLine", "While playing: show and say the next step of the shortest route from the "
                                           "marker, for a moment; the result at G counts the hints taken.")},
    {"Escape", QT_TRANSLATE_NOOP("CommandLine", "Stop playing.")},
    {"Ctrl+I", QT_TRANSLATE_NOOP("CommandLine", "Show the maze's facts: how it was built, its route, the decisions and turns "
                                                "on it, the dead ends and the false branches.")},
    {"B", QT_TRANSLATE_NOOP("CommandLine", "Watch the maze shown being built: its regions growing in their colours, then linked.")},
    {"F", QT_TRANSLATE_NOOP("CommandLine", "Watch the search find its way (the search chosen under Watch, Search With), with "
                                           "every way's count of cells visited beside it.")},
    {"-, +", QT_TRANSLATE_NOOP("CommandLine", "While watching: slower or faster, from a step a second to a step a "
                                              "millisecond; 50 ms a step unless changed.")},
    {"K, .", QT_TRANSLATE_NOOP("CommandLine", "While watching: pause or go on; one step at a time.")},
    {"End", QT_TRANSLATE_NOOP("CommandLine", "While watching: jump to the end.")},
    {"Ctrl+C", QT_TRANSLATE_NOOP("CommandLine", "Copy the maze as a picture, with its code as text.")},
    {"Ctrl+Shift+C", QT_TRANSLATE_NOOP("CommandLine", "Copy the maze's code.")},
    {"Ctrl+O, Ctrl+V", QT_TRANSLATE_NOOP("CommandLine", "Open a maze code: typed in a dialog, or pasted.")},
    {"Ctrl+S, Ctrl+P", QT_TRANSLATE_NOOP("CommandLine", "Save or print the maze.")},
    {"Ctrl+Shift+S", QT_TRANSLATE_NOOP("CommandLine", "Save the game played, or the route's replay, as an animated GIF or WebP.")},
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

// The codes --maze names: one, several parted by commas or white space, or "@FILE" for the
// codes in a file, one a line; each any code there is, of any way to build and any shape. A code
// may itself hold spaces ("3F7KQ M2XWA"): a piece between commas is one code when it reads as one.
// With `firstRelease`, a sized code that names no maze today is read as the first release read it.
std::variant<std::vector<Recipe>, Options> ReadCodes(const QString& given, bool firstRelease)
{
    QString text = given;
    if (given.startsWith(QLatin1Char('@'))) {
        QFile file(given.mid(1));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Options bad = Error(QCoreApplication::translate("CommandLine", "cannot read the codes in %1: %2")
                                    .arg(given.mid(1), file.errorString()));
            bad.status = 1;
            return bad;
        }
        text = QString::fromUtf8(file.read(1 << 20));
    }
    auto notACode = [&](const QString& code, const RecipeReading& read) {
        // A code printed by the first release is refused today, as a code dropping a character
        // would be; the teacher with last month's sheets is told how to open it.
        Options bad = Error(read.reading.firstRelease
                                ? QCoreApplication::translate("CommandLine", "%1 is not a maze code of this version: %2; it "
                                                                            "may come from the first release: add "
                                                                            "--old-code to open it as that release did")
                                      .arg(Quoted(code), CodeFaultReason(read.reading))
                                : QCoreApplication::translate("CommandLine", "%1 is not a maze code: %2")
                                      .arg(Quoted(code), CodeFaultReason(read.reading)));
        bad.status = 1;
        return bad;
    };
    const auto readCode = [firstRelease](const QString& text) {
        return ReadCode(text.toStdString(), firstRelease ? OldCodes::Read : OldCodes::Refused);
    };
    std::vector<Recipe> mazes;
    static const QRegularExpression kBetweenCodes(QStringLiteral("[,\\x{FF0C}\\x{3001}\\n\\r]+"));
    static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
    for (const QString& piece : text.split(kBetweenCodes, Qt::SkipEmptyParts)) {
        if (piece.trimmed().isEmpty())
            continue;
        const RecipeReading whole = readCode(piece);
        if (whole.recipe) {
            mazes.push_back(*whole.recipe);
            continue;
        }
        const QStringList words = piece.split(kSpaces, Qt::SkipEmptyParts);
        std::vector<RecipeReading> read;
        for (const QString& word : words)
            read.push_back(readCode(word));
        // Words none of which is a code are more likely one mistyped code than several.
        if (words.size() < 2 || std::none_of(read.begin(), read.end(), [](const RecipeReading& r) { return r.recipe.has_value(); }))
            return notACode(piece.trimmed(), whole);
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (!read[i].recipe)
                return notACode(words[i], read[i]);
            mazes.push_back(*read[i].recipe);
        }
    }
    if (mazes.empty())
        return Error(QCoreApplication::translate("CommandLine", "--maze names no maze code"));
    if (mazes.size() > static_cast<std::size_t>(kMaxCount))
        return Error(QCoreApplication::translate("CommandLine", "--maze names %1 mazes; a PDF holds at most %2")
                         .arg(mazes.size())
                         .arg(kMaxCount));
    return mazes;
}

// What the toolkit's parser refused, in our words and quoting what was typed, dashes and all:
// an option that does not exist, one whose value is missing, or a value given to a switch.
QString ParseFailure(const Parser& p, const QStringList& arguments)
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

std::optional<Options> ParseShapeOptions(const Parser& p, Options& o);

// An --animate command line: a maze (by code, or new of a size or shape), what to watch and the pace.
Options ParseAnimate(const Parser& p, Options o)
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
        bool ok = false;
        o.paceMs = Folded(p.parser.value(p.pace)).toInt(&ok);
        if (!ok || o.paceMs < 1 || o.paceMs > 1000)
            return Error(QCoreApplication::translate("CommandLine", "--pace takes a whole number from 1 to 1000, not %1")
                             .arg(Quoted(p.parser.value(p.pace))));
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

QString ProgramName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("tolvane") : CommandName(arguments.front());
}

// --shape, --mask and --text with their --size, into `o`; an error, or nothing.
std::optional<Options> ParseShapeOptions(const Parser& p, Options& o)
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

}  // namespace

Options ParseCommandLine(const QStringList& arguments)
{
    Parser p;
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
    if (!exporting && o.facts) {
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
    if (!exporting) {
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
    o.mode = Options::Mode::Export;
    o.exportFile = p.parser.value(p.exportFile);
    o.solution = p.parser.isSet(p.solution);
    o.title = p.parser.value(p.title);
    if (p.parser.isSet(p.nameLine) && p.parser.isSet(p.noNameLine))
        return Error(QCoreApplication::translate("CommandLine", "--name-line and --no-name-line do not go together"));
    if (p.parser.isSet(p.nameLine) || p.parser.isSet(p.noNameLine))
        o.nameLine = p.parser.isSet(p.nameLine);
    // A whole number from `lowest` to `highest` for `option`, or nothing.
    auto number = [&](const QCommandLineOption& option, int lowest, int highest) -> std::optional<int> {
        bool ok = false;
        const int value = Folded(p.parser.value(option)).toInt(&ok);
        return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
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
