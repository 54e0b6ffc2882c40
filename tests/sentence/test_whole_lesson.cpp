// The whole-lesson player on the real screen set: the lesson as numbered
// pairs, the run through it on the virtual clock, the text following the run
// and the scroll bar, the keys, the mouse, and a lesson without recording.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/TotalForm.h"
#include "sentence/TotalLayout.h"

#include <QTest>
#include <QWheelEvent>
#include <functional>

namespace {

class WholeLessonTest : public ScreenHarness {
protected:
    // One lesson of `count` sentences "Sentence 1.i", clip i from
    // (i-1)*1000+100 to (i-1)*1000+900.
    void OneLesson(int count, bool withRecording = true)
    {
        defaultBooks = false;
        course.AddSimpleBook(QStringLiteral("Lessons.jz"), QStringLiteral("lessons"), 1, count, withRecording);
    }

    void EnterWholeLesson()
    {
        CreateScreenSet();
        bjzMainForm->Show();
        bjzMainForm->kivbjzButtonClick(nullptr);
        QTest::mouseClick(ChoiceClassForm->TotalImage1, Qt::LeftButton);
        ASSERT_FALSE(ChoiceClassForm->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(TotalForm));
        media.ClearCommands();
    }

    static TkivLabel2* English(int pair) { return TotalForm->EnglishLabel(pair); }
    static TkivLabel2* Chinese(int pair) { return TotalForm->ChineseLabel(pair); }
    static int Position() { return TotalForm->kivScrollBar1->Position(); }
    static QString Current() { return TotalForm->SenLessonNum->Caption(); }

    // The pairs whose English and Chinese lines are both shown.
    static std::vector<int> ShownPairs()
    {
        std::vector<int> shown;
        for (int pair = 1; pair <= 7; ++pair)
            if (English(pair)->Visible() && Chinese(pair)->Visible())
                shown.push_back(pair);
        return shown;
    }

    static bool Lit(int pair)
    {
        const QColor green(0, 128, 0);
        return English(pair)->grab().toImage().pixelColor(1, 1) == green &&
               Chinese(pair)->palette().color(QPalette::WindowText) == green;
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    static void KeyOnBar(Qt::Key key)
    {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QApplication::sendEvent(TotalForm->kivScrollBar1, &event);
        }
    }

    QStringList Plays() const { return media.Commands().filter(QStringLiteral("play ")); }

    void AdvanceUntil(const std::function<bool()>& done)
    {
        for (int step = 0; step < 2000 && !done(); ++step)
            clock.Advance(100);
        ASSERT_TRUE(done());
    }
    void RunToTheEnd()
    {
        AdvanceUntil([] { return TotalForm->FPlaying == 0; });
    }
};

TEST_F(WholeLessonTest, EntryShowsNumberedPairsAndThePairsPastTheEndStayHidden)
{
    EnterWholeLesson(); // "Everyday" lesson 1: 4 sentences
    TTotalForm* t = TotalForm;
    EXPECT_EQ(t->SenNumberLabel->Caption(), QStringLiteral("(4)"));
    EXPECT_EQ(t->focusWidget(), t->kivScrollBar1);
    EXPECT_EQ(English(3)->Caption(), QStringLiteral("3.  Sentence 1.3"));
    EXPECT_EQ(Chinese(3)->Caption(), QStringLiteral("第1课第3句"));
    EXPECT_EQ(ShownPairs(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(Lit(1));
    EXPECT_FALSE(Lit(2));
    EXPECT_EQ(t->FRowsFit, 7) << "seven one-line pairs fit the card";

    const auto tailHidden = [] {
        for (int pair = 5; pair <= 7; ++pair)
            if (English(pair)->Visible() || Chinese(pair)->Visible())
                return false;
        return true;
    };
    Click(t->EnglishDisplay);
    EXPECT_EQ(t->EnglishDisplay->Picture(), t->English2->Picture());
    for (int pair = 1; pair <= 4; ++pair)
        EXPECT_FALSE(English(pair)->Visible());
    Click(t->EnglishDisplay);
    EXPECT_TRUE(t->EnglishDisplay->Picture().Empty());
    EXPECT_TRUE(tailHidden());
    Click(t->ChineseDisplay);
    EXPECT_EQ(t->ChineseDisplay->Picture(), t->chinese2->Picture());
    EXPECT_FALSE(Chinese(1)->Visible());
    Click(t->ChineseDisplay);
    EXPECT_TRUE(tailHidden());
    EXPECT_EQ(ShownPairs(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(WholeLessonTest, EachClipEndsOnTheFirstPollAtItsEndAndTheNextFollowsAfterThePause)
{
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    Click(t->SpeedButton4); // pause 2 s
    Click(t->kivSenPlay);
    EXPECT_EQ(media.Commands(), (QStringList{"seek 100", "play 100-900"}));
    clock.Advance(799);
    EXPECT_EQ(media.Commands().size(), 2);
    clock.Advance(1); // the fourth 200 ms poll reads 900
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_TRUE(t->SenToSenTimer->Enabled());
    clock.Advance(1999);
    EXPECT_EQ(media.Commands().size(), 3);
    clock.Advance(1);
    EXPECT_EQ(media.Commands().mid(3), (QStringList{"seek 1100", "play 1100-1900"}));
    EXPECT_EQ(Current(), QStringLiteral("2"));
    EXPECT_EQ(ChoiceClassForm->OneClassStringGrid->Row(), 2);
    EXPECT_TRUE(Lit(2));

    // A sentence clicked during the pause is heard whole; the run goes on
    // from it after its own pause.
    clock.Advance(800);
    ASSERT_EQ(media.Commands().last(), QStringLiteral("stop"));
    media.ClearCommands();
    Click(English(1));
    EXPECT_EQ(media.Commands(), (QStringList{"seek 100", "play 100-900"}));
    clock.Advance(800 + 1999);
    EXPECT_EQ(media.Commands().size(), 3);
    clock.Advance(1);
    EXPECT_EQ(media.Commands().mid(3), (QStringList{"seek 1100", "play 1100-1900"}));
}

TEST_F(WholeLessonTest, TheRunPlaysTheLastSentenceOnceWhateverTheRepeatCountAndPlayThenRepeatsIt)
{
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(t->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(t->ReadCountLabel->Caption(), QStringLiteral("3"));
    Click(t->kivSenPlay);
    RunToTheEnd();
    EXPECT_EQ(Plays(), (QStringList{"play 100-900", "play 1100-1900", "play 1100-1900", "play 1100-1900",
                                    "play 2100-2900", "play 2100-2900", "play 2100-2900", "play 3100-3900"}));
    EXPECT_FALSE(t->ReadOneSenTimer->Enabled() || t->SenToSenTimer->Enabled());
    EXPECT_EQ(Current(), QStringLiteral("4"));

    media.ClearCommands();
    Click(t->kivSenPlay);
    EXPECT_EQ(Position(), 4);
    EXPECT_EQ(ShownPairs(), std::vector<int>{1});
    RunToTheEnd();
    EXPECT_EQ(Plays(), QStringList{"play 3100-3900"});
}

TEST_F(WholeLessonTest, TheRunScrollsTheSentenceReachingTheLastWholePairToTheTop)
{
    OneLesson(40);
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    Click(t->kivSenPlay);
    AdvanceUntil([] { return Current() == QStringLiteral("6"); });
    EXPECT_EQ(Position(), 1);
    EXPECT_TRUE(Lit(6));
    AdvanceUntil([] { return Current() == QStringLiteral("7"); });
    EXPECT_EQ(Position(), 7);
    EXPECT_EQ(English(1)->Caption(), QStringLiteral("7.  Sentence 1.7"));
    EXPECT_TRUE(Lit(1));

    // Stopped, a click on sentence 10 plays it alone; Play then starts there,
    // with sentence 10 at the top.
    Click(t->kivSenStop);
    EXPECT_FALSE(t->ReadOneSenTimer->Enabled() || t->SenToSenTimer->Enabled());
    media.ClearCommands();
    QTest::mousePress(English(4), Qt::LeftButton);
    EXPECT_EQ(English(4)->grab().toImage().pixelColor(1, 1), QColor(0, 128, 0));
    QTest::mouseRelease(English(4), Qt::LeftButton);
    EXPECT_EQ(Current(), QStringLiteral("10"));
    EXPECT_TRUE(Lit(4));
    EXPECT_FALSE(Lit(1));
    EXPECT_EQ(media.Commands(), (QStringList{"seek 9100", "play 9100-9900"}));
    clock.Advance(5000);
    EXPECT_EQ(media.Commands().size(), 3) << "a single clip is followed by nothing";

    media.ClearCommands();
    Click(t->kivSenPlay);
    EXPECT_EQ(Position(), 10);
    EXPECT_EQ(English(1)->Caption(), QStringLiteral("10.  Sentence 1.10"));
    EXPECT_TRUE(Lit(1));
    EXPECT_EQ(media.Commands(), (QStringList{"seek 9100", "play 9100-9900"}));
}

TEST_F(WholeLessonTest, WithTwoLineSentencesFewerPairsFitEvenWithTheEnglishHidden)
{
    defaultBooks = false;
    sentence::SentenceBookWriter writer(QStringLiteral("long"));
    for (int i = 1; i <= 10; ++i)
        writer.AddSentence({QStringLiteral("Sentence %1 is a long one that runs past the width of the card and wraps.").arg(i),
                            QStringLiteral("长句"), (i - 1) * 1000 + 100, (i - 1) * 1000 + 900});
    writer.AddLesson({QStringLiteral("Long"), 1, 10, QStringLiteral("lesson1.mp3")});
    course.AddBook(QStringLiteral("Long.jz"), writer);
    course.AddRecording(QStringLiteral("long"), QStringLiteral("lesson1.mp3"));
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    // Two English lines and one Chinese line: 70 px a pair, 4 pairs end at 303.
    EXPECT_EQ(t->FRowsFit, 4);
    Click(t->EnglishDisplay);
    KeyOnBar(Qt::Key_Down);
    EXPECT_EQ(Position(), 2);
    EXPECT_EQ(t->FRowsFit, 4) << "hidden lines keep their place";
    KeyOnBar(Qt::Key_Up);

    Click(t->kivSenPlay);
    AdvanceUntil([] { return Current() == QStringLiteral("3"); });
    EXPECT_EQ(Position(), 1);
    AdvanceUntil([] { return Current() == QStringLiteral("4"); });
    EXPECT_EQ(Position(), 4);
}

TEST_F(WholeLessonTest, TheTextFollowsTheBarAndItsKeysSpaceStartsAndStopsEscLeaves)
{
    OneLesson(40);
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    TkivScrollBar* bar = t->kivScrollBar1;
    KeyOnBar(Qt::Key_PageDown);
    EXPECT_EQ(Position(), 9);
    EXPECT_EQ(English(1)->Caption(), QStringLiteral("9.  Sentence 1.9"));
    EXPECT_FALSE(Lit(1));

    QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    ASSERT_GT(Position(), 9);
    EXPECT_EQ(English(1)->Caption(), QStringLiteral("%1.  Sentence 1.%1").arg(Position()));

    KeyOnBar(Qt::Key_End);
    EXPECT_EQ(Position(), 40);
    EXPECT_EQ(ShownPairs(), std::vector<int>{1});
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 3));
    ASSERT_LT(Position(), 40);
    EXPECT_EQ(English(1)->Caption(), QStringLiteral("%1.  Sentence 1.%1").arg(Position()));

    KeyOnBar(Qt::Key_Space);
    EXPECT_EQ(t->FPlaying, 1);
    EXPECT_EQ(Position(), 1);
    EXPECT_EQ(media.Commands(), (QStringList{"seek 100", "play 100-900"}));
    KeyOnBar(Qt::Key_Space);
    EXPECT_EQ(t->FPlaying, 0);
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_FALSE(t->ReadOneSenTimer->Enabled());

    KeyOnBar(Qt::Key_Escape);
    EXPECT_TRUE(ChoiceClassForm->Visible());
    EXPECT_FALSE(t->Visible());
}

TEST_F(WholeLessonTest, WithoutARecordingNothingPlaysAndAClickOnlyMovesTheHighlight)
{
    OneLesson(12, false);
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    ASSERT_EQ(ChoiceClassForm->FSoundReady, 0);
    Click(t->kivSenPlay);
    KeyOnBar(Qt::Key_Space);
    EXPECT_EQ(t->FPlaying, 0);
    Click(English(3));
    EXPECT_EQ(Current(), QStringLiteral("3"));
    EXPECT_TRUE(Lit(3));
    EXPECT_FALSE(t->ReadOneSenTimer->Enabled());
    clock.Advance(3000);
    EXPECT_TRUE(media.Commands().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WholeLessonTest, SettingsStayInTheirLimitsAndButtonsLightUnderThePointer)
{
    EnterWholeLesson();
    TTotalForm* t = TotalForm;
    QTest::mouseClick(t->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(t->ReadCountLabel->Caption(), QStringLiteral("1"));
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(t->SpeedButton1, i % 2 ? Qt::RightButton : Qt::LeftButton);
    EXPECT_EQ(t->ReadCountLabel->Caption(), QStringLiteral("8"));
    QTest::mouseClick(t->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(t->SenToSenLabel->Caption(), QStringLiteral("1"));
    for (int i = 0; i < 31; ++i)
        QTest::mouseClick(t->SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(t->SenToSenLabel->Caption(), QStringLiteral("30"));
    EXPECT_EQ(t->SenToSenTimer->Interval(), 30000);
    QTest::mouseClick(t->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(t->SenToSenTimer->Interval(), 29000);

    const std::pair<TkivImage1*, TImage*> pairs[] = {{t->kivSenPlay, t->PlayImage2},
                                                     {t->kivSenStop, t->StopImage2},
                                                     {t->ReturnImage11, t->returnImage2},
                                                     {t->kivChoiceImage1, t->choiceImage2}};
    for (auto [button, twin] : pairs) {
        ASSERT_FALSE(twin->Picture().Empty());
        QTest::mouseMove(t, button->geometry().center());
        EXPECT_EQ(button->Picture(), twin->Picture());
        QTest::mouseMove(t, QPoint(400, 580));
        EXPECT_TRUE(button->Picture().Empty());
    }
    Click(t->kivChoiceImage1);
    EXPECT_TRUE(ChoiceClassForm->Visible());
    EXPECT_FALSE(t->Visible());
}

} // namespace
