#include "StartupProbe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long long ProcessCpuUs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return t.tv_sec * 1'000'000LL + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Reported once the paint has been handled.
            QTimer::singleShot(0, [] {
                std::printf("painted %lld %lld\n", MonotonicNs(), ProcessCpuUs());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// Each step is one single-shot timer, so the probe itself wakes the program
// only four times in all.
class IdleProbe final : public QObject {
public:
    IdleProbe(QObject* parent, int seconds, std::function<void()> enterNext)
        : QObject(parent), sitMs_(seconds * 1000), enterNext_(std::move(enterNext)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !started_) {
            started_ = true;
            QTimer::singleShot(kSettleMs, this, [this] { SitAtFirstScreen(); });
        }
        return false;
    }

private:
    static constexpr int kSettleMs = 1000;

    void SitAtFirstScreen()
    {
        startCpu_ = ProcessCpuUs();
        QTimer::singleShot(sitMs_, this, [this] {
            firstCpu_ = ProcessCpuUs() - startCpu_;
            if (enterNext_)
                enterNext_();
            QTimer::singleShot(kSettleMs, this, [this] { SitAtNextScreen(); });
        });
    }

    void SitAtNextScreen()
    {
        startCpu_ = ProcessCpuUs();
        QTimer::singleShot(sitMs_, this, [this] {
            std::printf("idle %lld %lld\n", firstCpu_, ProcessCpuUs() - startCpu_);
            std::fflush(stdout);
            std::_Exit(0);
        });
    }

    bool started_ = false;
    const int sitMs_;
    std::function<void()> enterNext_;
    long long startCpu_ = 0;
    long long firstCpu_ = 0;
};

} // namespace

void InstallStartupProbe(QWidget& window, std::function<void()> enterNext)
{
    if (!qEnvironmentVariableIsEmpty("TINGDU_STARTUP_PROBE"))
        window.installEventFilter(new FirstPaintProbe(&window));
    bool isNumber = false;
    const int idleSeconds = qEnvironmentVariableIntValue("TINGDU_IDLE_PROBE", &isNumber);
    if (isNumber && idleSeconds > 0)
        window.installEventFilter(new IdleProbe(&window, idleSeconds, std::move(enterNext)));
}
