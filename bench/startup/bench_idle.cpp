// Idle: the CPU the program uses sitting untouched at the main menu and then
// in the sentence course, against the floor (the minimal Qt Widgets program
// of bench_startup) sitting as long. The two run side by side, at the same
// time, so both see the same machine; idle, they hardly compete.
//
// Usage: bench_idle [SECONDS]   (each screen is sat at this long; 60 when not given)
// Prints: idle: cpu_ms_per_s=X floor_cpu_ms_per_s=Y

#include "ProbedRun.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <future>

namespace {

// CPU ms per second over both sittings, or a negative number when the run
// did not report.
double CpuPerSecond(const ProbedRun& run, int seconds)
{
    long long firstUs = 0;
    long long secondUs = 0;
    const size_t at = run.output.find("idle ");
    if (!run.ok || at == std::string::npos ||
        std::sscanf(run.output.c_str() + at, "idle %lld %lld", &firstUs, &secondUs) != 2)
        return -1;
    return double(firstUs + secondUs) / 1e3 / (2.0 * seconds);
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: bench_idle [SECONDS]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<std::string> floor = FloorCommand(dir);
    if (floor.empty()) {
        std::fprintf(stderr, "bench_idle: cannot write the floor's picture\n");
        return 1;
    }
    const std::string probe = "TINGDU_IDLE_PROBE=" + std::to_string(seconds);
    auto ours = std::async(std::launch::async, [&] { return RunProbed(ProgramCommand(), probe); });
    auto least = std::async(std::launch::async, [&] { return RunProbed(floor, probe); });
    const double cpu = CpuPerSecond(ours.get(), seconds);
    const double floorCpu = CpuPerSecond(least.get(), seconds);
    if (cpu < 0 || floorCpu < 0) {
        std::fprintf(stderr, "bench_idle: a run did not report\n");
        return 1;
    }
    std::printf("idle: cpu_ms_per_s=%.3f floor_cpu_ms_per_s=%.3f\n", cpu, floorCpu);
    return 0;
}
