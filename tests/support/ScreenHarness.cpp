#include "ScreenHarness.h"
#include "app/ScreenSet.h"
#include "controls/Skin.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

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
    if (defaultBooks) {
        course.AddSimpleBook(QStringLiteral("Everyday.jz"), QStringLiteral("everyday"), 3, 4);
        course.AddSimpleBook(QStringLiteral("Travel.jz"), QStringLiteral("travel"), 2, 3);
        defaultBooks = false;
    }
    platform::InstallProgramFolder(course.Path());
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
    platform::InstallProgramFolder(QString());
    platform::InstallFonts(nullptr);
    platform::InstallShell(nullptr);
    platform::InstallModalShowing(nullptr);
    platform::InstallMessageBoxes(nullptr);
    platform::InstallDisplaySettings(nullptr);
    platform::InstallClock(nullptr);
}
