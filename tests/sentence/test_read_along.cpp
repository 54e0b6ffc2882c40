// The read-along on the real screen set: entry from the chooser, the cycle to
// the tick on the virtual clock, the lesson-finished dialog, the commands and
// keys, Chinese mode on the fake voice, and a lesson without a recording.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "app/bjzhelpForm.h"
#include "media/MediaPlayer.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/bjzReadForm.h"

#include <QTest>

namespace {

class ReadAlongTest : public ScreenHarness {
protected:
    // One book "Book" of `lessons` lessons of `sentences` sentences; clip i
    // of a lesson runs from (i-1)*1000+100 to (i-1)*1000+900 ms.
    void CreateCourse(int lessons, int sentences, bool withRecordings = true)
    {
        defaultBooks = false;
        course.AddSimpleBook(QStringLiteral("Book.jz"), QStringLiteral("book"), lessons, sentences, withRecordings);
        CreateScreenSet();
        bjzMainForm->Show();
        bjzMainForm->kivbjzButtonClick(nullptr);
    }

    void Enter()
    {
        media.ClearCommands();
        QTest::mouseClick(ChoiceClassForm->kivReadSen, Qt::LeftButton);
        ASSERT_TRUE(bjzReadForm->isVisible());
    }

    void SetSpeechEngine(bool present)
    {
        bjzhelpForm->FSpeechReady = present ? 1 : 0;
        bjzhelpForm->FSpeechReadyText = present ? QStringLiteral("True") : QStringLiteral("False");
    }

    // The sentence number of each clip played since the log was cleared.
    std::vector<int> PlayedSentences() const
    {
        std::vector<int> played;
        for (const auto& command : media.Log())
            if (command.kind == FakeMediaDevice::Command::Play)
                played.push_back(command.from / 1000 + 1);
        return played;
    }

    // Advances in poll steps until the lesson-finished dialog was shown.
    void RunUntilTheDialog(int limitMs = 120'000)
    {
        const size_t before = modal.shown.size();
        for (int t = 0; t < limitMs && modal.shown.size() == before; t += 200)
            clock.Advance(200);
        ASSERT_GT(modal.shown.size(), before) << "the lesson never finished";
    }

    static void KeyUp(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(widget, Qt::Key(key), modifiers);
    }

    void Answer(void (TThisClassHaveFinishedForm::*click)(QObject*))
    {
        modal.responses.push_back([click](TForm&) { (ThisClassHaveFinishedForm->*click)(nullptr); });
    }

    int Row() const { return ChoiceClassForm->OneClassStringGrid->Row(); }
};

TEST_F(ReadAlongTest, EntryResetsPauseDisplaysAndModeAndPlaysTheFirstSentenceButKeepsTheRest)
{
    CreateCourse(2, 4);
    SetSpeechEngine(true);
    // A first visit left the screen slowed, half hidden, in Chinese and stopped.
    ChoiceClassForm->ClassStringGrid->SetRow(2);
    ChoiceClassForm->ClassStringGridMouseUp(nullptr, TMouseButton::mbLeft, {}, 0, 0);
    Enter();
    auto* r = bjzReadForm;
    r->UpTimerClick(nullptr);
    r->UpTimerClick(nullptr);
    r->ReadUpClick(nullptr);
    r->EnglishDisplayImage1Click(nullptr);
    r->ChineseReadImage1Click(nullptr);
    r->bjzReadStopButtonClick(nullptr);
    r->kivChoiceClassClick(nullptr);
    ASSERT_TRUE(ChoiceClassForm->isVisible());
    ChoiceClassForm->OneClassStringGrid->SetRow(3);
    voice.ClearCommands();

    Enter();
    EXPECT_FALSE(ChoiceClassForm->isVisible());
    EXPECT_EQ(r->bjzReadSenTimer->Interval(), 1000);
    EXPECT_EQ(r->SenAndSenTimer->Caption(), QStringLiteral("1"));
    EXPECT_EQ(r->FShowEnglish, 1);
    EXPECT_TRUE(r->English->Visible());
    EXPECT_EQ(r->EnglishDisplayImage1->Picture(), r->EnglishDisplayImage2->Picture());
    EXPECT_EQ(r->FEnglishRead, 1);
    EXPECT_EQ(r->EnglishReadImage1->Picture(), r->EnglishReadImage2->Picture());
    EXPECT_TRUE(r->ChineseReadImage1->Picture().Empty());
    EXPECT_FALSE(voice.IsSpeaking());
    EXPECT_EQ(Row(), 1);
    EXPECT_EQ(r->Lesson->Caption(), QStringLiteral("2"));
    EXPECT_EQ(r->NumberSen->Caption(), QStringLiteral("1"));
    EXPECT_EQ(r->English->Caption(), QStringLiteral("Sentence 2.1"));
    EXPECT_EQ(r->Chinese->Caption(), QStringLiteral("第2课第1句"));
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 100-900"));
    EXPECT_TRUE(r->bjzReadOneSenTimer->Enabled());
    // The repeat count and the stopped state persist across visits.
    EXPECT_EQ(r->bjzReadTime->Caption(), QStringLiteral("2"));
    EXPECT_EQ(r->FRunning, 0);
}

TEST_F(ReadAlongTest, RepeatCountThreeSetDuringSentenceOnePlaysOneThenThreeEachThenTheLastOnce)
{
    CreateCourse(1, 5);
    Enter();
    QTest::mouseClick(bjzReadForm->ReadUp, Qt::LeftButton);
    QTest::mouseClick(bjzReadForm->ReadUp, Qt::LeftButton);
    ASSERT_EQ(bjzReadForm->bjzReadTime->Caption(), QStringLiteral("3"));

    // The clip ends at the first poll at or past its end (800 ms of sound),
    // then the 1 s pause runs.
    clock.Advance(799);
    EXPECT_TRUE(bjzReadForm->bjzReadOneSenTimer->Enabled());
    clock.Advance(1);
    EXPECT_FALSE(bjzReadForm->bjzReadOneSenTimer->Enabled());
    EXPECT_TRUE(bjzReadForm->bjzReadSenTimer->Enabled());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    clock.Advance(999);
    EXPECT_EQ(PlayedSentences().size(), 1u);
    clock.Advance(1);
    EXPECT_EQ(PlayedSentences().size(), 2u);
    EXPECT_EQ(bjzReadForm->NumberSen->Caption(), QStringLiteral("2"));

    Answer(&TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick);
    RunUntilTheDialog();
    EXPECT_EQ(PlayedSentences(), (std::vector<int>{1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 1}));
    // Learning again starts over at sentence 1, playing at once.
    EXPECT_EQ(Row(), 1);
    EXPECT_EQ(bjzReadForm->NumberSen->Caption(), QStringLiteral("1"));
    EXPECT_TRUE(bjzReadForm->bjzReadOneSenTimer->Enabled());

    media.ClearCommands();
    Answer(&TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
    RunUntilTheDialog();
    // The new run's first sentence plays as often as the counter held when
    // it began (3, left by the move onto sentence 5): twice more after the
    // play that started it.
    EXPECT_EQ(PlayedSentences(), (std::vector<int>{1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5}));
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_FALSE(bjzReadForm->isVisible());
    clock.Advance(5000);
    EXPECT_EQ(PlayedSentences().size(), 12u) << "nothing runs on after choosing another lesson";
}

TEST_F(ReadAlongTest, KeysStopStartAndStepAndOnlyExactlyCtrlCounts)
{
    CreateCourse(1, 4);
    Enter();
    auto* r = bjzReadForm;
    KeyUp(r, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(r->FRunning, 1);
    KeyUp(r, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(r->FRunning, 0);
    EXPECT_EQ(r->kivReadStop->Picture(), r->kivPressImage->Picture());
    EXPECT_FALSE(r->bjzReadOneSenTimer->Enabled());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    clock.Advance(5000);
    EXPECT_EQ(PlayedSentences().size(), 1u);

    media.ClearCommands();
    KeyUp(r, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    KeyUp(r, Qt::Key_S);
    EXPECT_TRUE(media.Commands().isEmpty());
    // Ctrl let go a moment before S, as fast hands do: still Ctrl+S.
    QTest::keyPress(r, Qt::Key_Control);
    QTest::keyPress(r, Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(r, Qt::Key_Control);
    QTest::keyRelease(r, Qt::Key_S, Qt::NoModifier);
    EXPECT_EQ(r->FRunning, 1);
    EXPECT_EQ(r->kivReadStart->Picture(), r->kivPressImage->Picture());
    EXPECT_EQ(PlayedSentences(), (std::vector<int>{1}));

    KeyUp(r, Qt::Key_PageUp);
    EXPECT_EQ(Row(), 1);
    KeyUp(r, Qt::Key_PageDown);
    KeyUp(r, Qt::Key_PageDown);
    KeyUp(r, Qt::Key_PageDown); // never onto the last sentence
    EXPECT_EQ(Row(), 3);
    EXPECT_EQ(r->NumberSen->Caption(), QStringLiteral("3"));
    KeyUp(r, Qt::Key_PageUp);
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(PlayedSentences(), (std::vector<int>{1, 2, 3, 2}));

    KeyUp(r, Qt::Key_Escape);
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_FALSE(r->isVisible());
    EXPECT_FALSE(r->bjzReadOneSenTimer->Enabled());
    EXPECT_FALSE(r->bjzReadSenTimer->Enabled());
}

TEST_F(ReadAlongTest, StartLightsOnlyWhileStoppedAndStopOnlyWhileRunning)
{
    CreateCourse(1, 4);
    Enter();
    auto* r = bjzReadForm;
    const TPicture pressed = r->kivPressImage->Picture();
    const TPicture lit = ChoiceClassForm->kivImage2->Picture();
    const auto enter = [](QWidget* w) {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(w, &event);
    };
    const auto leave = [](QWidget* w) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(w, &event);
    };
    enter(r->kivReadStart);
    EXPECT_EQ(r->kivReadStart->Picture(), pressed);
    enter(r->kivReadStop);
    EXPECT_EQ(r->kivReadStop->Picture(), lit);
    QTest::mouseClick(r->kivReadStop, Qt::LeftButton);
    EXPECT_EQ(r->kivReadStop->Picture(), pressed);
    leave(r->kivReadStop);
    EXPECT_EQ(r->kivReadStop->Picture(), pressed);
    enter(r->kivReadStart);
    EXPECT_EQ(r->kivReadStart->Picture(), lit);
    leave(r->kivReadStart);
    EXPECT_EQ(r->kivReadStart->Picture(), ChoiceClassForm->kivImage1->Picture());
}

TEST_F(ReadAlongTest, ChineseModeSpeaksEachSentenceAndAnEndAfterStopStartsNothing)
{
    CreateCourse(1, 4);
    Enter();
    auto* r = bjzReadForm;
    SetSpeechEngine(false);
    r->ChineseReadImage1Click(nullptr);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("你未安装TTS中文语音发音引擎，请安装")});
    EXPECT_EQ(r->FEnglishRead, 1);
    EXPECT_TRUE(voice.Spoken().isEmpty());

    SetSpeechEngine(true);
    media.ClearCommands();
    r->ChineseReadImage1Click(nullptr);
    EXPECT_EQ(r->FEnglishRead, 0);
    EXPECT_EQ(media.Commands(), QStringList{QStringLiteral("stop")});
    EXPECT_EQ(voice.Spoken(), QStringList{QStringLiteral("第1课第1句")});
    EXPECT_FALSE(r->bjzReadOneSenTimer->Enabled());
    EXPECT_FALSE(r->bjzReadSenTimer->Enabled());
    clock.Advance(10'000);
    EXPECT_EQ(voice.Spoken().size(), 1) << "the pause waits for the end of the speech";

    ASSERT_TRUE(voice.FinishSpeaking());
    EXPECT_TRUE(r->bjzReadSenTimer->Enabled());
    clock.Advance(1000);
    EXPECT_EQ(voice.Spoken().last(), QStringLiteral("第1课第2句"));
    EXPECT_EQ(r->NumberSen->Caption(), QStringLiteral("2"));
    EXPECT_TRUE(media.Commands().filter(QStringLiteral("play")).isEmpty());

    // Stop silences the voice; an end of that utterance arriving afterwards
    // must not start a pause.
    const int silenced = r->SpVoice1.StreamNumber();
    KeyUp(r, Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(voice.IsSpeaking());
    r->SpVoice1EndStream(silenced, 0);
    EXPECT_FALSE(r->bjzReadSenTimer->Enabled());
    clock.Advance(5000);
    EXPECT_EQ(voice.Spoken().size(), 2);

    // Back to English mode: the sentence's clip plays, also from the idle state.
    media.ClearCommands();
    r->EnglishReadImage1Click(nullptr);
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 1100-1900"));
    EXPECT_TRUE(r->bjzReadOneSenTimer->Enabled());
    EXPECT_EQ(r->FRunning, 0);
}

TEST_F(ReadAlongTest, HiddenEnglishStaysHiddenOnTheFollowingSentencesWhileTheSoundGoesOn)
{
    CreateCourse(1, 4);
    Enter();
    bjzReadForm->EnglishDisplayImage1Click(nullptr);
    EXPECT_TRUE(bjzReadForm->EnglishDisplayImage1->Picture().Empty());
    EXPECT_FALSE(bjzReadForm->English->Visible());
    clock.Advance(1800);
    EXPECT_EQ(bjzReadForm->English->Caption(), QStringLiteral("Sentence 1.2"));
    EXPECT_FALSE(bjzReadForm->English->Visible());
    EXPECT_TRUE(bjzReadForm->Chinese->Visible());
    EXPECT_EQ(PlayedSentences(), (std::vector<int>{1, 2}));
}

TEST_F(ReadAlongTest, WithoutARecordingTheTextsAdvanceEvery200msPlusThePause)
{
    CreateCourse(1, 3, false);
    Enter();
    EXPECT_EQ(ChoiceClassForm->FSoundReady, 0);
    clock.Advance(1199);
    EXPECT_EQ(bjzReadForm->NumberSen->Caption(), QStringLiteral("1"));
    clock.Advance(1);
    EXPECT_EQ(bjzReadForm->NumberSen->Caption(), QStringLiteral("2"));
    EXPECT_EQ(bjzReadForm->English->Caption(), QStringLiteral("Sentence 1.2"));
    EXPECT_TRUE(media.Commands().isEmpty());
}

TEST_F(ReadAlongTest, ALessonOfNoSentencesShowsNoTextAndTheTablesCaptionsAreNeverASentence)
{
    CreateCourse(1, 3, false);
    ChoiceClassForm->OneClassStringGrid->SetRowCount(1); // as a book that failed to load leaves it
    SetSpeechEngine(true);
    Enter();
    EXPECT_TRUE(bjzReadForm->English->Caption().isEmpty());
    bjzReadForm->ChineseReadImage1Click(nullptr);
    EXPECT_TRUE(bjzReadForm->Chinese->Caption().isEmpty());
    EXPECT_EQ(voice.Spoken(), QStringList{QString()}) << "the caption 中文 is not said";
}

TEST_F(ReadAlongTest, PauseRunsFromOneTo28SecondsAndRepeatsFromOneToTen)
{
    CreateCourse(1, 3);
    Enter();
    auto* r = bjzReadForm;
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(r->UpTimer, Qt::LeftButton);
    EXPECT_EQ(r->SenAndSenTimer->Caption(), QStringLiteral("28"));
    EXPECT_EQ(r->bjzReadSenTimer->Interval(), 28000);
    for (int i = 0; i < 30; ++i)
        r->DownTimerClick(nullptr);
    EXPECT_EQ(r->SenAndSenTimer->Caption(), QStringLiteral("1"));
    EXPECT_EQ(r->bjzReadSenTimer->Interval(), 1000);
    for (int i = 0; i < 12; ++i)
        r->ReadUpClick(nullptr);
    EXPECT_EQ(r->bjzReadTime->Caption(), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i)
        r->ReadDownClick(nullptr);
    EXPECT_EQ(r->bjzReadTime->Caption(), QStringLiteral("1"));
}

} // namespace
