#pragma once
// An interval timer: while enabled (and given an interval and a handler) it
// calls OnTimer every Interval milliseconds. Enabling it, changing its
// interval or its handler starts the count afresh. Ticks come from the
// installed clock, so tests can run timers on virtual time.

#include "Events.h"
#include "platform/Clock.h"

#include <QObject>

class TTimer : public QObject, public platform::TimerClient {
    Q_OBJECT
public:
    explicit TTimer(int interval = 1000, bool enabled = false);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void SetOnTimer(TNotifyEvent handler);

    void Tick() override;

private:
    void Restart();

    int interval_;
    bool enabled_;
    TNotifyEvent onTimer_;
};
