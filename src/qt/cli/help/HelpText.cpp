// The --help text.
#include "qt/cli/help/HelpText.h"

#include <QCoreApplication>
#include <algorithm>

namespace tolvane {
namespace {

constexpr int kIndent = 2;           // before an option's names
constexpr int kGap = 2;              // between the names and the description
constexpr int kMaxNameColumn = 30;   // longer names put their description on the next line

bool Wide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Closing punctuation that Japanese never puts at the start of a line: it stays with what it follows.
bool ClosesLine(char32_t c) { return QStringView(u"、。，．）」』】〕〉》！？：；・ー").contains(QChar(c)); }

// The pieces a line may break between: a word of narrow characters, or one wide character, each
// with whether a space came before it.
struct Piece {
    QString text;
    bool spaceBefore;
};

QList<Piece> Pieces(const QString& text)
{
    QList<Piece> pieces;
    bool space = false;
    bool inWord = false;
    for (const char32_t c : text.toUcs4()) {
        const QString s = QString::fromUcs4(&c, 1);
        if (QChar::isSpace(c)) {
            space = !pieces.isEmpty();
            inWord = false;
        } else if (Wide(c) && ClosesLine(c) && !space && !pieces.isEmpty()) {
            pieces.back().text += s;
            inWord = false;
        } else if (Wide(c)) {
            pieces.append({s, space});
            space = inWord = false;
        } else if (inWord) {
            pieces.back().text += s;
        } else {
            pieces.append({s, space});
            space = false;
            inWord = true;
        }
    }
    return pieces;
}

QString Names(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <%1>").arg(option.valueName());
    return text;
}

}  // namespace

int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += Wide(c) ? 2 : 1;
    return width;
}

QStringList WrapText(const QString& text, int columns)
{
    // A line break in the text starts a line of its own, as the rows of a table in a description.
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines;
        for (const QString& paragraph : text.split(QLatin1Char('\n')))
            lines += WrapText(paragraph, columns);
        return lines;
    }
    QStringList lines;
    QString line;
    int width = 0;
    for (const Piece& piece : Pieces(text)) {
        const int pieceWidth = DisplayWidth(piece.text);
        const int gap = piece.spaceBefore && !line.isEmpty() ? 1 : 0;
        if (!line.isEmpty() && width + gap + pieceWidth > columns) {
            lines << line;
            line.clear();
            width = 0;
        } else if (gap) {
            line += QLatin1Char(' ');
            width += 1;
        }
        line += piece.text;
        width += pieceWidth;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString HelpText(const QString& description, const QString& program, const QList<QCommandLineOption>& options,
                 const QString& keysHeading, const QList<HelpRow>& keys)
{
    QList<HelpRow> optionRows;
    for (const QCommandLineOption& option : options)
        optionRows.append({Names(option), option.description()});
    int nameColumn = 0;
    for (const QList<HelpRow>* rows : {static_cast<const QList<HelpRow>*>(&optionRows), &keys})
        for (const HelpRow& row : *rows)
            if (const int width = DisplayWidth(row.names); width <= kMaxNameColumn)
                nameColumn = std::max(nameColumn, width);
    const int descriptionAt = kIndent + nameColumn + kGap;
    const auto table = [&](const QList<HelpRow>& rows) {
        QString lines;
        for (const HelpRow& row : rows) {
            QString line = QString(kIndent, QLatin1Char(' ')) + row.names;
            int width = kIndent + DisplayWidth(row.names);
            if (width + kGap > descriptionAt) {
                lines += line + QLatin1Char('\n');
                line.clear();
                width = 0;
            }
            for (const QString& part : WrapText(row.description, kHelpColumns - descriptionAt)) {
                lines += line + QString(descriptionAt - width, QLatin1Char(' ')) + part + QLatin1Char('\n');
                line.clear();
                width = 0;
            }
        }
        return lines;
    };

    QString text = QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(program) + QLatin1Char('\n');
    for (const QString& line : WrapText(description, kHelpColumns))
        text += line + QLatin1Char('\n');
    text += QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Options:") + QLatin1Char('\n');
    text += table(optionRows);
    text += QLatin1Char('\n') + keysHeading + QLatin1Char('\n');
    text += table(keys);
    return text;
}

}  // namespace tolvane
