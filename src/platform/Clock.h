#pragma once
// The clock seam behind every interval timer of the program. The real clock
// runs timers on the Qt event loop; tests install a virtual clock that only
// moves when told to, so timer-driven screens can be checked to the tick.

#include <cstdint>

namespace platform {

// Anything the clock can tick: a TTimer, or a test double that wants ticks.
class TimerClient {
public:
    virtual ~TimerClient() = default;
    virtual void Tick() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Starts (or restarts) counting for `client`: its first tick comes
    // `intervalMs` from now, then every `intervalMs` until stopped.
    virtual void Start(TimerClient* client, int intervalMs) = 0;
    virtual void Stop(TimerClient* client) = 0;
    // Milliseconds since an arbitrary origin; never runs backwards.
    virtual std::int64_t NowMs() const = 0;
};

// The installed clock. The real one is installed on first use.
Clock& clock();
// Installs `c` (not owned) in place of the current clock; nullptr returns to
// the real clock. Timers running on the old clock must be stopped first.
void InstallClock(Clock* c);

} // namespace platform
