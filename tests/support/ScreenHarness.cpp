#include "ScreenHarness.h"
#include "app/ScreenSet.h"
#include "controls/Skin.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

void ScreenHarness::SetUp()
{
    platform::InstallClock(&clock);
    platform::InstallDisplaySettings(&display);
    platform::InstallMessageBoxes(&messages);
    platform::InstallModalShowing(&modal);
    platform::InstallShell(&shell);
    static const bool installedOnce = [] {
        InstallBuiltInSkins();
        // Screens measure text (line heights, word widths) in the faces the
        // program maps its family names onto, so the tests do too.
        platform::InstallFonts(nullptr);
        platform::InstallFontSubstitutions();
        return true;
    }();
    (void)installedOnce;
    platform::InstallFonts(&fonts);
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
