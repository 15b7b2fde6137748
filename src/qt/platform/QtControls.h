// The Enabled switches of a real push button and a real timer.
#pragma once

#include <QAbstractButton>
#include <QTimer>

#include "core/platform/Controls.h"

namespace tolvane {

class ButtonSwitch final : public Switch {
public:
    explicit ButtonSwitch(QAbstractButton& button) : button_(button) {}
    void SetEnabled(bool enabled) override { button_.setEnabled(enabled); }
    bool Enabled() const override { return button_.isEnabled(); }

private:
    QAbstractButton& button_;
};

// Enabled starts the periodic tick; ticks arrive on the timer's thread between events.
class TimerSwitch final : public Switch {
public:
    explicit TimerSwitch(QTimer& timer) : timer_(timer) {}
    void SetEnabled(bool enabled) override
    {
        if (enabled)
            timer_.start();
        else
            timer_.stop();
    }
    bool Enabled() const override { return timer_.isActive(); }

private:
    QTimer& timer_;
};

}  // namespace tolvane
