// What the command line asks for: every option's value once read, and the mode it runs in.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/generate/Algorithms.h"
#include "core/code/Recipe.h"
#include "core/maze/MazeState.h"
#include "core/shape/ShapeChoice.h"
#include "qt/paper/print/Worksheet.h"

namespace tolvane {

inline constexpr int kMaxCount = 1000;  // mazes in one PDF
inline constexpr int kMaxCopies = 100;
inline constexpr int kHardRoutePercent = 50;  // of the cells: the route --hard lays first
inline constexpr int kLargestPngCell = 64;

// What the command line asks for.
struct Options {
    enum class Mode { Window, Export, Facts, Help, Version, Error } mode = Mode::Window;
    std::optional<std::uint64_t> seed;  // --maze, its first code
    MazeSize size;                      // --size, or the size --maze names
    std::vector<Recipe> mazes;          // every maze --maze names, in order, each with its way and shape
    std::optional<int> level;           // --level
    BuildChoice how;                    // --algorithm and --braid, or how the --maze code's maze is built
    std::optional<int> route;           // --route, in cells (a rectangle's; see RouteOnShape)
    QString routeAsked;                 // --route as given, for a shape, whose cells are known once it is built
    bool hard = false;                  // --hard
    bool facts = false;                 // --facts
    QString exportFile;
    int count = 1;
    bool solution = false;
    QString title;          // --title
    std::optional<bool> nameLine;  // --name-line, --no-name-line; a worksheet has one, a poster none
    int copies = 1;                // --copies
    Tiling tiling;                 // --tile
    int perPage = 1;        // --per-page
    std::optional<Paper> paper;  // --paper; the locale's when not given
    int pngCell = 0;        // --png-cell; 0 for the window's picture
    QString animateFile;    // --animate: Export writes this animation instead
    QString animateWhat = QStringLiteral("route");  // --animate-what: build, search or route
    QString searchWay = QStringLiteral("depth-first");  // --search
    int paceMs = 50;        // --pace
    int animateSeconds = 60;  // --duration: the longest an animation lasts
    std::optional<ShapeChoice> shape;  // a maze of another shape: --shape, --text, --mask or a shape code
    QString maskFile;                // --mask: the picture whose dark pixels are inside
    bool verbose = false;
    QString text;    // Help: the help text; Version: the version line; Error: the message
    int status = 0;  // the exit status for Help, Version and Error
};

}  // namespace tolvane
