#pragma once
// Probes for the start-up and idle benchmarks; without their variables in
// the environment they do nothing.
//
// TINGDU_STARTUP_PROBE: the first time `window` has been painted the program
// prints one line on standard output,
//   painted <CLOCK_MONOTONIC ns> <CPU µs of the whole process so far>
// and ends at once.
//
// TINGDU_IDLE_PROBE=S: once `window` has been painted and has settled for a
// second, the program sits S seconds untouched, then calls `enterNext` (the
// benchmark's way into the next screen; none for a one-screen program), lets
// that settle for a second, sits S seconds more, prints
//   idle <CPU µs of the first S seconds> <CPU µs of the second S seconds>
// and ends.

#include <functional>

class QWidget;

void InstallStartupProbe(QWidget& window, std::function<void()> enterNext = {});
