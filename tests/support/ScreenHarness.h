#pragma once
// The screen-test harness: installs the test doubles of every seam, then
// creates the program's real screen set exactly as the program does, and
// destroys it (last created first) when the test ends.

#include "PlatformDoubles.h"
#include "VirtualClock.h"
#include "controls/Application.h"

#include <gtest/gtest.h>
#include <memory>

class ScreenHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the twenty screens; tests that prepare the doubles first (a
    // display size, say) call it themselves after SetUp.
    void CreateScreenSet();
    void DestroyScreenSet();

    VirtualClock clock;
    FakeDisplay display;
    MessageLog messages;
    ScriptedModal modal;
    RecordingShell shell;
    RecordingFonts fonts;
    std::unique_ptr<TApplication> application;
};
