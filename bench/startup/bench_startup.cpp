// Start-up: from exec to the main menu painted, against the floor (a
// minimal Qt Widgets program showing one 800 × 600 JPEG), the two run in
// turn so both see the same machine. Each run reports the moment of its
// first paint and the CPU it had used by then (see app/StartupProbe.h).
//
// Prints: startup: cpu_ms_median=X floor_cpu_ms_median=Y wall_ms_median=Z floor_wall_ms_median=W

#include "controls/Jpeg.h"
#include "controls/Skin.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 15;

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    bool ok = false;
};

Run Start(const std::vector<std::string>& command)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // Qt's notes about the headless platform are not the benchmark's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const long long started = MonotonicNs();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    Run run;
    if (spawned == 0) {
        std::string output;
        char buffer[256];
        for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            output.append(buffer, size_t(got));
        int status = 0;
        waitpid(child, &status, 0);
        long long paintedNs = 0;
        long long cpuUs = 0;
        const size_t at = output.find("painted ");
        if (at != std::string::npos && std::sscanf(output.c_str() + at, "painted %lld %lld", &paintedNs, &cpuUs) == 2) {
            run = {double(paintedNs - started) / 1e6, double(cpuUs) / 1e3, true};
        }
    }
    close(pipeFds[0]);
    return run;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The floor shows the main menu's own background, encoded as the skin
    // painter encodes it.
    InstallBuiltInSkins();
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("menu.jpg"));
    QFile file(picture);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeJpeg(SkinPicture("bjzMainForm/Image1").Image(), 92)) <= 0) {
        std::fprintf(stderr, "bench_startup: cannot write the floor's picture\n");
        return 1;
    }
    file.close();

    setenv("TINGDU_STARTUP_PROBE", "1", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::vector<std::string> program{TINGDU_PROGRAM};
    const std::vector<std::string> floor{STARTUP_FLOOR, picture.toStdString()};
    std::vector<double> cpu, wall, floorCpu, floorWall;
    for (int i = 0; i < kRuns; ++i) {
        const Run ours = Start(program);
        const Run least = Start(floor);
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
