#pragma once
// Runs another program to its end with fork and exec.
//
// QProcess starts its child the vfork way: the child runs in the test's own
// memory until it execs, and ThreadSanitizer's bookkeeping for the starting
// thread is left blind to that thread's later locks, so every later access the
// engine's threads share with it reads as a race. A plain fork is one
// ThreadSanitizer follows.

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct ChildEnd {
    bool finished = false; // false: it could not start, died on a signal or ran out of time
    int exitCode = -1;
};

// `program` is looked up on PATH; `environment` entries are set for the child
// on top of the test's own.
ChildEnd RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::vector<std::pair<std::string, std::string>>& environment = {},
                  std::chrono::milliseconds timeout = std::chrono::seconds(60));

} // namespace testsupport
