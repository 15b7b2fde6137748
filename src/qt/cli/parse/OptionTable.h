// Every option of the command line, its help and its value's name, as the toolkit's parser knows them.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include "qt/cli/help/OptionHelp.h"

namespace tolvane {

struct OptionTable {
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

    OptionTable()
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

}  // namespace tolvane
