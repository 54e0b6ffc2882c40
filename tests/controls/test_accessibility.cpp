// What a screen reader is told of picture buttons, and what its press does,
// asked through the toolkit's accessibility interface as a screen reader's
// bridge asks it.

#include "PlatformDoubles.h"
#include "controls/Accessibility.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/TwinFaces.h"
#include "platform/Errors.h"
#include "platform/GuardedApplication.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* Interface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString Name(QObject* object) { return Interface(object)->text(QAccessible::Name); }
QString Description(QObject* object) { return Interface(object)->text(QAccessible::Description); }

QAccessibleActionInterface* Actions(QObject* object)
{
    QAccessibleActionInterface* actions = Interface(object)->actionInterface();
    EXPECT_NE(actions, nullptr);
    return actions;
}

void Press(QObject* object) { Actions(object)->doAction(QAccessibleActionInterface::pressAction()); }

class PictureAccessibility : public ::testing::Test {
protected:
    void SetUp() override { InstallPictureAccessibility(); }

    // After its controls are made, as a screen is.
    void ShowScreen()
    {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TForm form{FormKind::FullScreen, 800, 600, "accessibility"};
};

TEST_F(PictureAccessibility, AButtonIsAPushButtonNamedByItsCaptionAndDescribedByItsKey)
{
    TkivImage1* keyed = PictureButton(&form, {10, 10, 100, 40}, "'快捷键Enter'");
    TkivImage1* keyless = PictureButton(&form, {10, 60, 100, 40}, "从当前单词播放到本组最后");
    TkivImage1* captioned = CaptionedButton(&form, {10, 110, 100, 40}, QStringLiteral("跟读"));
    SetAccessibleCaptions({{keyed, "重听", "Enter"}, {keyless, "全部播放", ""}});

    EXPECT_EQ(Interface(keyed)->role(), QAccessible::Button);
    EXPECT_EQ(Name(keyed), QStringLiteral("重听"));
    EXPECT_EQ(Description(keyed), QStringLiteral("Enter"));
    EXPECT_EQ(Actions(keyed)->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(Actions(keyed)->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Enter"});

    // A hint is not a description: without a key there is none.
    EXPECT_EQ(Name(keyless), QStringLiteral("全部播放"));
    EXPECT_EQ(Description(keyless), QString());
    EXPECT_TRUE(Actions(keyless)->keyBindingsForAction(QAccessibleActionInterface::pressAction()).isEmpty());

    // A button with a caption label is named by it without a table line.
    EXPECT_EQ(Interface(captioned)->role(), QAccessible::Button);
    EXPECT_EQ(Name(captioned), QStringLiteral("跟读"));

    // A caption that changes with the face (pause, continue) is told anew.
    keyless->SetAccessibleCaption(QStringLiteral("继续"));
    EXPECT_EQ(Name(keyless), QStringLiteral("继续"));

    // A plain picture (a background, a hidden twin) is no button.
    auto* picture = new TImage(&form, {0, 0, 800, 600});
    EXPECT_NE(Interface(picture)->role(), QAccessible::Button);
    EXPECT_TRUE(Actions(picture)->actionNames().isEmpty());
}

TEST_F(PictureAccessibility, PressClicksAsTheMouseDoesOnceTheCallHasReturned)
{
    TkivImage1* button = PictureButton(&form, {100, 100, 60, 40});
    QStringList events;
    button->OnMouseDown = [&](QObject* sender, TMouseButton which, TShiftState, int x, int y) {
        EXPECT_EQ(sender, button);
        EXPECT_EQ(which, TMouseButton::mbLeft);
        events << QString("down %1,%2").arg(x).arg(y);
    };
    button->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, button);
        events << "click";
    };
    button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { events << "up"; };
    ShowScreen();

    Press(button);
    // The click may open a modal screen: the screen reader's call returns first.
    EXPECT_TRUE(events.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(events, (QStringList{"down 29,19", "click", "up"}));

    // Any other action does nothing.
    events.clear();
    Actions(button)->doAction(QAccessibleActionInterface::setFocusAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(PictureAccessibility, AButtonHiddenOrDisabledBeforeThePressArrivesIsNotClicked)
{
    TkivImage1* button = PictureButton(&form, {100, 100, 60, 40});
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    ShowScreen();

    Press(button);
    form.Hide(); // the screen was left meanwhile
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);

    form.Show();
    button->setEnabled(false);
    Press(button);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);

    button->setEnabled(true);
    Press(button);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);

    Press(button);
    delete button; // gone before the press arrives: nothing is called
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST_F(PictureAccessibility, AnExceptionFromAPressGoesToTheErrorHandler)
{
    MessageLog messages;
    platform::InstallMessageBoxes(&messages);
    TkivImage1* button = PictureButton(&form, {100, 100, 60, 40});
    button->OnClick = [](QObject*) { throw EMCIDeviceError("No MCI device open"); };
    ShowScreen();
    const int escapedBefore = GuardedApplication::EscapedExceptions();

    Press(button);
    QCoreApplication::processEvents();

    EXPECT_EQ(messages.Texts(), QStringList{"No MCI device open"});
    EXPECT_EQ(GuardedApplication::EscapedExceptions(), escapedBefore);
    platform::InstallMessageBoxes(nullptr);
}

} // namespace
