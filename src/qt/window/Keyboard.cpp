// The window's keys beyond Qt's defaults.
#include "qt/window/Keyboard.h"

#include <QKeyEvent>
#include <QShortcut>

namespace tolvane {
namespace {

// A push button that is neither default nor auto-default ignores Enter; this presses it instead.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        // Holding the key down presses the button once.
        auto* button = static_cast<QAbstractButton*>(watched);
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }
};

}  // namespace

void AddKeyboard(QWidget& window, std::initializer_list<QAbstractButton*> buttons)
{
    auto* enter = new EnterPresses(&window);
    for (QAbstractButton* button : buttons)
        button->installEventFilter(enter);

    auto* quit = new QShortcut(QKeySequence::Quit, &window);
    quit->setContext(Qt::WindowShortcut);
    QObject::connect(quit, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace tolvane
