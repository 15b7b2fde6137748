// The Worksheets dialog's choices as the command line's options, kept between runs and in presets.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tolvane {

struct Options;

// What a teacher chooses; each field is one option of `Tolvane --export FILE.pdf`, given only
// when it differs from what the command line does without it (the paper always, so that a
// colleague in another country gets the same sheets).
struct WorksheetChoices {
    int level = 0;                                  // --level 1 to 5; 0 for a size and a way of one's own
    QString shape = QStringLiteral("rectangle");    // a --shape name, or kWordShape for --text
    QString word;                                   // --text
    QString size;                                   // --size as typed; empty for the shape's usual size
    QString algorithm;                              // --algorithm; empty for the usual way
    int braid = 0;                                  // --braid, in percent
    QString route;                                  // --route as typed; empty for none
    bool hard = false;                              // --hard
    int count = 1;                                  // --count
    int perPage = 1;                                // --per-page
    int copies = 1;                                 // --copies
    QString title;                                  // --title
    enum class NameLines { Usual, Always, Never } nameLines = NameLines::Usual;  // --name-line, --no-name-line
    bool answers = false;                           // --solution
    QString paper = QStringLiteral("a4");           // --paper
    int tileColumns = 1;                            // --tile CxR
    int tileRows = 1;

    bool operator==(const WorksheetChoices&) const = default;
};

inline const QString kWordShape = QStringLiteral("text");

// The options that make new mazes as chosen: what `Tolvane --export FILE.pdf` is given after the
// file's name.
QStringList SettingsArguments(const WorksheetChoices& choices);

// The options that print exactly the mazes of `codes` on the same sheets: the set again, later or
// by a colleague.
QStringList ReprintArguments(const WorksheetChoices& choices, const QStringList& codes);

// The whole command, quoted for a shell where a word needs it.
QString CommandText(const QString& file, const QStringList& arguments);

// A refusal of ParseCommandLine as the command line's own sentence, without the program's name
// and the pointer to --help around it.
QString RefusalSentence(const Options& refused);

// The first option a refusal names (without its dashes, "per-page"), or empty.
QString OptionNamedIn(const QString& sentence);

// The choices kept under `group`; `fallback` where nothing is kept.
WorksheetChoices LoadChoices(const QSettings& settings, const QString& group, const WorksheetChoices& fallback = {});
void SaveChoices(QSettings& settings, const QString& group, const WorksheetChoices& choices);

// The presets every teacher starts with, by their names in the user's language.
std::vector<std::pair<QString, WorksheetChoices>> BuiltInPresets();

}  // namespace tolvane
