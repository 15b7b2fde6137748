// The parts of --help that are tables.
#include "qt/cli/help/OptionHelp.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/generate/Algorithms.h"
#include "core/graph/ShapeKind.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/Facts.h"

namespace tolvane {

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

namespace {

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
    {"Ctrl+Shift+P", QT_TRANSLATE_NOOP("CommandLine", "Worksheets: class sets, puzzle books and posters as a PDF, with a "
                                                      "preview, saved or printed.")},
    {"Ctrl+Shift+S", QT_TRANSLATE_NOOP("CommandLine", "Save the game played, or the route's replay, as an animated GIF or WebP.")},
    {"Menu, Shift+F10", QT_TRANSLATE_NOOP("CommandLine", "Open the maze picture's menu.")},
    {"Ctrl+Q", QT_TRANSLATE_NOOP("CommandLine", "Quit.")},
};

}  // namespace

QList<HelpRow> KeyboardHelp()
{
    QList<HelpRow> rows;
    for (const KeyText& key : kKeys)
        rows.append({QCoreApplication::translate("CommandLine", key.keys), QCoreApplication::translate("CommandLine", key.what)});
    return rows;
}

}  // namespace tolvane
