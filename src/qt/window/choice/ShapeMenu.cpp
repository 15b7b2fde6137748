// The Shape submenu.
#include "qt/window/choice/ShapeMenu.h"

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>

#include "core/code/SizedCode.h"
#include "qt/paper/Facts.h"

namespace tolvane {
namespace {

QSettings Settings() { return QSettings(QStringLiteral("tolvane"), QStringLiteral("tolvane")); }

const QString kKindKey = QStringLiteral("shape/kind");
const QString kSizeKey = QStringLiteral("shape/size");
const QString kWordKey = QStringLiteral("shape/word");

}  // namespace

ShapeMenu::ShapeMenu(QWidget& parent, std::function<void(ShapeChoice)> choose, WordAsker askWord)
    : QMenu(QCoreApplication::translate("ShapeMenu", "S&hape"), &parent)
{
    setObjectName("ShapeMenu");
    const auto add = [this](const QString& text) {
        QAction* action = addAction(text);
        action->setCheckable(true);
        group_.addAction(action);
        return action;
    };
    rectangle_ = add(QCoreApplication::translate("ShapeMenu", "Rectangle (of the size chosen under Size)"));
    connect(rectangle_, &QAction::triggered, this, [choose] { choose({}); });
    addSeparator();
    ShapeKind last = ShapeKind::Rectangle;
    for (const OfferedShape& offered : kOfferedShapes) {
        const ShapeChoice shape = offered.Choice();
        if (shape.kind != last && last != ShapeKind::Rectangle)
            addSeparator();
        last = shape.kind;
        QAction* action = add(ShapeTitle(shape));
        offered_.push_back(action);
        connect(action, &QAction::triggered, this, [choose, shape] { choose(shape); });
    }
    addSeparator();
    word_ = add(QCoreApplication::translate("ShapeMenu", "Outline of a &Word…"));
    connect(word_, &QAction::triggered, this, [this, choose, askWord] {
        const auto text = askWord();
        const auto word = text ? OutlineWord(*text) : std::nullopt;
        if (word)
            choose({ShapeKind::Outline, {kWordLetterCells, kWordLetterCells}, *word});
        else
            Show(shown_);  // cancelled: the tick goes back to what is shown
    });
    Show({});
}

void ShapeMenu::Show(const ShapeChoice& shown)
{
    shown_ = shown;
    group_.setExclusive(false);
    rectangle_->setChecked(shown.kind == ShapeKind::Rectangle);
    word_->setChecked(shown.kind == ShapeKind::Outline);
    for (std::size_t i = 0; i < offered_.size(); ++i)
        offered_[i]->setChecked(shown.kind == kOfferedShapes[i].kind && shown.size == kOfferedShapes[i].size);
    group_.setExclusive(true);
}

std::optional<std::string> OutlineWord(const QString& text)
{
    // Read as codes are: full-width letters as an input method types them are the plain ones.
    const std::string word = QString::fromStdString(CleanCodeText(text.toStdString())).toUpper().toStdString();
    const bool letters = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (word.empty() || !letters || word.size() > static_cast<std::size_t>(kLongestWord))
        return std::nullopt;
    return word;
}

std::optional<ShapeChoice> RememberedShape()
{
    const QSettings settings = Settings();
    const std::string name = settings.value(kKindKey).toString().toStdString();
    const auto info = std::find_if(kShapes.begin(), kShapes.end(), [&](const ShapeInfo& s) { return s.name == name; });
    if (info == kShapes.end())
        return std::nullopt;
    ShapeChoice shape{info->id, {}, {}};
    if (shape.kind == ShapeKind::Rectangle)
        return shape;
    const QString size = settings.value(kSizeKey).toString();
    bool one = false;
    const int side = size.toInt(&one);
    const auto sides = ParseSize(size.toStdString());
    if (one)
        shape.size = {side, side};
    else if (sides && info->twoSides)
        shape.size = *sides;
    else
        return std::nullopt;
    if (shape.kind == ShapeKind::Outline) {
        const auto word = OutlineWord(settings.value(kWordKey).toString());
        if (!word)
            return std::nullopt;
        shape.word = *word;
    }
    return InRange(shape) ? std::optional(shape) : std::nullopt;
}

void RememberShape(const ShapeChoice& shape)
{
    QSettings settings = Settings();
    settings.setValue(kKindKey, QString::fromLatin1(InfoOf(shape.kind).name));
    settings.setValue(kSizeKey, InfoOf(shape.kind).twoSides ? QString::fromStdString(SizeText(shape.size))
                                                            : QString::number(shape.size.width));
    settings.setValue(kWordKey, QString::fromStdString(shape.word));
}

}  // namespace tolvane
