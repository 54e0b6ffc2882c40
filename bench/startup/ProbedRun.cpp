#include "ProbedRun.h"

#include "controls/Jpeg.h"
#include "controls/Skin.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

std::vector<std::string> ProbedEnvironment(const std::string& probe)
{
    std::vector<std::string> environment{probe, "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"};
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const auto named = [&](const std::string& set) {
            return variable.compare(0, set.find('=') + 1, set, 0, set.find('=') + 1) == 0;
        };
        if (std::none_of(environment.begin(), environment.begin() + 3, named))
            environment.push_back(variable);
    }
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ProbedRun RunProbed(const std::vector<std::string>& command, const std::string& probe)
{
    int pipeFds[2];
    if (command.empty() || pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // Qt's notes about the headless platform are not the benchmark's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments = command;
    std::vector<std::string> environment = ProbedEnvironment(probe);
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    ProbedRun run;
    run.startedNs = MonotonicNs();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned == 0) {
        char buffer[256];
        for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            run.output.append(buffer, size_t(got));
        int status = 0;
        run.ok = waitpid(child, &status, 0) == child && WIFEXITED(status);
    }
    close(pipeFds[0]);
    return run;
}

std::vector<std::string> ProgramCommand() { return {TINGDU_PROGRAM}; }

std::vector<std::string> FloorCommand(const QTemporaryDir& dir)
{
    InstallBuiltInSkins();
    const QString picture = dir.filePath(QStringLiteral("menu.jpg"));
    QFile file(picture);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeJpeg(SkinPicture("bjzMainForm/Image1").Image(), 92)) <= 0)
        return {};
    return {STARTUP_FLOOR, picture.toStdString()};
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
