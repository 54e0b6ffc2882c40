// Start-up: from exec to the main menu painted, against the floor (a
// minimal Qt Widgets program showing one 800 × 600 JPEG), the two run in
// turn so both see the same machine. Each run reports the moment of its
// first paint and the CPU it had used by then (see app/StartupProbe.h).
//
// Prints: startup: cpu_ms_median=X floor_cpu_ms_median=Y wall_ms_median=Z floor_wall_ms_median=W

#include "ProbedRun.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kRuns = 15;

struct FirstPaint {
    bool ok = false;
    double wallMs = 0;
    double cpuMs = 0;
};

FirstPaint Measure(const std::vector<std::string>& command)
{
    const ProbedRun run = RunProbed(command, "TINGDU_STARTUP_PROBE=1");
    long long paintedNs = 0;
    long long cpuUs = 0;
    const size_t at = run.output.find("painted ");
    if (!run.ok || at == std::string::npos ||
        std::sscanf(run.output.c_str() + at, "painted %lld %lld", &paintedNs, &cpuUs) != 2)
        return {};
    return {true, double(paintedNs - run.startedNs) / 1e6, double(cpuUs) / 1e3};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<std::string> program = ProgramCommand();
    const std::vector<std::string> floor = FloorCommand(dir);
    if (floor.empty()) {
        std::fprintf(stderr, "bench_startup: cannot write the floor's picture\n");
        return 1;
    }
    std::vector<double> cpu, wall, floorCpu, floorWall;
    for (int i = 0; i < kRuns; ++i) {
        const FirstPaint ours = Measure(program);
        const FirstPaint least = Measure(floor);
        if (!ours.ok || !least.ok) {
            std::fprintf(stderr, "bench_startup: a run did not report its first paint\n");
            return 1;
        }
        cpu.push_back(ours.cpuMs);
        wall.push_back(ours.wallMs);
        floorCpu.push_back(least.cpuMs);
        floorWall.push_back(least.wallMs);
    }
    std::printf("startup: cpu_ms_median=%.1f floor_cpu_ms_median=%.1f wall_ms_median=%.1f floor_wall_ms_median=%.1f\n",
                Median(cpu), Median(floorCpu), Median(wall), Median(floorWall));
    return 0;
}
