// Worksheets for a class: mazes several to a page under a title, each with a line for a name,
// page numbers, copies, and an answer key; and posters printed across several sheets.
#pragma once

#include <QPainter>
#include <QPagedPaintDevice>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"
#include "core/shape/ShapeChoice.h"
#include "core/solve/Difficulty.h"
#include "qt/paper/print/Paper.h"
#include "qt/paper/Progress.h"

namespace tolvane {

inline constexpr std::array<int, 4> kPerPageChoices{1, 2, 4, 6};
// Sharing a page, a maze's cells are at least this wide, room for a pencil line; alone on a
// page a maze is as big as the page allows, however small its cells (a poster).
inline constexpr double kSmallestSharedCellMm = 1.5;
// A level's mazes are never printed with cells narrower than its children can trace: 7 mm at
// ages 4-5, 5 mm at 6-7, 4 mm at 8-9, 3 mm at 10-13, and 2 mm for adults.
inline constexpr std::array<double, 5> kSmallestLevelCellMm{7, 5, 4, 3, 2};
double SmallestCellMm(int level);  // level 1 to 5

// A poster spread over columns x rows sheets, each showing its part with marks to join it.
struct Tiling {
    int columns = 1;
    int rows = 1;
    int Sheets() const { return columns * rows; }
    bool Tiled() const { return Sheets() > 1; }
};
inline constexpr int kMostTiles = 10;  // a side of a tiled poster, in sheets

// A maze of a worksheet, by its seed: it is built when its page is painted, so that a sheet of a
// thousand mazes, or of a few big ones, never holds more than one at a time.
struct Puzzle {
    std::uint64_t seed;
    MazeSize size;
    QString code;
    std::optional<Difficulty> measured;  // measured when painted, unless known already
    int level = 0;                       // 0 when the maze was made without a level
    BuildChoice how;                     // how it is built from its seed
    std::optional<ShapeChoice> shape;    // a maze of another shape (never a picture's outline)
};

// How many cells a puzzle's picture spans across and down: its size, or a shape's extent.
MazeSize Extent(const Puzzle& puzzle);

struct Worksheet {
    std::vector<Puzzle> puzzles;
    QString title;  // on every page, none when empty
    bool nameLine = true;  // one line for a name and the date over each maze
    int perPage = 1;
    Paper paper = Paper::A4;
    bool answers = false;  // follow the puzzles with an answer key
    int copies = 1;        // the puzzle pages this many times over, one copy after the other
    Tiling tiling;         // each puzzle page, and each answer too big to share a page, over sheets
};

// The largest maze side that fits the sheet's puzzle pages with cells of kSmallestSharedCellMm;
// no limit (kMaxSide) at one a page.
int LargestFittingSide(const Worksheet& sheet, double marginMm);

// How wide, in millimetres, the cells of a maze of `size` come out on the sheet's puzzle pages.
double PrintedCellMm(const Worksheet& sheet, MazeSize size);

// Whether the sheet's mazes are posters: too big to share a page with cells of a pencil's width.
// A poster keeps a page to itself, also in the answer key.
bool IsPoster(const Worksheet& sheet);

// Whether the title fits on one line across the page, in the title's font on `device`.
bool TitleFits(const Worksheet& sheet, QPaintDevice& device, double marginMm);

// The number of sheets of paper the worksheet fills: its puzzle pages as many times as its copies,
// then its answer pages, each page of a tiled poster as many sheets as it is spread over.
int PageCount(const Worksheet& sheet);

// Paints every page with `painter`, which is active on `device`; false when a new page could
// not be started, or `progress`, told of every sheet, stopped it.
bool PaintWorksheet(QPagedPaintDevice& device, QPainter& painter, const Worksheet& sheet, Progress* progress = nullptr);

// The same onto any device: its page, its dots an inch, and how the next sheet is started (false
// when it cannot be), such as a picture of each sheet for a preview painted off the event loop.
struct SheetDevice {
    QPageLayout layout;
    double dpi;
    std::function<bool()> newPage;
};
bool PaintWorksheet(const SheetDevice& device, QPainter& painter, const Worksheet& sheet, Progress* progress = nullptr);

// The small text under a maze: its number and code; in the answer key, under them, its level and
// the measures of its difficulty, which are for the teacher and not the child's sheet.
QString PuzzleCaption(int number, const Puzzle& puzzle);
QString MeasuresCaption(int level, const Difficulty& measured);

}  // namespace tolvane
