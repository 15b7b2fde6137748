// The maze menu's Size submenu: the sizes the window offers, the one shown ticked.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <array>
#include <functional>

#include "core/maze/MazeState.h"

namespace tolvane {

// The sides the menu offers; 21 is the classic maze the window starts with.
inline constexpr std::array<int, 6> kOfferedSides{11, 15, 21, 31, 41, 51};
// The window's square holds a maze of up to 119 x 119 cells at three pixels a cell, enough for
// a wall and a passage: the biggest a maze code may open in the window.
inline constexpr int kLargestWindowSide = 119;

class SizeMenu final : public QMenu {
public:
    // `choose` runs when the user picks a size, also the one already shown.
    SizeMenu(QWidget& parent, std::function<void(MazeSize)> choose);

    // Ticks the entry of the size shown, or none when that size is not on the menu.
    void Show(MazeSize shown);

private:
    QActionGroup group_{this};
};

}  // namespace tolvane
