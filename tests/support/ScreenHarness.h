#pragma once
// The screen-test harness: installs the test doubles of every seam, then
// creates the program's real screen set exactly as the program does, and
// destroys it (last created first) when the test ends.

#include "CourseFolder.h"
#include "FakeMediaDevice.h"
#include "FakeVoice.h"
#include "PlatformDoubles.h"
#include "VirtualClock.h"
#include "controls/Application.h"

#include <gtest/gtest.h>
#include <memory>

class ScreenHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the twenty screens over `course` (by default two books:
    // "Everyday" with 3 lessons of 4 sentences and "Travel" with 2 lessons of
    // 3, all recordings present). Tests that prepare the doubles or the
    // course first call it themselves after SetUp.
    void CreateScreenSet();
    void DestroyScreenSet();

    VirtualClock clock;
    FakeDisplay display;
    MessageLog messages;
    ScriptedModal modal;
    RecordingShell shell;
    RecordingFonts fonts;
    FakeMediaDevice media;
    FakeVoice voice;
    CourseFolder course;
    // Set to false before CreateScreenSet for a course without the default books.
    bool defaultBooks = true;
    std::unique_ptr<TApplication> application;
};
