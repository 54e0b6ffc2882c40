#include "Clock.h"
#include "Errors.h"
#include "SeamSlot.h"

#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>

namespace platform {
namespace {

// Timers on the Qt event loop: each client gets its own QTimer, whose ticks
// arrive as ordinary events, so a tick never interrupts a handler.
class QtClock final : public Clock {
public:
    QtClock() { elapsed_.start(); }

    void Start(TimerClient* client, int intervalMs) override
    {
        auto& timer = timers_[client];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            timer->setTimerType(Qt::PreciseTimer);
            QObject::connect(timer.get(), &QTimer::timeout, [client] { CallGuarded([client] { client->Tick(); }); });
        }
        timer->start(intervalMs);
    }

    void Stop(TimerClient* client) override { timers_.erase(client); }

    std::int64_t NowMs() const override { return elapsed_.elapsed(); }

private:
    QElapsedTimer elapsed_;
    std::map<TimerClient*, std::unique_ptr<QTimer>> timers_;
};

SeamSlot<Clock, QtClock> slot;

} // namespace

Clock& clock() { return slot.Get(); }
void InstallClock(Clock* c) { slot.Install(c); }

} // namespace platform
