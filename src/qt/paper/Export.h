// Writes mazes to PNG, SVG and PDF files, all or nothing.
#pragma once

#include <QMarginsF>
#include <QString>
#include <optional>
#include <vector>

#include "core/play/Game.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"
#include "qt/paper/print/Worksheet.h"

namespace tolvane {

enum class FileFormat { Png, Svg, Pdf };

// The format that a file name's extension asks for, in any case.
std::optional<FileFormat> FormatOf(const QString& path);

// One picture, or one page of a PDF: a maze of any shape.
struct Sheet {
    const ShapeMaze* maze;
    QString code;  // the maze code, empty when the maze has none (an outline from a picture)
    Answer answer;
    const Game* game = nullptr;  // a game played on it, drawn with its trail and marker, or none
};

// Writes `sheets` to `path` in its format: PNG and SVG hold exactly one sheet, a PDF one a page.
// The file appears only when it is complete: a failure leaves whatever was there before
// untouched. Returns the reason of a failure, or nothing.
// A rectangle's PNG is the window's picture at `scale` device pixels a pixel, or with `cell`
// above 0 has `cell` pixels a cell, however big that makes it; another shape's PNG has `cell`
// pixels a cell (0: ShapeUnit), fewer for a maze too big for that (see ShapePngUnit).
std::optional<QString> WriteSheets(const QString& path, const std::vector<Sheet>& sheets, double scale = 1.0, int cell = 0);

// A worksheet, its copies and posters included, fills at most this many sheets.
inline constexpr int kMostSheets = 10000;

// What keeps a worksheet off its paper: a title longer than a line, mazes too big to share a page
// as the sheet asks, a level's cells narrower than its children can trace, or more than
// kMostSheets sheets; nothing when it fits.
std::optional<QString> WorksheetProblem(const Worksheet& sheet);

// Writes a worksheet PDF, all or nothing like WriteSheets.
std::optional<QString> WriteWorksheet(const QString& path, const Worksheet& sheet, Progress* progress = nullptr);

// The name of a maze on its own, the title of its file: its code (or, for a shape, why it has
// none); for a shape other than the rectangle, where S and G are too.
QString SheetCaption(const Sheet& sheet);
// The small text under a maze on its page: its name, and for a rectangle whose S and G are
// squares, which square is which.
QString PageCaption(const Sheet& sheet);

// Writes `bytes` to `path` as every file here is written: the file appears (or replaces the old
// one, keeping its permissions) only once all of it is written; else the system's reason.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

// The name, without an extension, that saving or printing a maze suggests: "maze-3F7KQ-M2XWA".
QString SheetFileName(const QString& code);

}  // namespace tolvane
