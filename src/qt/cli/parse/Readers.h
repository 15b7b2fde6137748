// The option readers every command shares: a failure's message, values folded as codes are,
// whole numbers, the way to build, the size and the route, and what the toolkit's parser refused.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "qt/cli/parse/OptionTable.h"
#include "qt/cli/parse/Options.h"

namespace tolvane {

// A wrong command line: the one-line message and exit status 2.
Options Error(const QString& message);

// A value as codes are read: full-width letters and digits as plain ones, every dash a hyphen,
// no white space around it, so that "--size ３１ｘ３１" from a Japanese input method is 31x31.
QString Folded(const QString& given);

// A named choice as the tables spell it: every name is lower case, and a name is taken in any
// case (--shape Circle, --search A-Star), as --algorithm and --paper always took theirs.
QString Named(const QString& given);

// `text` as a whole number from `lowest` to `highest`, or nothing.
std::optional<int> WholeNumber(const QString& text, int lowest, int highest);

// --algorithm and --braid into o.how, and what does not go with them or with --route.
std::optional<Options> ReadBuildChoice(const OptionTable& p, Options& o);

// --size into o.size, or the reason it cannot be read.
std::optional<Options> ReadSize(const OptionTable& p, Options& o);

// --route's text as cells of a maze of `cells`: a number of cells, or a share such as "40%".
std::optional<long long> RouteCells(const QString& text, long long cells);
// The message for a --route that reads as neither.
Options RouteUnread(const QString& text);

// --size or --level into o.size, then --route, which the size bounds, into o.route.
std::optional<Options> ReadSizeAndRoute(const OptionTable& p, Options& o);

// What the toolkit's parser refused, in our words and quoting what was typed, dashes and all:
// an option that does not exist, one whose value is missing, or a value given to a switch.
QString ParseFailure(const OptionTable& p, const QStringList& arguments);

// The program's name as --help and --version give it.
QString ProgramName(const QStringList& arguments);

}  // namespace tolvane
