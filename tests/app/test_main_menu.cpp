// The screen set and the main menu, on the real screens over the doubles.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "app/bjzhelpForm.h"
#include "controls/Forms.h"
#include "media/MediaPlayer.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/LinkWordForm.h"
#include "sentence/SenWrongForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/TiaoForm.h"
#include "sentence/TotalForm.h"
#include "sentence/bjzReadForm.h"
#include "sentence/bjzTypeSenForm.h"
#include "sentence/bjzZhujie.h"
#include "word/YouRememberForm.h"
#include "word/bdcBookForm.h"
#include "word/bdcChoiceForm.h"
#include "word/bdcClassFinishForm.h"
#include "word/bdcEngToChiForm.h"
#include "word/bdcReadForm.h"
#include "word/bdcTestFinishForm.h"
#include "word/bdcTestForm.h"
#include "word/bdcTypeForm.h"

#include <QTest>

namespace {

class MainMenuTest : public ScreenHarness {};

word::WordBookWriter WordBook()
{
    word::WordBookWriter writer;
    writer.AddWord({QStringLiteral("apple"), QStringLiteral("'1p4l"), QStringLiteral("苹果"), 0, 800});
    return writer;
}

std::vector<TForm*> ScreensInTableOrder()
{
    return {bjzMainForm,        ChoiceClassForm, bjzReadForm,       ThisClassHaveFinishedForm,
            bjzTypeSenForm,     SenWrongForm,    bjzhelpForm,       LinkWordForm,
            TotalForm,          bdcChoiceForm,   bdcBookForm,       bdcReadForm,
            bdcClassFinishForm, bdcTestForm,     bdcTestFinishForm, YouRememberForm,
            bdcTypeForm,        bdcEngToChiForm, bjzZhujie,         TiaoForm};
}

TEST_F(MainMenuTest, ScreensAreCreatedInOrderAndDestroyedInReverse)
{
    CreateScreenSet();
    const std::vector<TForm*> expected = ScreensInTableOrder();
    ASSERT_EQ(application->Forms(), expected);
    EXPECT_EQ(application->MainForm(), bjzMainForm);
    for (TForm* form : expected)
        EXPECT_FALSE(form->Visible()) << form->objectName().toStdString();

    std::vector<QString> destroyed;
    for (TForm* form : expected)
        QObject::connect(form, &QObject::destroyed,
                         [&destroyed, name = form->objectName()] { destroyed.push_back(name); });
    DestroyScreenSet();
    ASSERT_EQ(destroyed.size(), expected.size());
    EXPECT_EQ(destroyed.front(), QStringLiteral("TiaoForm"));
    EXPECT_EQ(destroyed.back(), QStringLiteral("bjzMainForm"));
    EXPECT_EQ(destroyed[10], QStringLiteral("bdcChoiceForm"));
    EXPECT_EQ(bjzMainForm, nullptr);
    EXPECT_EQ(TiaoForm, nullptr);
}

TEST_F(MainMenuTest, ScreensHaveTheirKindAndSize)
{
    CreateScreenSet();
    for (TForm* form : ScreensInTableOrder()) {
        if (form->Kind() == FormKind::FullScreen) {
            EXPECT_EQ(form->size(), QSize(800, 600)) << form->objectName().toStdString();
            EXPECT_EQ(form->pos(), QPoint(0, 0)) << form->objectName().toStdString();
        }
    }
    EXPECT_EQ(bjzhelpForm->Kind(), FormKind::Dialog);
    EXPECT_EQ(bjzhelpForm->size(), QSize(463, 491));
    EXPECT_EQ(ThisClassHaveFinishedForm->size(), QSize(339, 224));
    EXPECT_EQ(bdcClassFinishForm->windowTitle(), QStringLiteral("这课已经结束"));
}

// The hot areas lie exactly over the painted faces, and the version label
// reads as it always has, at its place: literal values, not the layout table
// the screen itself is built from.
TEST_F(MainMenuTest, TheMenuButtonsAndTheVersionLabelLieWhereTheMenuPicturePutsThem)
{
    CreateScreenSet();
    EXPECT_EQ(bjzMainForm->kivBjzImage1->geometry(), QRect(86, 123, 144, 49));
    EXPECT_EQ(bjzMainForm->kivBdcImage1->geometry(), QRect(87, 179, 142, 48));
    EXPECT_EQ(bjzMainForm->kivWebImage1->geometry(), QRect(87, 236, 143, 49));
    EXPECT_EQ(bjzMainForm->kivIHelpmage1->geometry(), QRect(87, 353, 142, 48));
    EXPECT_EQ(bjzMainForm->kivExitImage1->geometry(), QRect(87, 412, 142, 48));
    for (TkivImage1* button : {bjzMainForm->kivBjzImage1, bjzMainForm->kivBdcImage1, bjzMainForm->kivWebImage1,
                               bjzMainForm->kivIHelpmage1, bjzMainForm->kivExitImage1}) {
        EXPECT_TRUE(button->Visible());
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(bjzMainForm->Label1->Caption(), QStringLiteral("Version 7.2"));
    EXPECT_EQ(bjzMainForm->Label1->geometry(), QRect(656, 16, 137, 24));
    EXPECT_EQ(bjzMainForm->Label1->font().pixelSize(), 21);
    EXPECT_EQ(bjzMainForm->windowTitle(), QStringLiteral("bjzMainForm"));
}

TEST_F(MainMenuTest, AWideDisplayIsSwitchedAtStartAndRestoredOnceAfterEveryOtherScreenIsGone)
{
    display.size = {1024, 768};
    CreateScreenSet();
    ASSERT_EQ(display.changes.size(), 1u);
    EXPECT_EQ(display.changes[0].PelsWidth, 800);
    EXPECT_EQ(display.changes[0].PelsHeight, 600);
    // Only width and height are asked for, on the driver's first mode.
    EXPECT_EQ(display.changes[0].Fields, platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT);
    EXPECT_EQ(display.changes[0].BitsPerPel, 32);
    EXPECT_EQ(bjzMainForm->OldScreenWidth, 1024);
    EXPECT_EQ(bjzMainForm->OldScreenHeight, 768);
    EXPECT_EQ(display.size, QSize(800, 600));

    // Visit both courses and come back, then leave.
    bjzMainForm->kivbjzButtonClick(nullptr);
    bjzMainForm->Show();
    ChoiceClassForm->Close();
    bdcChoiceForm->bdcBookListBox->AddItem(QStringLiteral("四级词汇")); // listed, then lost
    bjzMainForm->kivBdcImage1Click(nullptr);
    bjzMainForm->Show();
    bdcChoiceForm->Close();

    std::vector<bool> othersGoneAtRestore;
    display.onChange = [&](const platform::DisplayMode&) {
        othersGoneAtRestore.push_back(ChoiceClassForm == nullptr && bdcChoiceForm == nullptr && TiaoForm == nullptr &&
                                      bjzMainForm != nullptr);
    };
    DestroyScreenSet();
    ASSERT_EQ(display.changes.size(), 2u);
    EXPECT_EQ(othersGoneAtRestore, std::vector<bool>{true});
    EXPECT_EQ(display.changes[1].PelsWidth, 1024);
    EXPECT_EQ(display.changes[1].PelsHeight, 768);
    EXPECT_EQ(display.size, QSize(1024, 768));
}

TEST_F(MainMenuTest, ADisplay800WideIsNeverTouchedWhateverItsHeight)
{
    for (QSize size : {QSize(800, 600), QSize(800, 1280)}) {
        display.size = size;
        display.changes.clear();
        CreateScreenSet();
        DestroyScreenSet();
        EXPECT_TRUE(display.changes.empty()) << size.height();
    }
}

TEST_F(MainMenuTest, AFailedModeEnumerationChangesNothingButTheRestoreIsStillTried)
{
    display.size = {1280, 1024};
    display.enumerationFails = true;
    CreateScreenSet();
    EXPECT_TRUE(display.changes.empty());
    EXPECT_EQ(display.size, QSize(1280, 1024));
    display.enumerationFails = false;
    DestroyScreenSet();
    ASSERT_EQ(display.changes.size(), 1u);
    EXPECT_EQ(display.changes[0].PelsWidth, 1280);
}

TEST_F(MainMenuTest, TheWordCourseWithoutWordBooksSaysSoAndLeavesTheMenuAsItWas)
{
    CreateScreenSet();
    bjzMainForm->Show();
    ASSERT_EQ(bdcChoiceForm->bdcBookListBox->Count(), 0);
    bjzMainForm->kivBdcImage1Click(nullptr);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("该书暂没有单词库")});
    EXPECT_TRUE(bjzMainForm->Visible());
    EXPECT_FALSE(bdcChoiceForm->Visible());
}

TEST_F(MainMenuTest, TheCourseButtonsShowTheirOwnerAndHideTheMenu)
{
    course.AddWordBook(QStringLiteral("四级词汇"), WordBook());
    CreateScreenSet();
    bjzMainForm->Show();
    bjzMainForm->kivbjzButtonClick(nullptr);
    EXPECT_TRUE(ChoiceClassForm->Visible());
    EXPECT_FALSE(bjzMainForm->Visible());
    EXPECT_EQ(ChoiceClassForm->FSoundReady, 1);

    // Back at the menu the chooser's recording is closed; the word course
    // closes nothing more.
    ChoiceClassForm->ReturnToMainFormClick(nullptr);
    EXPECT_FALSE(ChoiceClassForm->bjzPlayer->IsOpen());
    EXPECT_EQ(media.OpenCount(), 0);
    media.ClearCommands();
    bjzMainForm->kivBdcImage1Click(nullptr);
    EXPECT_TRUE(bdcChoiceForm->Visible());
    EXPECT_FALSE(bjzMainForm->Visible());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainMenuTest, EnteringTheWordCourseClosesTheLessonRecordingOnlyWhenItIsReady)
{
    course.AddWordBook(QStringLiteral("四级词汇"), WordBook());
    CreateScreenSet();
    const QString lesson1 = course.RecordingPath(QStringLiteral("everyday"), QStringLiteral("lesson1.mp3"));
    ASSERT_EQ(ChoiceClassForm->FSoundReady, 1);
    media.ClearCommands();
    bjzMainForm->kivBdcImage1Click(nullptr);
    EXPECT_EQ(media.Commands(lesson1), QStringList{"close " + lesson1});

    bdcChoiceForm->Close();
    bjzMainForm->Show();
    ChoiceClassForm->FSoundReady = 0;
    ChoiceClassForm->bjzPlayer->Open();
    media.ClearCommands();
    bjzMainForm->kivBdcImage1Click(nullptr);
    EXPECT_TRUE(media.Commands(lesson1).isEmpty());
    EXPECT_TRUE(ChoiceClassForm->bjzPlayer->IsOpen());
}

TEST_F(MainMenuTest, HelpIsShownModallyOverTheMenuAndTheHomePageIsOurPageInTheProgramFolder)
{
    CreateScreenSet();
    bjzMainForm->Show();
    bool menuVisibleUnderHelp = false;
    modal.responses.push_back([&](TForm& form) {
        menuVisibleUnderHelp = bjzMainForm->Visible();
        form.Close();
    });
    bjzMainForm->HelpButtonClick(nullptr);
    ASSERT_EQ(modal.shown, std::vector<TForm*>{bjzhelpForm});
    EXPECT_TRUE(menuVisibleUnderHelp);
    EXPECT_FALSE(bjzhelpForm->Visible());

    bjzMainForm->MyWebButtonClick(nullptr);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], ChoiceClassForm->FAppDir + QStringLiteral("home/index.html"));
    EXPECT_TRUE(ChoiceClassForm->FAppDir.endsWith('/'));
}

TEST_F(MainMenuTest, ExitEndsTheProgramWithoutAsking)
{
    CreateScreenSet();
    bjzMainForm->ExitBjzButtonClick(nullptr);
    EXPECT_TRUE(application->Terminated());
    EXPECT_TRUE(messages.messages.empty());
}

// Enters `practice` from `chooser`, sends the practice the window manager's
// close command and expects the chooser back in its place.
template <class Chooser>
void EnterAndCloseFromTheWindowManager(Chooser* chooser, void (Chooser::*enter)(QObject*), TForm* practice)
{
    const std::string name = practice->objectName().toStdString();
    (chooser->*enter)(nullptr);
    ASSERT_TRUE(practice->Visible()) << name;
    practice->close();
    EXPECT_FALSE(practice->Visible()) << name;
    EXPECT_TRUE(chooser->Visible()) << name;
}

// The window manager's close command (Alt+F4) on a screen goes back the way
// the screen's own return button does: nothing keeps running out of sight and
// the program is never left without a window.
TEST_F(MainMenuTest, TheWindowManagersCloseOnAScreenGoesBackAsItsReturnButtonDoes)
{
    course.AddWordBook(QStringLiteral("四级词汇"), WordBook());
    CreateScreenSet();
    bjzMainForm->Show();
    bjzMainForm->kivbjzButtonClick(nullptr);
    ASSERT_TRUE(ChoiceClassForm->Visible());

    using Entry = void (TChoiceClassForm::*)(QObject*);
    const std::pair<Entry, TForm*> sentencePractices[] = {
        {&TChoiceClassForm::bjzReadSenClick, bjzReadForm},    {&TChoiceClassForm::bjzTypeSenButtonClick, bjzTypeSenForm},
        {&TChoiceClassForm::LianCiButtonClick, LinkWordForm}, {&TChoiceClassForm::TotalButtonClick, TotalForm},
        {&TChoiceClassForm::TiaoZhanButtonClick, TiaoForm}};
    for (auto [enter, practice] : sentencePractices)
        EnterAndCloseFromTheWindowManager(ChoiceClassForm, enter, practice);
    EXPECT_FALSE(bjzReadForm->bjzReadOneSenTimer->Enabled());
    EXPECT_FALSE(bjzReadForm->bjzReadSenTimer->Enabled());

    ChoiceClassForm->close();
    EXPECT_FALSE(ChoiceClassForm->Visible());
    EXPECT_FALSE(ChoiceClassForm->bjzPlayer->IsOpen());
    ASSERT_TRUE(bjzMainForm->Visible());

    bjzMainForm->kivBdcImage1Click(nullptr);
    ASSERT_TRUE(bdcChoiceForm->Visible());
    using WordEntry = void (TbdcChoiceForm::*)(QObject*);
    const std::pair<WordEntry, TForm*> wordPractices[] = {
        {&TbdcChoiceForm::kivReadImage1Click, bdcReadForm},
        {&TbdcChoiceForm::kivTypeImage1Click, bdcTypeForm},
        {&TbdcChoiceForm::kivTestImage1Click, bdcTestForm},
        {&TbdcChoiceForm::kivEngToChiImage1Click, bdcEngToChiForm}};
    for (auto [enter, practice] : wordPractices)
        EnterAndCloseFromTheWindowManager(bdcChoiceForm, enter, practice);
    EXPECT_FALSE(bdcEngToChiForm->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(bdcEngToChiForm->WordToWordTimer->Enabled());
    EXPECT_FALSE(bdcReadForm->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(bdcReadForm->WordToWordTimer->Enabled());

    bdcChoiceForm->close();
    EXPECT_FALSE(bdcChoiceForm->Visible());
    EXPECT_TRUE(bjzMainForm->Visible());
    EXPECT_FALSE(application->Terminated());
    bjzMainForm->close();
    EXPECT_TRUE(application->Terminated());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainMenuTest, MenuButtonsLightWithTheirOwnFaceUnderThePointer)
{
    CreateScreenSet();
    bjzMainForm->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bjzMainForm));
    const std::pair<TkivImage1*, TImage*> pairs[] = {
        {bjzMainForm->kivBjzImage1, bjzMainForm->kivBjzImage2}, {bjzMainForm->kivBdcImage1, bjzMainForm->kivBdcImage2},
        {bjzMainForm->kivWebImage1, bjzMainForm->kivWebImage2}, {bjzMainForm->kivIHelpmage1, bjzMainForm->kivHelpImage2},
        {bjzMainForm->kivExitImage1, bjzMainForm->kivExitImage2}};
    for (auto [button, twin] : pairs) {
        ASSERT_FALSE(twin->Picture().Empty()) << "the build paints every lit face";
        QTest::mouseMove(bjzMainForm, button->geometry().center());
        EXPECT_EQ(button->Picture(), twin->Picture());
        QTest::mouseMove(bjzMainForm, QPoint(600, 580));
        EXPECT_TRUE(button->Picture().Empty());
    }
}

} // namespace
