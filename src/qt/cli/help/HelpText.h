// The --help text, laid out by the width that characters take on a terminal.
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace tolvane {

inline constexpr int kHelpColumns = 79;  // lines end before the 80th column

// How many terminal columns `text` takes: two for East Asian wide characters, one for others.
int DisplayWidth(const QString& text);

// `text` broken into lines of at most `columns` display columns: at its own line breaks, between
// words, and between any two wide characters, which Japanese writes without spaces.
QStringList WrapText(const QString& text, int columns);

// One line of a table in the help: what to type or press, and what it does.
struct HelpRow {
    QString names;
    QString description;
};

// The usage line, the description, the options and then the window's keys under `keysHeading`,
// every description of both tables starting in one column.
QString HelpText(const QString& description, const QString& program, const QList<QCommandLineOption>& options,
                 const QString& keysHeading, const QList<HelpRow>& keys);

}  // namespace tolvane
