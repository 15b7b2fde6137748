// The window's keys beyond Qt's defaults: Enter on a focused button, and the Quit shortcut.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <initializer_list>

namespace tolvane {

// Enter and Return press whichever of `buttons` has the focus, the way Space does, without making
// either a default button; the platform's Quit shortcut (Ctrl+Q) closes `window` like its close button.
void AddKeyboard(QWidget& window, std::initializer_list<QAbstractButton*> buttons);

}  // namespace tolvane
