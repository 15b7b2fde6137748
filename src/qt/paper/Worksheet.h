// Worksheets for a class: mazes several to a page under a title and a name line, page numbers,
// and an answer key.
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"
#include "core/solve/Difficulty.h"

namespace tolvane {

enum class Paper { A4, Letter };

// Letter where the user's locale (LC_PAPER, else the locale) takes Letter, A4 everywhere else.
Paper LocalePaper();
// "a4" or "letter", in any case.
std::optional<Paper> PaperNamed(const QString& name);
QPageSize PageSizeOf(Paper paper);

// The margins of every page, saved or printed, in millimetres: wide enough for the unprintable
// edge of ordinary home printers.
inline const QMarginsF kPaperMargins(15, 15, 15, 15);

inline constexpr std::array<int, 4> kPerPageChoices{1, 2, 4, 6};
// Sharing a page, a maze's cells are at least this wide, room for a pencil line; alone on a
// page a maze is as big as the page allows, however small its cells (a poster).
inline constexpr double kSmallestSharedCellMm = 1.5;

// A maze of a worksheet, by its seed: it is built when its page is painted, so that a sheet of a
// thousand mazes, or of a few big ones, never holds more than one at a time.
struct Puzzle {
    std::uint64_t seed;
    MazeSize size;
    QString code;
    std::optional<Difficulty> measured;  // measured when painted, unless known already
    int level = 0;                       // 0 when the maze was made without a level
    BuildChoice how;                     // how it is built from its seed
};

struct Worksheet {
    std::vector<Puzzle> puzzles;
    QString title;  // on every page, none when empty
    bool nameLine = true;
    int perPage = 1;
    Paper paper = Paper::A4;
    bool answers = false;  // follow the puzzles with an answer key
};

// The largest maze side that fits the sheet's puzzle pages with cells of kSmallestSharedCellMm;
// no limit (kMaxSide) at one a page.
int LargestFittingSide(const Worksheet& sheet, double marginMm);

// Whether the title fits on one line across the page, in the title's font on `device`.
bool TitleFits(const Worksheet& sheet, QPaintDevice& device, double marginMm);

// The number of pages the sheet fills: its puzzle pages, then its answer pages.
int PageCount(const Worksheet& sheet);

// Paints every page with `painter`, which is active on `device`; false when a new page could
// not be started.
bool PaintWorksheet(QPagedPaintDevice& device, QPainter& painter, const Worksheet& sheet);

// The small text under a puzzle: its number and code, and under them its level and measures.
QString PuzzleCaption(int number, const Puzzle& puzzle);
QString MeasuresCaption(int level, const Difficulty& measured);

}  // namespace tolvane
