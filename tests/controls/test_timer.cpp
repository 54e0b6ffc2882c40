// The interval timer on the virtual clock.

#include "VirtualClock.h"
#include "controls/Timer.h"

#include <gtest/gtest.h>

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { platform::InstallClock(&clock); }
    void TearDown() override { platform::InstallClock(nullptr); }

    // A timer that writes "<name>@<time>" into the log at each tick.
    void Log(TTimer& timer, const std::string& name)
    {
        timer.SetOnTimer([this, name](QObject*) { log.push_back(name + "@" + std::to_string(clock.NowMs())); });
    }

    VirtualClock clock;
    std::vector<std::string> log;
};

TEST_F(TimerTest, TicksFireInTimeOrderAcrossTimers)
{
    TTimer fast(200), slow(500), same(200);
    Log(fast, "fast");
    Log(slow, "slow");
    Log(same, "same");
    fast.SetEnabled(true);
    slow.SetEnabled(true);
    same.SetEnabled(true);
    clock.Advance(1000);
    // Ticks due together come in the order their timers were last armed, as
    // on the event loop: at 1000 the slow timer (armed at 500) comes first.
    EXPECT_EQ(log, (std::vector<std::string>{"fast@200", "same@200", "fast@400", "same@400", "slow@500", "fast@600",
                                             "same@600", "fast@800", "same@800", "slow@1000", "fast@1000",
                                             "same@1000"}));
}

TEST_F(TimerTest, EnablingOrChangingTheIntervalRestartsTheCount)
{
    TTimer timer(1000);
    Log(timer, "t");
    timer.SetEnabled(true);
    clock.Advance(700);
    timer.SetEnabled(false);
    timer.SetEnabled(true); // counts 1000 ms from 700
    clock.Advance(900);
    EXPECT_TRUE(log.empty());
    clock.Advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"t@1700"}));

    clock.Advance(500);
    timer.SetInterval(300); // counts 300 ms from 2200
    clock.Advance(300);
    EXPECT_EQ(log.back(), "t@2500");
    // Setting the same interval or enabling an enabled timer changes nothing.
    clock.Advance(200);
    timer.SetInterval(300);
    timer.SetEnabled(true);
    clock.Advance(100);
    EXPECT_EQ(log.back(), "t@2800");
}

TEST_F(TimerTest, AHandlerThatDisablesItsTimerStopsFurtherTicks)
{
    TTimer timer(200);
    int ticks = 0;
    timer.SetOnTimer([&](QObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    });
    timer.SetEnabled(true);
    clock.Advance(5000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(clock.IsRunning(&timer));
}

TEST_F(TimerTest, ATimerWithoutIntervalOrHandlerDoesNotRun)
{
    TTimer noInterval(0, true);
    noInterval.SetOnTimer([](QObject*) { FAIL() << "ticked without an interval"; });
    TTimer noHandler(100, true);
    EXPECT_FALSE(clock.IsRunning(&noInterval));
    EXPECT_FALSE(clock.IsRunning(&noHandler));
    clock.Advance(1000);
}

} // namespace
