#pragma once
// A clock that only moves when a test advances it. Due ticks fire in time
// order (timers due at the same moment in the order they were started), one
// handler at a time, exactly as the event loop would deliver them.

#include "platform/Clock.h"

#include <cstdint>
#include <vector>

class VirtualClock final : public platform::Clock {
public:
    void Start(platform::TimerClient* client, int intervalMs) override;
    void Stop(platform::TimerClient* client) override;
    std::int64_t NowMs() const override { return now_; }

    // Moves time forward by `ms`, firing every tick that falls due on the way.
    // An exception escaping a tick goes to the application's error handler.
    void Advance(std::int64_t ms);
    bool IsRunning(const platform::TimerClient* client) const;
    int RunningCount() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        platform::TimerClient* client;
        int interval;
        std::int64_t due;
        std::uint64_t order;
    };
    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
};
