#include "Timer.h"

TTimer::TTimer(int interval, bool enabled) : interval_(interval), enabled_(enabled) {}

TTimer::~TTimer() { platform::clock().Stop(this); }

void TTimer::SetInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Restart();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    Restart();
}

void TTimer::Restart()
{
    platform::clock().Stop(this);
    if (enabled_ && interval_ > 0 && onTimer_)
        platform::clock().Start(this, interval_);
}

void TTimer::Tick()
{
    // The handler may disable this timer or change it; a copy keeps the
    // running handler alive if it replaces itself.
    const TNotifyEvent handler = onTimer_;
    if (enabled_)
        Raise(handler, this);
}
