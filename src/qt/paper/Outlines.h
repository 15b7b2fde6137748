// Outlines for mazes: the dark pixels of a picture, or the letters of a word.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "core/shape/make/Mask.h"
#include "core/shape/ShapeChoice.h"

namespace tolvane {

// The cells `cellsAcross` columns of `picture` make (rows in proportion, at least one): a cell
// is inside when at least half of its pixels are dark (more black than white once laid on
// white). Nothing when no cell is.
std::optional<Mask> MaskFromPicture(const QImage& picture, int cellsAcross);
// Whether any pixel of the picture is dark, so that a picture none of whose cells is dark enough
// can be told apart from one with no ink at all.
bool HasDarkPixels(const QImage& picture);

// The letters of `word` in a bold sans-serif font, capitals `letterCells` cells tall, standing
// on a bar that joins them (or the letters would be islands of their own). Nothing when the font
// draws none of them.
std::optional<Mask> MaskFromWord(const QString& word, int letterCells);

// The letter height, in RangeOf(ShapeKind::Outline), at which `word`'s outline has the number of
// cells nearest `cells`; nothing when the font draws none of its letters.
std::optional<int> WordHeightFor(const QString& word, long long cells);

// The shape a choice names, a word's outline included; nothing for a picture's outline, which
// needs its picture, or a word the font draws none of.
std::optional<Shape> ShapeOfChoice(const ShapeChoice& asked);

}  // namespace tolvane
