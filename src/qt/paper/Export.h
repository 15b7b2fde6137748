// Writes mazes to PNG, SVG and PDF files, all or nothing.
#pragma once

#include <QMarginsF>
#include <QString>
#include <optional>
#include <vector>

#include "core/maze/MazeState.h"
#include "core/play/Game.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"
#include "qt/paper/Worksheet.h"

namespace tolvane {

enum class FileFormat { Png, Svg, Pdf };

// The format that a file name's extension asks for, in any case.
std::optional<FileFormat> FormatOf(const QString& path);

// One picture, or one page of a PDF.
struct Sheet {
    const MazeState* maze;
    QString code;  // the maze code, empty when the maze has none
    Answer answer;
    const Game* play = nullptr;  // a game in progress, drawn with its trail and marker
};

// Writes `sheets` to `path` in its format: PNG and SVG hold exactly one sheet, a PDF one a page.
// A PNG has `scale` device pixels a pixel. The file appears only when it is complete: a failure
// leaves whatever was there before untouched. Returns the reason of a failure, or nothing.
// With `cell` above 0 a PNG has `cell` pixels a cell instead, however big that makes it.
std::optional<QString> WriteSheets(const QString& path, const std::vector<Sheet>& sheets, double scale = 1.0, int cell = 0);

// A worksheet, its copies and posters included, fills at most this many sheets.
inline constexpr int kMostSheets = 10000;

// What keeps a worksheet off its paper: a title longer than a line, mazes too big to share a page
// as the sheet asks, a level's cells narrower than its children can trace, or more than
// kMostSheets sheets; nothing when it fits.
std::optional<QString> WorksheetProblem(const Worksheet& sheet);

// Writes a worksheet PDF, all or nothing like WriteSheets.
std::optional<QString> WriteWorksheet(const QString& path, const Worksheet& sheet, Progress* progress = nullptr);

// A maze of any shape on its own: a PNG at `pngUnit` pixels a cell (0: the usual, smaller for
// a maze too big for that), an SVG, or a PDF of one page with its caption. All or nothing, as
// WriteSheets.
struct ShapeSheet {
    const ShapeMaze* maze;
    QString code;  // empty when the maze has none (an outline from a picture)
    Answer answer;
    const Game* game = nullptr;  // a game played on it, drawn with its trail, or none
};
std::optional<QString> WriteShapeSheet(const QString& path, const ShapeSheet& sheet, int pngUnit = 0);

// The caption of a maze of a shape: its code, or why it has none, and where S and G are.
QString ShapeCaption(const ShapeSheet& sheet);

// The small text under a maze on paper, and the title of a file of one maze.
QString SheetCaption(const Sheet& sheet);

// Writes `bytes` to `path` as every file here is written: the file appears (or replaces the old
// one, keeping its permissions) only once all of it is written; else the system's reason.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

// The name, without an extension, that saving or printing a maze suggests: "maze-3F7KQ-M2XWA".
QString SheetFileName(const QString& code);

}  // namespace tolvane
