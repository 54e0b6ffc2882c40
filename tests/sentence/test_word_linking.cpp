// Word linking on the real screen set: sentences built by real clicks on the
// pieces, the rows as the screen measures them, sentences too long for six
// rows or without words, the switches, Next, Return and the lesson's end.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "controls/Look.h"
#include "controls/Timer.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/LinkWordForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"

#include <QFontMetrics>
#include <QTest>
#include <set>

namespace {

class WordLinkingTest : public ScreenHarness {
protected:
    // One book of the given lessons; sentence i of a lesson has the Chinese
    // "第i句" and the clip (i-1)*1000+100 to (i-1)*1000+900.
    void CreateCourse(const std::vector<QStringList>& lessons)
    {
        defaultBooks = false;
        sentence::SentenceBookWriter writer(QStringLiteral("link"));
        for (std::size_t k = 0; k < lessons.size(); ++k) {
            const int first = int(writer.SentenceCount()) + 1;
            for (int i = 0; i < lessons[k].size(); ++i)
                writer.AddSentence({lessons[k][i], QStringLiteral("第%1句").arg(i + 1), i * 1000 + 100, i * 1000 + 900});
            const QString recording = QStringLiteral("lesson%1.mp3").arg(k + 1);
            writer.AddLesson({QStringLiteral("L%1").arg(k + 1), first, first + int(lessons[k].size()) - 1, recording});
            course.AddRecording(QStringLiteral("link"), recording);
        }
        course.AddBook(QStringLiteral("Link.jz"), writer);
        CreateScreenSet();
        bjzMainForm->Show();
        bjzMainForm->kivbjzButtonClick(nullptr);
    }

    // Enters through the chooser's word-linking button.
    void EnterScreen()
    {
        QTest::mouseClick(ChoiceClassForm->kivLianCiImage, Qt::LeftButton);
        ASSERT_TRUE(LinkWordForm->isVisible());
        ASSERT_FALSE(ChoiceClassForm->isVisible());
    }

    // The visible pieces (of `word` only, when given), in piece order.
    static std::vector<TkivStaticText*> Pieces(const QString& word = QString())
    {
        std::vector<TkivStaticText*> pieces;
        for (int i = 1; i <= LinkWordForm->PieceCount(); ++i) {
            TkivStaticText* piece = LinkWordForm->Piece(i);
            if (piece->isVisibleTo(LinkWordForm) && (word.isNull() || piece->Caption() == word))
                pieces.push_back(piece);
        }
        return pieces;
    }

    static QStringList Sorted(QStringList words)
    {
        words.sort();
        return words;
    }

    // The captions shown, in piece order or sorted.
    static QStringList Shown(bool sorted = true)
    {
        QStringList captions;
        for (TkivStaticText* piece : Pieces())
            captions.append(piece->Caption());
        return sorted ? Sorted(captions) : captions;
    }

    static void Click(TkivStaticText* piece) { QTest::mouseClick(piece, Qt::LeftButton, {}, QPoint(3, 3)); }
    static void Click(const QString& word) { Click(Pieces(word).at(0)); }

    // Clicks the current sentence's words in order.
    static void BuildSentence()
    {
        for (const QString& word : QStringList(LinkWordForm->FWords))
            Click(word);
    }

    // Answers the next lesson-finished dialog, noting the lesson's row then.
    void Answer(void (TThisClassHaveFinishedForm::*click)(QObject*))
    {
        modal.responses.push_back([this, click](TForm&) {
            rowAtTheDialog = Row();
            answerAtTheDialog = AnswerLine();
            (ThisClassHaveFinishedForm->*click)(nullptr);
        });
    }

    static int Row() { return ChoiceClassForm->OneClassStringGrid->Row(); }
    static QString Label2() { return LinkWordForm->Label2->Caption(); }
    static QString AnswerLine() { return LinkWordForm->EnglishRightAnswer->Caption(); }

    int rowAtTheDialog = 0;
    QString answerAtTheDialog;
};

TEST_F(WordLinkingTest, EitherPieceOfARepeatedWordServesWrongClicksChangeNothingAndTheWordsKeepTheirText)
{
    CreateCourse({{QStringLiteral("the dog saw the cat"), QStringLiteral("  Hello,   World!  It's me. ")}});
    auto* f = LinkWordForm;
    // Lays "cat" on a piece the next sentence uses again.
    f->FShuffleSeed = [] { return 1u; };
    EnterScreen();
    EXPECT_EQ(Shown(), (QStringList{"cat", "dog", "saw", "the", "the"}));

    Click("cat");
    Click("dog");
    EXPECT_EQ(AnswerLine(), QString());
    EXPECT_EQ(f->FNextWord, 1);
    EXPECT_EQ(Pieces().size(), 5u);

    // The second "the" piece serves the first "the", the first the second.
    TkivStaticText* firstThe = Pieces("the")[0];
    TkivStaticText* secondThe = Pieces("the")[1];
    Click(secondThe);
    EXPECT_FALSE(secondThe->isVisibleTo(f));
    EXPECT_EQ(AnswerLine(), QStringLiteral("the "));
    Click("dog");
    Click("saw");
    Click(firstThe);
    EXPECT_EQ(AnswerLine(), QStringLiteral("the dog saw the "));

    // Maroon under the pointer, green again when it leaves.
    TkivStaticText* cat = Pieces("cat").at(0);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(cat, &enter);
    EXPECT_EQ(cat->palette().color(QPalette::Window), look::Maroon.Q());
    QApplication::sendEvent(cat, &leave);
    EXPECT_EQ(cat->palette().color(QPalette::Window), look::Green.Q());

    // The last word brings the next sentence at once, on green pieces, its
    // words as written; its answer line reproduces it.
    QApplication::sendEvent(cat, &enter);
    Click(cat);
    ASSERT_TRUE(cat->isVisibleTo(f));
    EXPECT_EQ(cat->palette().color(QPalette::Window), look::Green.Q());
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(Label2(), QStringLiteral("2"));
    EXPECT_EQ(AnswerLine(), QString());
    EXPECT_EQ(Shown(), (QStringList{"Hello,", "It's", "World!", "me."}));
    Answer(&TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick);
    BuildSentence();
    EXPECT_EQ(answerAtTheDialog, QStringLiteral("Hello, World! It's me. "));
}

TEST_F(WordLinkingTest, ALongSentenceFillsRows38ApartFromTheLeftBreakingOnlyWhereAPieceWouldPass760)
{
    // 80 words: more than the screen's pieces at first.
    QStringList words;
    for (int i = 0; i < 80; ++i)
        words.append(QString(1 + i % 3, QChar(u'a' + i % 26)));
    CreateCourse({{words.join(u' '), QStringLiteral("Short one.")}});
    EnterScreen();

    // Measured in the screen's font; rows from 130 down, 38 apart; each row
    // starting at 100 and no piece ending beyond 760 (the exact breaks are
    // the rules' test).
    const QFontMetrics screenFont(look::SansFont(16, true));
    std::set<int> tops;
    for (TkivStaticText* piece : Pieces()) {
        EXPECT_EQ(piece->width(), screenFont.horizontalAdvance(piece->Caption()) + 10);
        EXPECT_EQ(piece->height(), screenFont.height() + 4);
        EXPECT_GE(piece->x(), 100);
        EXPECT_LE(piece->x() + piece->width(), 760);
        tops.insert(piece->y());
    }
    EXPECT_EQ(Shown(), Sorted(words)) << "every word laid out once";
    ASSERT_GE(tops.size(), 3u);
    EXPECT_EQ(*tops.begin(), 130);
    EXPECT_EQ(*tops.rbegin() - *tops.begin(), 38 * int(tops.size() - 1));

    BuildSentence();
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(Pieces().size(), 2u);
}

TEST_F(WordLinkingTest, ASentenceTooLongForSixRowsGetsSmallerPiecesAboveTheAnswerLineAndTheNextOneFullSize)
{
    // Eleven words each nearly half a row wide: one a row at full size.
    const QStringList words(11, QString(22, u'W'));
    CreateCourse({{words.join(u' '), QStringLiteral("Next one."), QStringLiteral("Last one.")}});
    EnterScreen();

    const auto pieces = Pieces();
    ASSERT_EQ(pieces.size(), 11u);
    for (std::size_t a = 0; a < pieces.size(); ++a) {
        const QRect place = pieces[a]->geometry();
        EXPECT_LT(place.bottom(), 352) << "piece " << a << " runs into the answer line";
        EXPECT_GE(place.left(), 100);
        EXPECT_LE(place.x() + place.width(), 760);
        EXPECT_EQ(pieces[a]->Caption(), words[0]);
        for (std::size_t b = a + 1; b < pieces.size(); ++b)
            EXPECT_FALSE(place.intersects(pieces[b]->geometry())) << a << " and " << b;
    }
    EXPECT_LT(pieces[0]->font().pixelSize(), 16);

    // The answer line holds the long sentence whole too.
    for (int k = 0; k < 10; ++k)
        Click(words[0]);
    TkivStaticText* answer = LinkWordForm->EnglishRightAnswer;
    const int m = answer->margin();
    const QRect room = answer->contentsRect().adjusted(m, m, -m, -m);
    EXPECT_LE(QFontMetrics(answer->font()).boundingRect(room, Qt::TextWordWrap, AnswerLine()).height(), room.height());

    LinkWordForm->kivNextSenImageClick(nullptr);
    ASSERT_EQ(Row(), 2);
    EXPECT_EQ(Pieces().at(0)->font().pixelSize(), 16);
}

TEST_F(WordLinkingTest, SentencesWithoutWordsArePassedOverAndALessonWithoutAnyShowsNothingToDo)
{
    CreateCourse({{QStringLiteral("One two"), QStringLiteral("   "), QStringLiteral("Three"), QString()},
                  {QString(), QStringLiteral(" ")}});
    EnterScreen();
    BuildSentence();
    EXPECT_EQ(Row(), 3);
    EXPECT_EQ(Label2(), QStringLiteral("3"));
    EXPECT_EQ(Shown(), QStringList{"Three"});
    // The last sentence has no words: "Three" ends the lesson.
    Answer(&TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
    BuildSentence();
    EXPECT_EQ(modal.shown.size(), 1u);
    EXPECT_TRUE(ChoiceClassForm->isVisible());

    ChoiceClassForm->ClassStringGrid->SetRow(2);
    ChoiceClassForm->ClassStringGridMouseUp(nullptr, TMouseButton::mbLeft, {}, 0, 0);
    EnterScreen();
    EXPECT_TRUE(Pieces().empty());
    EXPECT_EQ(Label2(), QStringLiteral("1"));
    // A lesson of no sentences at all, as a book without sentences gives.
    LinkWordForm->ReturnButtonClick(nullptr);
    ChoiceClassForm->OneClassStringGrid->SetRowCount(1);
    EnterScreen();
    EXPECT_TRUE(Pieces().empty());
    EXPECT_EQ(LinkWordForm->ChineseSentence->Caption(), QString());
    EXPECT_EQ(modal.shown.size(), 1u) << "nothing was built, so nothing is finished";
}

TEST_F(WordLinkingTest, PronunciationIsOffOnEachSentenceWhileTheChineseSwitchLastsAcrossSentencesAndVisits)
{
    CreateCourse({{QStringLiteral("One."), QStringLiteral("Two."), QStringLiteral("Three."), QStringLiteral("Four.")}});
    EnterScreen();
    auto* f = LinkWordForm;
    EXPECT_TRUE(media.Commands().filter(QStringLiteral("play")).isEmpty()) << "no sound on entry";

    QTest::mouseClick(f->kivFaYinImage, Qt::LeftButton);
    EXPECT_EQ(f->kivFaYinImage->Picture(), f->ChineseImage2->Picture());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 100-900"));
    media.ClearCommands();
    f->kivFaYinImageClick(nullptr);
    EXPECT_TRUE(f->kivFaYinImage->Picture().Empty());
    EXPECT_TRUE(media.Commands().isEmpty()) << "switching off is silent";
    f->kivFaYinImageClick(nullptr);
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 100-900"));

    QTest::mouseClick(f->ChineseImage1, Qt::LeftButton);
    EXPECT_TRUE(f->ChineseSentence->Visible());
    EXPECT_EQ(f->ChineseImage1->Picture(), f->ChineseImage2->Picture());

    BuildSentence();
    ASSERT_EQ(Row(), 2);
    EXPECT_EQ(f->FSoundOn, 0);
    EXPECT_TRUE(f->kivFaYinImage->Picture().Empty());
    EXPECT_TRUE(f->ChineseSentence->Visible());
    EXPECT_EQ(f->ChineseSentence->Caption(), QStringLiteral("第2句"));
    f->kivFaYinImageClick(nullptr);
    EXPECT_EQ(media.Commands().last(), QStringLiteral("play 1100-1900"));

    // Return stops the clip and hides the pieces; the Chinese switch is
    // still on at the next visit.
    QTest::mouseClick(f->kivImage13, Qt::LeftButton);
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_FALSE(ChoiceClassForm->ReadOneSenTimer->Enabled());
    EXPECT_TRUE(Pieces().empty());
    EnterScreen();
    EXPECT_TRUE(f->ChineseSentence->Visible());
    EXPECT_EQ(f->ChineseImage1->Picture(), f->ChineseImage2->Picture());
    f->ChineseImage1Click(nullptr);
    EXPECT_FALSE(f->ChineseSentence->Visible());
}

TEST_F(WordLinkingTest, NextStopsShortOfTheLastTwoAndTheLastSentenceEndsTheLessonFromRowOne)
{
    CreateCourse({{QStringLiteral("One two three four five six."), QStringLiteral("Two b."), QStringLiteral("Three c."),
                   QStringLiteral("Four d.")}});
    auto* f = LinkWordForm;
    std::uint32_t seed = 0;
    f->FShuffleSeed = [&seed] { return ++seed; };
    EnterScreen();
    const QStringList firstOrder = Shown(false);
    Click("One");
    QTest::mouseClick(f->kivNextSenImage, Qt::LeftButton);
    EXPECT_EQ(Row(), 2);
    EXPECT_EQ(Label2(), QStringLiteral("2"));
    EXPECT_EQ(AnswerLine(), QString()) << "the sentence being built is given up";
    EXPECT_EQ(Shown(), (QStringList{"Two", "b."}));
    f->kivNextSenImageClick(nullptr);
    f->kivNextSenImageClick(nullptr);
    EXPECT_EQ(Row(), 3) << "Next never moves onto the last sentence";
    BuildSentence();
    f->kivNextSenImageClick(nullptr);
    EXPECT_EQ(Row(), 4);

    Answer(&TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick);
    BuildSentence();
    ASSERT_EQ(modal.shown, std::vector<TForm*>{ThisClassHaveFinishedForm});
    EXPECT_EQ(rowAtTheDialog, 1);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(Row(), 1);
    EXPECT_EQ(Label2(), QStringLiteral("1"));
    EXPECT_EQ(AnswerLine(), QString());
    // The same sentence again, shuffled afresh.
    EXPECT_EQ(Shown(), Sorted(firstOrder));
    EXPECT_NE(Shown(false), firstOrder);

    for (int i = 0; i < 3; ++i)
        BuildSentence();
    Answer(&TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
    BuildSentence();
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_TRUE(ChoiceClassForm->isVisible());
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(Row(), 1);
}

} // namespace
