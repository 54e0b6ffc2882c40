// The dictation on the real screen set, driven by real keys and input-method
// commits: typing a lesson through, wrong keys and the helps, the line that
// is exactly as wide as the input, the lesson's end, skipping, going back,
// and lessons with blank sentences.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "controls/Look.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/SentenceBookWriter.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/bjzTypeSenForm.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QTest>

namespace {

// One book; clip i of a lesson runs from (i-1)*1000+100 to (i-1)*1000+900 ms.
class DictationTest : public ScreenHarness {
protected:
    void CreateCourse(const std::vector<QStringList>& lessons)
    {
        defaultBooks = false;
        sentence::SentenceBookWriter writer(QStringLiteral("dict"));
        for (size_t lesson = 0; lesson < lessons.size(); ++lesson) {
            const int first = int(writer.SentenceCount()) + 1;
            for (int i = 0; i < lessons[lesson].size(); ++i)
                writer.AddSentence({lessons[lesson][i], QStringLiteral("第%1句").arg(i + 1), i * 1000 + 100,
                                    i * 1000 + 900});
            const QString recording = QStringLiteral("lesson%1.mp3").arg(lesson + 1);
            writer.AddLesson({QStringLiteral("Lesson %1").arg(lesson + 1), first,
                              first + int(lessons[lesson].size()) - 1, recording});
            course.AddRecording(QStringLiteral("dict"), recording);
        }
        course.AddBook(QStringLiteral("Dictation.jz"), writer);
        CreateScreenSet();
        bjzMainForm->Show();
        bjzMainForm->kivbjzButtonClick(nullptr);
    }

    // The chooser's dictation button.
    void EnterScreen()
    {
        media.ClearCommands();
        QTest::mouseClick(ChoiceClassForm->kivTypeSen, Qt::LeftButton);
        ASSERT_TRUE(bjzTypeSenForm->isVisible());
    }

    // Plain ASCII, as the keyboard types it.
    static void Type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(bjzTypeSenForm, *c);
    }
    static void Press(Qt::Key key) { QTest::keyClick(bjzTypeSenForm, key); }
    static void Commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(bjzTypeSenForm, &event);
    }
    static QString Typed()
    {
        QString text;
        for (const sentence::InkRun& run : bjzTypeSenForm->TypedInk()) text += run.text;
        return text;
    }
    static int Row() { return ChoiceClassForm->OneClassStringGrid->Row(); }
    static QPoint InputAt(int x, int y) { return bjzTypeSenForm->EnglishInput->geometry().topLeft() + QPoint(x, y); }
    void Answer(void (TThisClassHaveFinishedForm::*click)(QObject*), int* rowWhenShown = nullptr)
    {
        modal.responses.push_back([click, rowWhenShown](TForm&) {
            if (rowWhenShown)
                *rowWhenShown = Row();
            (ThisClassHaveFinishedForm->*click)(nullptr);
        });
    }
};

const QStringList kLesson{QStringLiteral("Hello,  World. "), QStringLiteral("It’s “fine”, Tom."),
                          QStringLiteral("Now go."), QStringLiteral("Go on.")};

TEST_F(DictationTest, TypingInAnyCaseDrawsTheSentencesLettersWithSingleSpacesAndRevealsTheWordBeforeItsMark)
{
    CreateCourse({kLesson});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    EXPECT_EQ(d->FSentence, QStringLiteral("Hello, World."));
    EXPECT_FALSE(d->Chinese->Visible());

    Type("hELLO");
    EXPECT_EQ(Typed(), QStringLiteral("Hello"));
    EXPECT_TRUE(d->OneWordHelp->Visible());
    EXPECT_EQ(d->OneWordHelp->Caption(), QStringLiteral("Hello,"));
    Type(", ");
    EXPECT_FALSE(d->OneWordHelp->Visible());
    EXPECT_EQ(d->OneWordHelp->Caption(), QStringLiteral("World."));
    const QFontMetrics metrics(look::SansFont(24));
    const int wordLeft = metrics.horizontalAdvance(QStringLiteral("Hello, World.")) -
                         metrics.horizontalAdvance(QStringLiteral("World."));
    EXPECT_EQ(d->FirstLetterHelp->pos(), InputAt(wordLeft, 0));
    EXPECT_EQ(d->DownLine->geometry(),
              QRect(InputAt(wordLeft, 29), QSize(metrics.horizontalAdvance(QStringLiteral("World.")), 2)));
    EXPECT_EQ(d->GuangBiao->pos(), InputAt(metrics.horizontalAdvance(QStringLiteral("Hello, ")), 0));
    // The caret blinks on the screen's clock.
    const bool caretShown = d->GuangBiao->Visible();
    clock.Advance(600);
    EXPECT_NE(d->GuangBiao->Visible(), caretShown);
    // Only a shown screen's caret blinks: hidden, its timer is off.
    d->Hide();
    EXPECT_FALSE(d->Timer1->Enabled());
    d->Show();
    EXPECT_TRUE(d->Timer1->Enabled());

    Type("WORLD");
    EXPECT_TRUE(d->OneWordHelp->Visible());
    Type(".");
    EXPECT_EQ(d->LessonSentence->Caption(), QStringLiteral("2"));
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 1100-1900"));
    EXPECT_TRUE(d->TypedInk().empty());

    // The plain apostrophe and quotes type the book's typographic ones.
    Type("it's \"fine\", tom");
    EXPECT_EQ(Typed(), QStringLiteral("It’s “fine”, Tom"));
}

TEST_F(DictationTest, InputMethodCommitsAreTypedUpToTheSentencesEndAndTheMethodIsToldWhereTheCaretIs)
{
    CreateCourse({kLesson});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    EXPECT_TRUE(d->testAttribute(Qt::WA_InputMethodEnabled));
    Commit(QStringLiteral("Hello，"));
    EXPECT_EQ(Typed(), QStringLiteral("Hello,"));
    EXPECT_EQ(d->inputMethodQuery(Qt::ImCursorRectangle).toRect(), d->GuangBiao->geometry());
    // What follows the sentence's end in the same commit was meant for it.
    Commit(QStringLiteral(" world.xy"));
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(d->FWrongCount, 0);
    Commit(QStringLiteral("It’s “"));
    EXPECT_EQ(Typed(), QStringLiteral("It’s “"));

    // A sentence is held in a list of any length; a book's field holds fewer
    // words, but nothing depends on that.
    QStringList words;
    for (int i = 0; i < 200; ++i)
        words << QStringLiteral("w%1").arg(i);
    const QString text = words.join(u' ');
    ChoiceClassForm->OneClassStringGrid->SetCells(1, 2, text);
    d->LoadDictationSentence();
    Commit(text.chopped(1));
    EXPECT_EQ(d->FWordIndex, 200);
    Commit(text.right(1));
    EXPECT_EQ(Row(), 3);
}

TEST_F(DictationTest, WrongKeysShowInsideAWordRevealItOnTheThirdAndEnterReplaysAndCountsAsOne)
{
    CreateCourse({kLesson});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    d->NextSenClick(nullptr);
    d->NextSenClick(nullptr);
    d->NextSenClick(nullptr);
    ASSERT_EQ(d->FSentence, QStringLiteral("Go on."));

    Type("x");
    EXPECT_EQ(d->FWrongCount, 1);
    EXPECT_FALSE(d->OneWrongLetter->Visible()) << "not before the word's first correct letter";
    Type("gx");
    EXPECT_TRUE(d->OneWrongLetter->Visible());
    EXPECT_EQ(d->OneWrongLetter->Caption(), QStringLiteral("x"));
    EXPECT_EQ(d->OneWrongLetter->pos(), d->GuangBiao->pos());
    Type("yz");
    EXPECT_TRUE(d->OneWordHelp->Visible());
    EXPECT_EQ(d->OneWordHelp->Caption(), QStringLiteral("Go"));
    EXPECT_FALSE(d->OneWrongLetter->Visible());

    media.ClearCommands();
    Press(Qt::Key_Return);
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 3100-3900"));
    EXPECT_EQ(d->FWrongCount, 1);

    // Copying: wrong keys show nothing and reveal nothing.
    Type("o o");
    Press(Qt::Key_F5);
    EXPECT_TRUE(d->English->Visible());
    EXPECT_TRUE(d->kivChaoXieImage1->Picture().Empty());
    Type("xxx");
    EXPECT_FALSE(d->OneWrongLetter->Visible());
    EXPECT_FALSE(d->OneWordHelp->Visible());
    Press(Qt::Key_F5);

    // Without the whole-word help the letters go on showing one at a time.
    Press(Qt::Key_F3);
    EXPECT_EQ(d->kivWrongToWordImage->Picture(), d->kivWrongToWordImage2->Picture());
    Type("xyz");
    EXPECT_FALSE(d->OneWordHelp->Visible());
    EXPECT_TRUE(d->OneWrongLetter->Visible());
    EXPECT_EQ(d->OneWrongLetter->Caption(), QStringLiteral("z"));
    // The mark ahead reveals the word whatever the helps.
    Type("n");
    EXPECT_TRUE(d->OneWordHelp->Visible());
    EXPECT_EQ(d->OneWordHelp->Caption(), QStringLiteral("on."));
}

// Counts the pixels of the screen, as painted now, inside `area` of the
// input that are the typed text's ink (not a help's colour, not paper).
int InkPixels(const QRect& area)
{
    const QImage shot = bjzTypeSenForm->grab().toImage();
    const QColor ink = look::Ink.Q();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(bjzTypeSenForm->EnglishInput->geometry().topLeft() + QPoint(x, y));
            count += std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                         std::abs(c.blue() - ink.blue()) < 60;
        }
    return count;
}

TEST_F(DictationTest, AWordEndingALineExactlyAtTheInputsWidthGoesDownWhileTypingButARepaintDrawsItAtTheLineEnd)
{
    // Words before the last word of the first line, and that word, chosen so
    // the line is exactly as wide as the input in the screen's font.
    const QFontMetrics metrics(look::SansFont(24));
    const QString start = QStringLiteral("Type every word of this line until it is full of");
    QString last;
    for (int m = 0; m < 12 && last.isEmpty(); ++m)
        for (int e = 0; e < 12 && last.isEmpty(); ++e)
            for (int i = 0; i < 12 && last.isEmpty(); ++i) {
                const QString word = QString(m, u'm') + QString(e, u'e') + QString(i, u'i');
                if (!word.isEmpty() && metrics.horizontalAdvance(start + u' ' + word) == 640)
                    last = word;
            }
    ASSERT_FALSE(last.isEmpty()) << "no word makes the line exactly 640 px";
    CreateCourse({{start + u' ' + last + QStringLiteral(" now.")}});
    EnterScreen();
    auto* d = bjzTypeSenForm;

    Type((start + u' ').toLatin1().constData());
    EXPECT_EQ(d->FCaretY, 29);
    EXPECT_EQ(d->GuangBiao->pos(), InputAt(0, 29));
    EXPECT_EQ(d->DownLine->pos(), InputAt(0, 58));
    EXPECT_EQ(d->FirstLetterHelp->pos(), InputAt(0, 29));
    Type(last.toLatin1().constData());
    d->GuangBiao->SetVisible(false);
    const int lastWidth = metrics.horizontalAdvance(last);
    const QRect atLineEnd(640 - lastWidth + 2, 2, lastWidth - 4, 24);
    const QRect onNextLine(2, 31, lastWidth - 4, 24);
    EXPECT_EQ(InkPixels(atLineEnd), 0);
    EXPECT_GT(InkPixels(onNextLine), 0);

    // Copy mode brings the sentence over the input and takes it away: the
    // input is repainted, by the rule that keeps the word on the first line.
    Press(Qt::Key_F5);
    Press(Qt::Key_F5);
    EXPECT_EQ(d->TypedInk(), (std::vector<sentence::InkRun>{{start + u' ' + last, 0, 0}}));
    EXPECT_GT(InkPixels(atLineEnd), 0);
    EXPECT_EQ(InkPixels(onNextLine), 0);
    EXPECT_EQ(d->FCaretY, 29) << "the caret stays where typing put it";
}

TEST_F(DictationTest, PageDownSkipsButNotFromTheLastAndFinishingTheLessonOffersItAgainOrAnother)
{
    CreateCourse({kLesson});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    Type("Hel");
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Row(), 2);
    EXPECT_TRUE(d->TypedInk().empty());
    QTest::mouseClick(d->NextSenImage, Qt::LeftButton);
    Press(Qt::Key_PageDown);
    ASSERT_EQ(Row(), 4);
    media.ClearCommands();
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Row(), 4);
    EXPECT_TRUE(media.Commands().isEmpty());
    EXPECT_TRUE(modal.shown.empty());

    int rowAtDialog = 0;
    Answer(&TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick, &rowAtDialog);
    Type("go on.");
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(rowAtDialog, 1);
    EXPECT_EQ(d->FSentence, QStringLiteral("Hello, World."));
    EXPECT_EQ(d->LessonSentence->Caption(), QStringLiteral("1"));
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 100-900"));

    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_PageDown);
    Answer(&TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
    Type("Go on.");
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Row(), 1);
}

TEST_F(DictationTest, TheFirstFourHelpsOutlastVisitsAndLessonsCopyingLastsOneSentenceAndEscGoesBack)
{
    CreateCourse({kLesson, {QStringLiteral("One more."), QStringLiteral("Two.")}});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    Press(Qt::Key_F1);
    Press(Qt::Key_F2);
    QTest::mouseClick(d->kivWrongToWordImage, Qt::LeftButton);
    Press(Qt::Key_F4);
    EXPECT_EQ(d->kivFirstLetterImage->Picture(), d->kivFirstLetterImage2->Picture());
    EXPECT_EQ(d->kivWordLengthImage->Picture(), d->kivWordLengthImage2->Picture());
    EXPECT_EQ(d->kivWrongToWordImage->Picture(), d->kivWrongToWordImage2->Picture());
    EXPECT_TRUE(d->kivSeeChineseImage->Picture().Empty());
    Press(Qt::Key_F5);
    Press(Qt::Key_PageDown);
    EXPECT_FALSE(d->English->Visible());
    EXPECT_EQ(d->kivChaoXieImage1->Picture(), d->kivChaoXieImage2->Picture());

    // The navigation buttons light with the chooser's face.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(d->ReturnToMainImage, &enter);
    EXPECT_EQ(d->ReturnToMainImage->Picture(), ChoiceClassForm->kivImage2->Picture());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(d->ReturnToMainImage, &leave);
    EXPECT_EQ(d->ReturnToMainImage->Picture(), d->kivImage->Picture());

    media.ClearCommands();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_FALSE(ChoiceClassForm->ReadOneSenTimer->Enabled());
    EXPECT_EQ(Row(), 2);

    ChoiceClassForm->ClassStringGrid->SetRow(2);
    ChoiceClassForm->ClassStringGridMouseUp(nullptr, TMouseButton::mbLeft, {}, 0, 0);
    EnterScreen();
    EXPECT_EQ(d->FSentence, QStringLiteral("One more."));
    EXPECT_FALSE(d->FirstLetterHelp->Visible());
    EXPECT_FALSE(d->DownLine->Visible());
    EXPECT_TRUE(d->Chinese->Visible());
    Type("one morxxx");
    EXPECT_FALSE(d->OneWordHelp->Visible());
}

TEST_F(DictationTest, BlankSentencesArePassedOverAndALessonWithNothingToTypeEndsAtTheFirstKey)
{
    CreateCourse({{QString(), QStringLiteral("Yes."), QStringLiteral("   ")}, {QString(), QStringLiteral("  ")}});
    EnterScreen();
    auto* d = bjzTypeSenForm;
    EXPECT_EQ(d->LessonSentence->Caption(), QStringLiteral("2"));
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 1100-1900"));
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Row(), 2) << "nothing to type follows";
    Answer(&TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
    Type("yes.");
    EXPECT_EQ(modal.shown.size(), 1u);
    EXPECT_TRUE(ChoiceClassForm->isVisible());

    ChoiceClassForm->ClassStringGrid->SetRow(2);
    ChoiceClassForm->ClassStringGridMouseUp(nullptr, TMouseButton::mbLeft, {}, 0, 0);
    EnterScreen();
    EXPECT_EQ(Row(), 1);
    EXPECT_TRUE(d->FirstLetterHelp->Caption().isEmpty());
    EXPECT_EQ(d->DownLine->width(), 0);
    Answer(&TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick);
    Type("a");
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_EQ(d->FCurPos, 1) << "learning again waits for a key, it does not finish at once";

    // Esc leaves the screen; it does not also finish the lesson over the chooser.
    Press(Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_EQ(modal.shown.size(), 2u);
}

} // namespace
