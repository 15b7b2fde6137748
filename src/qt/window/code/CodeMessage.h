// What is wrong with a maze code someone typed or pasted, in the user's words.
#pragma once

#include <QString>

#include "core/generate/Recipe.h"
#include "core/maze/SizedCode.h"

namespace tolvane {

// Reads a code of any size as a person gives it: white space around it, full-width forms and
// dashes allowed.
SizedReading ReadCode(const QString& text);
// The same for every code: today's, those of other ways to build and those of other shapes.
RecipeReading ReadAnyCode(const QString& text);

// Why `reading` found no code, as a phrase that follows "… is not a maze code: ".
QString CodeFaultReason(const CodeReading& reading);

// `text` in quotes for a message, cut short when it is long: a pasted page is not echoed back.
QString Quoted(const QString& text);

}  // namespace tolvane
