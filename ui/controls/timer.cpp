#include "ui/controls/timer.h"

#include "ui/loop/message_loop.h"

namespace ui {

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    loop::TimerChanged(this);
}

TTimer::~TTimer()
{
    loop::TimerRemoved(this);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled != enabled_) {
        enabled_ = enabled;
        loop::TimerChanged(this);
    }
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval != interval_) {
        interval_ = interval;
        loop::TimerChanged(this);
    }
}

void TTimer::Fire()
{
    if (OnTimer) {
        OnTimer(this);
    }
}

}  // namespace ui
