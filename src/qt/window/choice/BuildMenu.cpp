// The Way to Build submenu.
#include "qt/window/choice/BuildMenu.h"

#include <QCoreApplication>
#include <QSettings>

#include "qt/paper/Facts.h"

namespace tolvane {
namespace {

QSettings Settings() { return QSettings(QStringLiteral("tolvane"), QStringLiteral("tolvane")); }

const QString kAlgorithmKey = QStringLiteral("build/algorithm");
const QString kLoopsKey = QStringLiteral("build/loops");

}  // namespace

BuildMenu::BuildMenu(QWidget& parent, std::function<void(BuildChoice)> choose)
    : QMenu(QCoreApplication::translate("BuildMenu", "&Way to Build"), &parent)
{
    setObjectName("BuildMenu");
    setToolTipsVisible(true);
    for (const AlgorithmInfo& way : kAlgorithms) {
        QAction* action = addAction(AlgorithmTitle(way.id));
        action->setCheckable(true);
        action->setData(static_cast<int>(way.id));
        // What the way feels like, shown as a tip and read by screen readers.
        action->setToolTip(AlgorithmFeel(way.id));
        action->setStatusTip(AlgorithmFeel(way.id));
        ways_.addAction(action);
        connect(action, &QAction::triggered, this, [this, choose, id = way.id] {
            choose({id, shown_.braid});
        });
    }
    addSeparator();
    for (const int loops : kOfferedLoops) {
        QAction* action = addAction(loops == 0 ? QCoreApplication::translate("BuildMenu", "No loops")
                                               : QCoreApplication::translate("BuildMenu", "Loops: %1 % of the dead ends opened").arg(loops));
        action->setCheckable(true);
        action->setData(loops);
        loops_.addAction(action);
        connect(action, &QAction::triggered, this, [this, choose, loops] {
            choose({shown_.algorithm, loops});
        });
    }
    Show({});
}

void BuildMenu::Show(const BuildChoice& shown)
{
    shown_ = shown;
    for (QActionGroup* group : {&ways_, &loops_}) {
        group->setExclusive(false);
        for (QAction* action : group->actions()) {
            const int value = action->data().toInt();
            action->setChecked(group == &ways_ ? value == static_cast<int>(shown.algorithm) : value == shown.braid);
        }
        group->setExclusive(true);
    }
}

std::optional<BuildChoice> RememberedBuildChoice()
{
    const QSettings settings = Settings();
    const auto way = AlgorithmNamed(settings.value(kAlgorithmKey).toString().toStdString());
    bool ok = false;
    const int loops = settings.value(kLoopsKey).toInt(&ok);
    if (!way || !ok || loops < 0 || loops > kMaxBraid)
        return std::nullopt;
    return BuildChoice{*way, loops};
}

void RememberBuildChoice(const BuildChoice& how)
{
    QSettings settings = Settings();
    settings.setValue(kAlgorithmKey, QString::fromLatin1(InfoOf(how.algorithm).name));
    settings.setValue(kLoopsKey, how.braid);
}

}  // namespace tolvane
