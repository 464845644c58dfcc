#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, whenever messages are pumped
// (the main loop, modal loops, ProcessMessages), also while an earlier OnTimer of the same timer
// is still suspended in a nested loop.

#include "ui/control.h"

#include <cstdint>

namespace ui {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 stops the timer as the class library does.
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

    // The loop's side.
    bool Armed() const { return enabled_ && interval_ > 0; }
    void Fire();

private:
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

}  // namespace ui
