// The --help text, laid out by the width that characters take on a terminal.
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace tolvane {

inline constexpr int kHelpColumns = 79;  // lines end before the 80th column

// How many terminal columns `text` takes: two for East Asian wide characters, one for others.
int DisplayWidth(const QString& text);

// `text` broken into lines of at most `columns` display columns: between words, and between any
// two wide characters, which Japanese writes without spaces.
QStringList WrapText(const QString& text, int columns);

// The usage line, the description and the options with their descriptions in one column.
QString HelpText(const QString& description, const QString& program, const QList<QCommandLineOption>& options);

}  // namespace tolvane
