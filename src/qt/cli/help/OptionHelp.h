// The parts of --help that are tables: the levels, the ways to build, the window's keys.
#pragma once

#include <QList>
#include <QString>

#include "qt/cli/help/HelpText.h"

namespace tolvane {

// What --help says of --level: the levels as a table, on every shape.
QString LevelHelp();

// The ways to build as --help lists them: each name and what its mazes feel like.
QString AlgorithmHelp();

// The ways' names, parted by commas, for a message.
QString AlgorithmNames();

// The keys of the window, as the manual page's KEYBOARD section lists them.
QList<HelpRow> KeyboardHelp();

}  // namespace tolvane
