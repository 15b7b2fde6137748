// The Size submenu.
#include "qt/window/choice/SizeMenu.h"

#include <QCoreApplication>

namespace tolvane {

SizeMenu::SizeMenu(QWidget& parent, std::function<void(MazeSize)> choose)
    : QMenu(QCoreApplication::translate("SizeMenu", "Si&ze"), &parent)
{
    setObjectName("SizeMenu");
    group_.setExclusive(true);
    for (const int side : kOfferedSides) {
        QAction* action = addAction(QCoreApplication::translate("SizeMenu", "%1 × %1").arg(side));
        action->setCheckable(true);
        action->setData(side);
        group_.addAction(action);
        connect(action, &QAction::triggered, this, [choose, side] { choose({side, side}); });
    }
    Show(kClassicSize);
}

void SizeMenu::Show(MazeSize shown)
{
    // An exclusive group would keep its tick when no entry is the size shown.
    group_.setExclusive(false);
    for (QAction* action : group_.actions())
        action->setChecked(shown.width == shown.height && action->data().toInt() == shown.width);
    group_.setExclusive(true);
}

}  // namespace tolvane
