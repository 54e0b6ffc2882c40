#include "ScreenHarness.h"
#include "app/ScreenSet.h"
#include "controls/Skin.h"
#include "platform/Clock.h"

void ScreenHarness::SetUp()
{
    platform::InstallClock(&clock);
    platform::InstallDisplaySettings(&display);
    platform::InstallMessageBoxes(&messages);
    platform::InstallModalShowing(&modal);
    platform::InstallShell(&shell);
    platform::InstallFonts(&fonts);
    static const bool skinsInstalled = (InstallBuiltInSkins(), true);
    (void)skinsInstalled;
}

void ScreenHarness::CreateScreenSet()
{
    application = std::make_unique<TApplication>();
    CreateScreens(*application);
}

void ScreenHarness::DestroyScreenSet()
{
    if (application)
        application->DestroyForms();
    application.reset();
}

void ScreenHarness::TearDown()
{
    DestroyScreenSet();
    platform::InstallFonts(nullptr);
    platform::InstallShell(nullptr);
    platform::InstallModalShowing(nullptr);
    platform::InstallMessageBoxes(nullptr);
    platform::InstallDisplaySettings(nullptr);
    platform::InstallClock(nullptr);
}
