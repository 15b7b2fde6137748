// Reading the codes --maze names.
#include "qt/cli/parse/Codes.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "core/code/SizedCode.h"
#include "qt/cli/parse/Readers.h"
#include "qt/window/code/CodeMessage.h"

namespace tolvane {

std::variant<std::vector<Recipe>, Options> ReadCodes(const QString& given, bool firstRelease)
{
    QString text = given;
    if (given.startsWith(QLatin1Char('@'))) {
        QFile file(given.mid(1));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Options bad = Error(QCoreApplication::translate("CommandLine", "cannot read the codes in %1: %2")
                                    .arg(given.mid(1), file.errorString()));
            bad.status = 1;
            return bad;
        }
        text = QString::fromUtf8(file.read(1 << 20));
    }
    auto notACode = [&](const QString& code, const RecipeReading& read) {
        // A code printed by the first release is refused today, as a code dropping a character
        // would be; the teacher with last month's sheets is told how to open it.
        Options bad = Error(read.reading.firstRelease
                                ? QCoreApplication::translate("CommandLine", "%1 is not a maze code of this version: %2; it "
                                                                            "may come from the first release: add "
                                                                            "--old-code to open it as that release did")
                                      .arg(Quoted(code), CodeFaultReason(read.reading))
                                : QCoreApplication::translate("CommandLine", "%1 is not a maze code: %2")
                                      .arg(Quoted(code), CodeFaultReason(read.reading)));
        bad.status = 1;
        return bad;
    };
    const auto readCode = [firstRelease](const QString& text) {
        return ReadCode(text.toStdString(), firstRelease ? OldCodes::Read : OldCodes::Refused);
    };
    std::vector<Recipe> mazes;
    static const QRegularExpression kBetweenCodes(QStringLiteral("[,\\x{FF0C}\\x{3001}\\n\\r]+"));
    static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
    for (const QString& piece : text.split(kBetweenCodes, Qt::SkipEmptyParts)) {
        if (piece.trimmed().isEmpty())
            continue;
        const RecipeReading whole = readCode(piece);
        if (whole.recipe) {
            mazes.push_back(*whole.recipe);
            continue;
        }
        const QStringList words = piece.split(kSpaces, Qt::SkipEmptyParts);
        std::vector<RecipeReading> read;
        for (const QString& word : words)
            read.push_back(readCode(word));
        // Words none of which is a code are more likely one mistyped code than several.
        if (words.size() < 2 || std::none_of(read.begin(), read.end(), [](const RecipeReading& r) { return r.recipe.has_value(); }))
            return notACode(piece.trimmed(), whole);
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (!read[i].recipe)
                return notACode(words[i], read[i]);
            mazes.push_back(*read[i].recipe);
        }
    }
    if (mazes.empty())
        return Error(QCoreApplication::translate("CommandLine", "--maze names no maze code"));
    if (mazes.size() > static_cast<std::size_t>(kMaxCount))
        return Error(QCoreApplication::translate("CommandLine", "--maze names %1 mazes; a PDF holds at most %2")
                         .arg(mazes.size())
                         .arg(kMaxCount));
    return mazes;
}

}  // namespace tolvane
