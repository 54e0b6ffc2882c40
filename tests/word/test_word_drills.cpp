// The four word drills on the real screen set, entered from the word list:
// the typing drill, the spelling test and its pop-ups, the read-along and
// the flash cards, with and without a recording.

#include "ScreenHarness.h"
#include "WordBytes.h"
#include "app/bjzMainForm.h"
#include "media/MediaPlayer.h"
#include "word/YouRememberForm.h"
#include "word/bdcChoiceForm.h"
#include "word/bdcClassFinishForm.h"
#include "word/bdcEngToChiForm.h"
#include "word/bdcReadForm.h"
#include "word/bdcTestFinishForm.h"
#include "word/bdcTestForm.h"
#include "word/bdcTypeForm.h"

#include <QTest>
#include <functional>

namespace {

using wordtest::NumberedWords;

class WordDrillTest : public ScreenHarness {
protected:
    // One book of `words` words ("word k", clip k at k*1000..k*1000+800).
    void EnterWith(int words, bool withRecording = true)
    {
        course.AddWordBook(QStringLiteral("Book"), NumberedWords(words), withRecording);
        CreateScreenSet();
        bjzMainForm->Show();
        bjzMainForm->kivBdcImage1Click(nullptr);
        media.ClearCommands();
        messages.messages.clear();
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void Type(TEdit* field, const QString& text)
    {
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // The words whose clips were started, in order.
    QList<int> Played() const
    {
        QList<int> words;
        for (const FakeMediaDevice::Command& command : media.Log())
            if (command.kind == FakeMediaDevice::Command::Play)
                words << command.from / 1000;
        return words;
    }

    // Advances the clock in 100 ms steps until `done`, at most `limitMs`.
    void RunUntil(const std::function<bool()>& done, int limitMs = 120'000)
    {
        for (int waited = 0; !done() && waited < limitMs; waited += 100)
            clock.Advance(100);
    }

    // The group-finished pop-up, when it is shown, picks `choice` (0: closed).
    void AnswerGroupFinished(int choice)
    {
        modal.responses.push_back([choice](TForm&) {
            if (choice == 1)
                Click(bdcClassFinishForm->Image3);
            else if (choice == 2)
                Click(bdcClassFinishForm->Image2);
        });
    }
};

TEST_F(WordDrillTest, TypingJudgesEachAnswerRepeatsAWrongWordAndOffersTheGroupAgainAfterTheLast)
{
    EnterWith(3);
    Click(bdcChoiceForm->kivTypeImage1);
    auto* t = bdcTypeForm;
    EXPECT_TRUE(t->Visible());
    EXPECT_TRUE(bdcChoiceForm->Visible()); // beneath the drill
    EXPECT_EQ(t->TotalLabel->Caption(), QStringLiteral("(1-3)"));
    EXPECT_EQ(t->EnglishLabel->Caption(), QStringLiteral("word 1"));
    EXPECT_EQ(t->YinBiaoLabel->Caption(), QStringLiteral("B5")); // "1'" mapped
    // The list's play-all is stopped first.
    EXPECT_EQ(media.Commands(), (QStringList{"stop", "seek 1000", "play 1000-1800"}));

    Type(t->TypeEdit, QStringLiteral("word1"));
    EXPECT_EQ(t->FTypeWord, 1);
    EXPECT_TRUE(t->HelpLabel->Visible());
    EXPECT_TRUE(t->TypeEdit->Text().isEmpty());
    EXPECT_EQ(Played(), (QList<int>{1, 1}));
    Type(t->TypeEdit, QStringLiteral("  WORD 1 "));
    EXPECT_EQ(t->FTypeWord, 2);
    EXPECT_FALSE(t->HelpLabel->Visible());
    QTest::keyClicks(t->TypeEdit, QStringLiteral("word"));
    QTest::keyClick(t->TypeEdit, Qt::Key_F5); // replays, judges nothing
    EXPECT_EQ(t->FTypeWord, 2);
    EXPECT_EQ(t->TypeEdit->Text(), QStringLiteral("word"));
    EXPECT_EQ(Played(), (QList<int>{1, 1, 2, 2}));
    t->TypeEdit->clear();

    // Sound off plays nothing; switching it on plays the word at once.
    Click(t->kivFaYinImage1.button);
    Type(t->TypeEdit, QStringLiteral("word 2"));
    EXPECT_EQ(Played().size(), 4);
    Click(t->kivFaYinImage1.button);
    EXPECT_EQ(Played().last(), 3);
    QTest::keyClicks(t->TypeEdit, QString(40, QLatin1Char('x')));
    EXPECT_EQ(t->TypeEdit->Text().size(), 30);
    t->TypeEdit->clear();

    AnswerGroupFinished(1);
    Type(t->TypeEdit, QStringLiteral("word 3"));
    EXPECT_EQ(t->FTypeWord, 1);
    EXPECT_EQ(t->EnglishLabel->Caption(), QStringLiteral("word 1"));
    EXPECT_EQ(t->TotalLabel->Caption(), QStringLiteral("(1-3)"));
    AnswerGroupFinished(0); // closed without a choice: the drill stays on its last word
    for (const char* word : {"word 1", "word 2", "word 3"})
        Type(t->TypeEdit, QString::fromUtf8(word));
    EXPECT_TRUE(t->Visible());
    EXPECT_EQ(t->FTypeWord, 3);
    AnswerGroupFinished(2);
    Type(t->TypeEdit, QStringLiteral("word 3"));
    EXPECT_FALSE(t->Visible());
    EXPECT_TRUE(bdcChoiceForm->Visible());
}

TEST_F(WordDrillTest, TheSpellingTestRetestsExactlyTheWrongWordsInTheOrderRecordedUntilAPassIsAllRight)
{
    EnterWith(10);
    Click(bdcChoiceForm->kivTestImage1);
    auto* s = bdcTestForm;
    EXPECT_EQ(s->TotalLabel->Caption(), QStringLiteral("(1-10)"));
    EXPECT_EQ(s->ChineseLabel->Caption(), QStringLiteral("第1词"));
    EXPECT_FALSE(s->AnswerLabel->Visible());
    for (int k = 1; k <= 10; ++k) {
        const QString word = QStringLiteral("word %1").arg(k);
        if (k == 9 || k == 2 || k == 5) {
            Type(s->TypeEdit, QStringLiteral("wrong"));
            EXPECT_TRUE(s->AnswerLabel->Visible());
            EXPECT_EQ(s->AnswerLabel->Caption(), word);
            EXPECT_EQ(s->HelpLabel->Caption(), QStringLiteral("您打错了，请抄写两遍，加强记忆！"));
            if (k == 5) // a second wrong answer changes nothing
                Type(s->TypeEdit, QStringLiteral("wrong"));
            Type(s->TypeEdit, word);
            EXPECT_EQ(s->HelpLabel->Caption(), QStringLiteral("正确，再写一遍"));
            EXPECT_EQ(s->FTestIndex, k);
        }
        if (k == 10) {
            modal.responses.push_back([](TForm& form) {
                EXPECT_EQ(&form, bdcTestFinishForm);
                EXPECT_EQ(bdcTestFinishForm->WrongLabel->Caption(), QStringLiteral("3"));
                Click(bdcTestFinishForm->ContinueButton);
            });
        }
        Type(s->TypeEdit, word);
    }
    // The pass of the three wrong words.
    EXPECT_EQ(s->TotalLabel->Caption(), QStringLiteral("(1-3)"));
    EXPECT_EQ(s->WrongLabel->Caption(), QStringLiteral("0"));
    EXPECT_EQ(s->FTestList[1].Word, QStringLiteral("word 2"));
    EXPECT_EQ(s->FTestList[2].Word, QStringLiteral("word 5"));
    EXPECT_EQ(s->FTestList[3].Word, QStringLiteral("word 9"));
    EXPECT_EQ(Played().last(), 2); // its first word is played
    modal.responses.push_back([](TForm& form) {
        EXPECT_EQ(&form, YouRememberForm);
        Click(YouRememberForm->Image1);
    });
    for (const char* word : {"Word 2", "word 5 ", "WORD 9"})
        Type(s->TypeEdit, QString::fromUtf8(word));
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_FALSE(s->Visible());
    EXPECT_TRUE(bdcChoiceForm->Visible());
}

TEST_F(WordDrillTest, F5ReplaysAWordUnderCorrectionWithoutHidingTheHelpAndReturnLeavesAfterThePass)
{
    EnterWith(2);
    Click(bdcChoiceForm->kivTestImage1);
    auto* s = bdcTestForm;
    Type(s->TypeEdit, QStringLiteral("wrong"));
    QTest::keyClick(s->TypeEdit, Qt::Key_F5);
    Click(s->kivEarImage1);
    EXPECT_EQ(Played(), (QList<int>{1, 1, 1}));
    EXPECT_TRUE(s->AnswerLabel->Visible());
    EXPECT_TRUE(s->HelpLabel->Visible());
    // The help sits after the correct word on its line.
    EXPECT_EQ(s->HelpLabel->x(), s->AnswerLabel->x() + s->AnswerLabel->width() + 20);
    Type(s->TypeEdit, QStringLiteral("word 1"));
    Type(s->TypeEdit, QStringLiteral("word 1"));
    modal.responses.push_back([](TForm&) { Click(bdcTestFinishForm->ReturnButton); });
    Type(s->TypeEdit, QStringLiteral("word 2"));
    EXPECT_EQ(bdcTestFinishForm->FResult, 2);
    EXPECT_FALSE(s->Visible());
    EXPECT_TRUE(bdcChoiceForm->Visible());
}

// An end point past the recording's end stops the player at the end; the
// watch takes that for the clip's end instead of waiting for ever.
TEST_F(WordDrillTest, AClipEndingPastTheRecordingStillEndsTheWordInTheReadAlongAndTheCards)
{
    media.SetLength(2500); // word 2's clip is 2000..2800
    EnterWith(2);
    bool finished = false;
    modal.responses.push_back([&](TForm&) { finished = true; });
    Click(bdcChoiceForm->kivReadImage1);
    RunUntil([&] { return finished; }, 20'000);
    EXPECT_TRUE(finished);
    EXPECT_FALSE(bdcReadForm->OneWordPlayTimer->Enabled());
    bdcReadForm->LeaveReadAlong();

    finished = false;
    modal.responses.push_back([&](TForm&) { finished = true; });
    Click(bdcChoiceForm->kivEngToChiImage1);
    RunUntil([&] { return finished; }, 20'000);
    EXPECT_TRUE(finished);
}

// A test left in the middle of a correction starts fresh: the first word
// typed right at once is not taken for a copy.
TEST_F(WordDrillTest, ASpellingTestLeftDuringACorrectionStartsFreshAndPlaysNothingWithoutARecording)
{
    EnterWith(4, false);
    Click(bdcChoiceForm->kivTestImage1);
    auto* s = bdcTestForm;
    Type(s->TypeEdit, QStringLiteral("wrong"));
    QTest::keyClick(s->TypeEdit, Qt::Key_Escape);
    EXPECT_FALSE(s->Visible());
    Click(bdcChoiceForm->kivTestImage1);
    Type(s->TypeEdit, QStringLiteral("word 1"));
    EXPECT_EQ(s->FTestIndex, 2);
    EXPECT_FALSE(s->HelpLabel->Visible());
    EXPECT_TRUE(Played().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WordDrillTest, TheReadAlongPlaysEachWordTheSetTimesReloadingTheCountOnlyWhenItMovesOn)
{
    EnterWith(5);
    auto* r = bdcReadForm;
    Click(r->UpNumber);
    Click(r->UpNumber);
    EXPECT_EQ(r->NumberLabel->Caption(), QStringLiteral("3"));
    Click(bdcChoiceForm->kivReadImage1);
    EXPECT_EQ(r->TotalLabel->Caption(), QStringLiteral("5"));
    bool finishedShown = false;
    modal.responses.push_back([&](TForm& form) {
        finishedShown = &form == bdcClassFinishForm;
        Click(bdcClassFinishForm->Image3); // again
    });
    RunUntil([&] { return finishedShown; });
    EXPECT_EQ(Played(), (QList<int>{1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 1}));
    // Started again, word 1 plays as often as the count was left at.
    media.ClearCommands();
    RunUntil([&] { return r->FReadWord == 2; });
    EXPECT_EQ(Played(), (QList<int>{1, 1, 2}));

    // Capitals show from the next word on.
    Click(r->kivDaXieImage1.button);
    EXPECT_EQ(r->EnglishLabel->Caption(), QStringLiteral("word 2"));
    RunUntil([&] { return r->FReadWord == 3; });
    EXPECT_EQ(r->EnglishLabel->Caption(), QStringLiteral("WORD 3"));
    // Hiding the phonetic keeps the brackets, the closing one still after
    // the hidden phonetic's width.
    Click(r->kivYinBiaoImage1.button);
    EXPECT_FALSE(r->YinBiaoLabel->Visible());
    RunUntil([&] { return r->FReadWord == 4; });
    ASSERT_GT(r->YinBiaoLabel->width(), 10);
    EXPECT_EQ(r->Label2->x(), r->Label1->x() + r->YinBiaoLabel->width() + 12);

    // Paused in the pause after a play, resuming plays the same word again.
    RunUntil([&] { return r->WordToWordTimer->Enabled(); });
    const int word = r->FReadWord;
    const qsizetype plays = Played().size();
    Click(r->kivPauseImage1);
    EXPECT_EQ(r->kivPauseImage1->Picture(), r->kivPauseImage2->Picture());
    clock.Advance(5000);
    EXPECT_EQ(Played().size(), plays);
    Click(r->kivPauseImage1);
    EXPECT_EQ(Played().size(), plays + 1);
    EXPECT_EQ(Played().last(), word);

    // Esc in the scratch field leaves in the middle of a clip.
    QTest::keyClick(r->TypeEdit, Qt::Key_Escape);
    EXPECT_FALSE(r->Visible());
    EXPECT_FALSE(bdcChoiceForm->bdcPlayer->IsPlaying());
    EXPECT_FALSE(r->OneWordPlayTimer->Enabled());
}

TEST_F(WordDrillTest, ReadAlongSettingsStopAtTheirLimitsAndAOneWordGroupWithoutRecordingRunsSilently)
{
    EnterWith(1, false);
    auto* r = bdcReadForm;
    for (int i = 0; i < 8; ++i)
        Click(r->Uptime);
    EXPECT_EQ(r->TimeLabel->Caption(), QStringLiteral("8"));
    EXPECT_FALSE(r->Uptime->isEnabled());
    EXPECT_EQ(r->WordToWordTimer->Interval(), 8000);
    Click(r->DownTime);
    EXPECT_EQ(r->TimeLabel->Caption(), QStringLiteral("7"));
    EXPECT_TRUE(r->Uptime->isEnabled());
    Click(r->DownNumber); // at 1 already
    EXPECT_FALSE(r->DownNumber->isEnabled());

    Click(bdcChoiceForm->kivReadImage1);
    EXPECT_TRUE(r->WordToWordTimer->Enabled()); // no clip to wait for
    AnswerGroupFinished(2);
    clock.Advance(7000);
    EXPECT_EQ(modal.shown.size(), 1u);
    EXPECT_FALSE(r->Visible());
    EXPECT_TRUE(Played().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WordDrillTest, FlashCardsFollowTheSetTimeAfterEachClipAndModeChangesShowFromTheNextCard)
{
    EnterWith(3);
    auto* f = bdcEngToChiForm;
    Click(bdcChoiceForm->kivEngToChiImage1);
    EXPECT_EQ(f->TotalLabel->Caption(), QStringLiteral("(1-3)"));
    EXPECT_TRUE(f->EnglishLabel->Visible());
    EXPECT_FALSE(f->ChineseLabel->Visible());
    EXPECT_EQ(f->WordToWordTimer->Interval(), 200);
    // Clip 1 ends at 800 ms (seen at the tick at 800); card 2 follows 200 ms later.
    clock.Advance(900);
    EXPECT_EQ(f->FCardWord, 1);
    clock.Advance(100);
    EXPECT_EQ(f->FCardWord, 2);

    // Chinese mode, chosen during card 2's clip, shows from card 3 for 2000 ms.
    Click(f->ToChinese1);
    EXPECT_EQ(f->TimeLabel->Caption(), QStringLiteral("2"));
    EXPECT_EQ(f->WordToWordTimer->Interval(), 2000);
    EXPECT_TRUE(f->EnglishLabel->Visible());
    RunUntil([&] { return f->FCardWord == 3; });
    EXPECT_TRUE(f->ChineseLabel->Visible());
    EXPECT_FALSE(f->EnglishLabel->Visible());
    EXPECT_EQ(f->ChineseLabel->Caption(), QStringLiteral("第3词"));
    const qsizetype plays = Played().size();
    AnswerGroupFinished(1);
    clock.Advance(1900);
    EXPECT_EQ(modal.shown.size(), 0u);
    clock.Advance(100);
    EXPECT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(Played().size(), plays + 1); // card 3 was silent; card 1 again plays
    EXPECT_EQ(f->FEnglishMode, 1);
    EXPECT_EQ(f->TimeLabel->Caption(), QStringLiteral("2"));

    // Pause during the clip stops it at once; continue plays the card again.
    Click(f->PauseImage);
    EXPECT_FALSE(bdcChoiceForm->bdcPlayer->IsPlaying());
    EXPECT_EQ(f->PauseImage->Picture(), f->continueImage->Picture());
    clock.Advance(5000);
    EXPECT_EQ(f->FCardWord, 1);
    Click(f->PauseImage);
    EXPECT_EQ(Played().size(), plays + 2);
    EXPECT_EQ(Played().last(), 1);

    for (int i = 0; i < 7; ++i)
        Click(f->UpTime);
    EXPECT_EQ(f->TimeLabel->Caption(), QStringLiteral("8"));
    EXPECT_EQ(f->WordToWordTimer->Interval(), 8200);
    Click(f->UpTime);
    EXPECT_FALSE(f->UpTime->isEnabled());
    Click(f->kivReturnImage1);
    EXPECT_FALSE(f->Visible());
    EXPECT_FALSE(f->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(f->WordToWordTimer->Enabled());
}

TEST_F(WordDrillTest, FlashCardsLeftPausedStartAgainRunningAndWithoutARecordingKeepTheirTime)
{
    EnterWith(2, false);
    auto* f = bdcEngToChiForm;
    Click(bdcChoiceForm->kivEngToChiImage1);
    Click(f->PauseImage);
    Click(f->kivChoiceImage1);
    Click(bdcChoiceForm->kivEngToChiImage1);
    EXPECT_EQ(f->FRunning, 1);
    EXPECT_TRUE(f->PauseImage->Picture().Empty());
    clock.Advance(200); // no clip: the card's 200 ms start at once
    EXPECT_EQ(f->FCardWord, 2);
    EXPECT_TRUE(Played().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
