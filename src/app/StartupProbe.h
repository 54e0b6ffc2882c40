#pragma once
// A probe for the start-up benchmark: with TINGDU_STARTUP_PROBE set in the
// environment, the first time `window` has been painted the program prints
// one line on standard output,
//   painted <CLOCK_MONOTONIC ns> <CPU µs of the whole process so far>
// and ends at once. Without the variable it does nothing.

class QWidget;

void InstallStartupProbe(QWidget& window);
