#include "VirtualClock.h"
#include "platform/Errors.h"

#include <algorithm>

void VirtualClock::Start(platform::TimerClient* client, int intervalMs)
{
    Stop(client);
    entries_.push_back({client, std::max(1, intervalMs), now_ + std::max(1, intervalMs), nextOrder_++});
}

void VirtualClock::Stop(platform::TimerClient* client)
{
    std::erase_if(entries_, [client](const Entry& e) { return e.client == client; });
}

bool VirtualClock::IsRunning(const platform::TimerClient* client) const
{
    return std::any_of(entries_.begin(), entries_.end(), [client](const Entry& e) { return e.client == client; });
}

void VirtualClock::Advance(std::int64_t ms)
{
    const std::int64_t target = now_ + ms;
    for (;;) {
        // The next due tick is searched afresh each time: a handler may start
        // or stop any timer, itself included.
        auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == entries_.end() || next->due > target)
            break;
        now_ = next->due;
        next->due += next->interval;
        next->order = nextOrder_++;
        platform::TimerClient* client = next->client;
        try {
            client->Tick();
        } catch (const std::exception& error) {
            platform::ReportException(error);
        }
    }
    now_ = target;
}
