// What is wrong with a maze code.
#include "qt/window/code/CodeMessage.h"

#include <QCoreApplication>

namespace tolvane {
namespace {

constexpr qsizetype kQuotedMax = 40;  // characters of a bad value shown in a message
const QString kExample = QStringLiteral("3F7KQ-M2XWA");
const QString kSizedExample = QStringLiteral("31x45-T01VA-NE015");

// A character as the reader can see it: control and space characters by their code point.
QString Visible(const QString& character)
{
    const QList<uint> points = character.toUcs4();
    if (points.size() == 1 && !QChar::isPrint(points.front()))
        return QStringLiteral("U+%1").arg(points.front(), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("'%1'").arg(character);
}

}  // namespace

SizedReading ReadCode(const QString& text) { return ReadSizedCode(text.toStdString()); }

RecipeReading ReadAnyCode(const QString& text) { return ReadRecipeCode(text.toStdString()); }

QString CodeFaultReason(const CodeReading& reading)
{
    switch (reading.fault) {
    case CodeFault::UnknownCharacter:
        return QCoreApplication::translate("Code", "codes never use the character %1")
            .arg(Visible(QString::fromStdString(reading.character)));
    case CodeFault::WrongLength:
        if (!reading.size.empty())
            return QCoreApplication::translate("Code", "after its size a code has ten characters, like %1, and this has %2")
                .arg(kSizedExample)
                .arg(reading.length);
        return QCoreApplication::translate("Code", "a code has ten characters, like %1, and this has %2")
            .arg(kExample)
            .arg(reading.length);
    case CodeFault::CheckFails:
        return QCoreApplication::translate("Code", "a character is mistyped or two are swapped (the check does not match)");
    case CodeFault::BadSize:
        return QCoreApplication::translate("Code", "%1 is no maze size: each side is a whole number from %2 to %3")
            .arg(QString::fromStdString(reading.size))
            .arg(kMinSide)
            .arg(kMaxSide);
    case CodeFault::SizeUnended:
        return QCoreApplication::translate("Code", "a hyphen goes after the size, like %1").arg(kSizedExample);
    case CodeFault::ClassicSizeWritten:
        return QCoreApplication::translate("Code", "a %1 maze's code has no size in front, like %2")
            .arg(QString::fromStdString(SizeText(kClassicSize)), kExample);
    case CodeFault::None:
        break;
    }
    return {};
}

QString Quoted(const QString& given)
{
    // A message stays on one line, whatever line breaks came with the text.
    QString text = given;
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (text.size() <= kQuotedMax)
        return QStringLiteral("'%1'").arg(text);
    return QStringLiteral("'%1…' (%2)")
        .arg(text.left(kQuotedMax - 1))
        .arg(QCoreApplication::translate("Code", "%1 characters").arg(text.size()));
}

}  // namespace tolvane
