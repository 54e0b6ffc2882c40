#pragma once
// Runs the program, or the floor it is measured against, with one of the
// probes of app/StartupProbe.h set, and hands back what the probe printed.
// Both run headless, with SDL's dummy sound driver.

#include <QString>
#include <string>
#include <vector>

class QTemporaryDir;

struct ProbedRun {
    bool ok = false;         // started and ended
    long long startedNs = 0; // CLOCK_MONOTONIC just before the exec
    std::string output;      // its standard output
};

// `probe` is "NAME=VALUE", added to the environment of the run.
ProbedRun RunProbed(const std::vector<std::string>& command, const std::string& probe);

// The two commands: the program, and the floor showing the main menu's own
// background (written into `dir`, encoded as the skin painter encodes it).
// The floor is empty when its picture could not be written.
std::vector<std::string> ProgramCommand();
std::vector<std::string> FloorCommand(const QTemporaryDir& dir);

double Median(std::vector<double> values);
