#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

namespace {

[[noreturn]] void BecomeChild(const std::string& program, const std::vector<std::string>& arguments,
                              const std::vector<std::pair<std::string, std::string>>& environment)
{
    for (const auto& [name, value] : environment)
        setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

ChildEnd RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::vector<std::pair<std::string, std::string>>& environment,
                  std::chrono::milliseconds timeout)
{
    const pid_t child = fork();
    if (child < 0)
        return {};
    if (child == 0)
        BecomeChild(program, arguments, environment);

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
        if (ended < 0)
            return {};
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127)
        return {};
    return {true, WEXITSTATUS(status)};
}

} // namespace testsupport
