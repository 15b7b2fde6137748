// What is wrong with a maze code someone typed or pasted, in the user's words.
#pragma once

#include <QString>

#include "core/code/Recipe.h"
#include "core/code/SizedCode.h"

namespace tolvane {

// Why `reading` found no code, as a phrase that follows "… is not a maze code: ".
QString CodeFaultReason(const CodeReading& reading);

// `text` in quotes for a message, cut short when it is long: a pasted page is not echoed back.
QString Quoted(const QString& text);

}  // namespace tolvane
