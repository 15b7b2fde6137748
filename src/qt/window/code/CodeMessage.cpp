// What is wrong with a maze code.
#include "qt/window/code/CodeMessage.h"

#include <QCoreApplication>
#include <QStringList>

namespace tolvane {
namespace {

constexpr qsizetype kQuotedMax = 40;  // characters of a bad value shown in a message
const QString kExample = QStringLiteral("3F7KQ-M2XWA");
const QString kSizedExample = QStringLiteral("31x45-T01VA-NE015");
const QString kRecipeExample = QStringLiteral("B25R31x45-3F7KQ-M2XWJ");

// A character as the reader can see it: control and space characters by their code point.
QString Visible(const QString& character)
{
    const QList<uint> points = character.toUcs4();
    if (points.size() == 1 && !QChar::isPrint(points.front()))
        return QStringLiteral("U+%1").arg(points.front(), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("'%1'").arg(character);
}

// The code letters of a table's entries, in its order: "R, B, H, G, P, K, W".
template <typename Table>
QString Letters(const Table& table)
{
    QStringList letters;
    for (const auto& entry : table)
        letters.append(QString(QLatin1Char(entry.letter)));
    return letters.join(QStringLiteral(", "));
}

// A size the shape of a recipe code cannot have, with the range it can.
QString ShapeSizeReason(const CodeReading& reading)
{
    const QString given = QString::fromStdString(reading.written);
    for (const ShapeInfo& s : kShapes) {
        if (s.letter != reading.letter)
            continue;
        switch (s.id) {
        case ShapeKind::Circle:
            return QCoreApplication::translate("Code", "a circle has %1 to %2 rings, not %3").arg(s.least).arg(s.most).arg(given);
        case ShapeKind::Hexagon:
        case ShapeKind::Triangle:
            return QCoreApplication::translate("Code", "this shape has %1 to %2 cells a side, not %3").arg(s.least).arg(s.most).arg(given);
        case ShapeKind::Outline:
            return QCoreApplication::translate("Code", "a word's letters are %1 to %2 cells tall, not %3").arg(s.least).arg(s.most).arg(given);
        case ShapeKind::Rectangle:
        case ShapeKind::HexagonRectangle:
        case ShapeKind::TriangleRectangle:
            break;
        }
        return QCoreApplication::translate("Code", "%1 is no size for this shape: each side is a whole number from %2 to %3")
            .arg(given)
            .arg(s.least)
            .arg(s.most);
    }
    return {};
}

}  // namespace

QString CodeFaultReason(const CodeReading& reading)
{
    switch (reading.fault) {
    case CodeFault::UnknownCharacter:
        return QCoreApplication::translate("Code", "codes never use the character %1")
            .arg(Visible(QString::fromStdString(reading.character)));
    case CodeFault::WrongLength:
        if (!reading.front.empty())
            return QCoreApplication::translate("Code", "after %1 and its hyphen a code has ten characters, like %2, and this has %3")
                .arg(QString::fromStdString(reading.front), kRecipeExample)
                .arg(reading.length);
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
    case CodeFault::UnknownWay:
        return QCoreApplication::translate("Code", "no way to build has the letter %1 (the ways are %2)")
            .arg(QString(QLatin1Char(reading.letter)), Letters(kAlgorithms));
    case CodeFault::BadLoops:
        return QCoreApplication::translate("Code", "after the way's letter comes the share of loops, 0 to 99, or N or S, "
                                                   "like %1")
            .arg(kRecipeExample);
    case CodeFault::UnknownShape:
        return QCoreApplication::translate("Code", "no shape has the letter %1 (the shapes are %2)")
            .arg(QString(QLatin1Char(reading.letter)), Letters(kShapes));
    case CodeFault::ShapeSizeOutOfRange:
        return ShapeSizeReason(reading);
    case CodeFault::BadWord:
        return QCoreApplication::translate("Code", "a word is written in 1 to %1 capitals, A to Z").arg(kLongestWord);
    case CodeFault::BadFront:
        return QCoreApplication::translate("Code", "its front names no way, loops, shape and size, like %1")
            .arg(kRecipeExample);
    case CodeFault::ClassicRecipeWritten:
        return QCoreApplication::translate("Code", "a maze built the classic way has a code without a front, like %1")
            .arg(kSizedExample);
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
