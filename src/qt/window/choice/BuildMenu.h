// The maze menu's Way to Build submenu: the ways, each with what its mazes feel like, and loops.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <functional>
#include <optional>

#include "core/generate/Algorithms.h"

namespace tolvane {

// The shares of dead ends opened into loops that the menu offers.
inline constexpr int kOfferedLoops[] = {0, 25, 50, 100};

class BuildMenu final : public QMenu {
public:
    // `choose` runs when the user picks a way or a share of loops.
    BuildMenu(QWidget& parent, std::function<void(BuildChoice)> choose);

    // Ticks the way and the loops of `shown` (none where the menu does not offer it).
    void Show(const BuildChoice& shown);
    const BuildChoice& Shown() const { return shown_; }

private:
    QActionGroup ways_{this};
    QActionGroup loops_{this};
    BuildChoice shown_;
};

// The choice kept from the last run, and keeping it for the next.
std::optional<BuildChoice> RememberedBuildChoice();
void RememberBuildChoice(const BuildChoice& how);

}  // namespace tolvane
