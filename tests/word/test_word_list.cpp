// The word list, the book picker and the group-finished pop-up on the real
// screen set: entry from the main menu, rows, clips, play-all, groups and
// their size, the columns, books picked, damaged or missing, and the return.

#include "ScreenHarness.h"
#include "WordBytes.h"
#include "app/bjzMainForm.h"
#include "media/MediaPlayer.h"
#include "word/bdcBookForm.h"
#include "word/bdcChoiceForm.h"
#include "word/bdcClassFinishForm.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using wordtest::NumberedWords;

class WordListTest : public ScreenHarness {
protected:
    // "A 61" (61 words) and "B 25" (25 words), both with recordings.
    void CreateWithBooks()
    {
        course.AddWordBook(QStringLiteral("A 61"), NumberedWords(61));
        course.AddWordBook(QStringLiteral("B 25"), NumberedWords(25));
        CreateScreenSet();
    }

    void Enter()
    {
        bjzMainForm->Show();
        bjzMainForm->kivBdcImage1Click(nullptr);
        media.ClearCommands();
    }

    static TbdcChoiceForm* List() { return bdcChoiceForm; }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void ClickRow(int row) { Click(List()->EnglishLabel(row)); }

    static QStringList ShownEnglish()
    {
        QStringList rows;
        for (int row = 1; row <= 11; ++row)
            if (List()->EnglishLabel(row)->Visible())
                rows << List()->EnglishLabel(row)->Caption();
        return rows;
    }
    static int ShownChineseCount()
    {
        int shown = 0;
        for (int row = 1; row <= 11; ++row)
            shown += List()->ChineseLabel(row)->Visible() ? 1 : 0;
        return shown;
    }

    // The words whose clips were started, in order (clip k starts at k*1000).
    QList<int> PlayedWords() const
    {
        QList<int> words;
        for (const FakeMediaDevice::Command& command : media.Log())
            if (command.kind == FakeMediaDevice::Command::Play)
                words << command.from / 1000;
        return words;
    }

    // Lets play-all run until it has ended, at most `limitMs`.
    void RunPlayAll(int limitMs = 120'000)
    {
        for (int waited = 0; List()->FPlayingAll == 1 && waited < limitMs; waited += 100)
            clock.Advance(100);
    }
};

TEST_F(WordListTest, EntryLoadsTheFirstBookAtGroupOneOfThirtyWithItsRecording)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    EXPECT_TRUE(l->Visible());
    EXPECT_EQ(l->bdcBookListBox->Count(), 2);
    EXPECT_EQ(l->FBookWordCount, 61);
    EXPECT_EQ(l->TotalZuLabel->Caption(), QStringLiteral("3"));
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("1"));
    EXPECT_EQ(l->OneZuLabel->Caption(), QStringLiteral("30"));
    EXPECT_EQ(l->ThisZuLabel->Caption(), QStringLiteral("30"));
    EXPECT_EQ(l->FSoundReady, 1);
    EXPECT_EQ(l->bdcPlayer->FileName, course.WordRecordingPath(QStringLiteral("A 61")));
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("1. word 1"));
    EXPECT_EQ(ShownEnglish().last(), QStringLiteral("11. word 11"));
    EXPECT_EQ(l->ChineseLabel(2)->Caption(), QStringLiteral("第2词"));
    EXPECT_EQ(l->FZuPhonetic[3], QStringLiteral("E5")); // "3'" mapped
    EXPECT_TRUE(l->LineShape->Visible());
    EXPECT_EQ(l->LineShape->y(), 8);
    EXPECT_EQ(l->kivWordScrollBar->maximum(), 30);
    // Nothing below group 1, nothing above size 50 or below 20 yet.
    EXPECT_FALSE(l->DownZuButton->isEnabled());
    EXPECT_TRUE(l->UpZuButton->isEnabled());
    EXPECT_TRUE(messages.messages.empty());
    // The three drills that show phonetics each add the program folder's font.
    EXPECT_EQ(fonts.files.count(course.Path() + QStringLiteral("my_files.ttf")), 3);
}

TEST_F(WordListTest, ARowClickPlaysItsWordUntilTheFirstTickAtItsEndAndOnlySelectsWithoutSound)
{
    course.AddWordBook(QStringLiteral("Silent"), NumberedWords(25), false);
    CreateWithBooks();
    Enter();
    auto* l = List();
    ClickRow(3); // word 3: 3000..3800
    EXPECT_EQ(l->FCurrentWord, 3);
    EXPECT_EQ(l->WordPosLabel->Caption(), QStringLiteral("3"));
    EXPECT_EQ(l->LineShape->y(), 8 + 2 * 37);
    EXPECT_EQ(media.Commands(), (QStringList{"seek 3000", "play 3000-3800"}));
    clock.Advance(600);
    EXPECT_TRUE(l->bdcPlayer->IsPlaying());
    clock.Advance(200); // the tick at 800 reads 3800
    EXPECT_FALSE(l->OneWordPlayTimer->Enabled());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_FALSE(l->WordToWordTimer->Enabled());

    // A scrolled list selects the entry on the clicked row.
    l->kivWordScrollBar->SetPosition(5);
    l->RefreshWordList();
    EXPECT_FALSE(l->LineShape->Visible()); // word 3 is above the rows
    ClickRow(2);
    EXPECT_EQ(l->FCurrentWord, 6);

    // The picker's third book has no recording: clicks only select.
    modal.responses.push_back([](TForm&) { bdcBookForm->BookListBox->setCurrentRow(2); });
    l->kivBookImage1Click(nullptr);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("声音文件不存在")});
    EXPECT_EQ(l->FSoundReady, 0);
    EXPECT_EQ(l->FBookWordCount, 25);
    media.ClearCommands();
    ClickRow(4);
    EXPECT_EQ(l->FCurrentWord, 4);
    EXPECT_TRUE(media.Commands().isEmpty());
    EXPECT_FALSE(l->OneWordPlayTimer->Enabled());
    // Play-all without a recording says why nothing plays.
    l->kivPlayImage1Click(nullptr);
    EXPECT_EQ(l->FPlayingAll, 0);
    EXPECT_EQ(messages.Texts().size(), 2);
    EXPECT_TRUE(media.Commands().isEmpty());
}

TEST_F(WordListTest, PlayAllRunsFromTheCurrentWordToTheGroupsEndScrollingAtRowNineThenGoesBackToWordOne)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    l->kivStopImage1Click(nullptr); // not playing all: nothing
    ClickRow(7);
    clock.Advance(1000);
    media.ClearCommands();
    l->kivPlayImage1Click(nullptr);
    EXPECT_EQ(l->kivWordScrollBar->Position(), 7); // the current word on the top row
    EXPECT_EQ(l->FPlayingAll, 1);
    l->kivPlayImage1Click(nullptr); // already running: nothing more
    // Words 7..16 fill rows 0..9; the word after the one on row 9 goes to the top.
    std::vector<int> topWhenPlayed;
    while (l->FPlayingAll == 1 && l->FCurrentWord < 18) {
        const int word = l->FCurrentWord;
        while (l->FPlayingAll == 1 && l->FCurrentWord == word)
            clock.Advance(100);
        topWhenPlayed.push_back(l->kivWordScrollBar->Position());
    }
    EXPECT_EQ(topWhenPlayed.back(), 17);
    EXPECT_EQ(topWhenPlayed.front(), 7);
    RunPlayAll();
    QList<int> expected;
    for (int k = 7; k <= 30; ++k)
        expected << k;
    EXPECT_EQ(PlayedWords(), expected);
    EXPECT_EQ(l->FCurrentWord, 1);
    EXPECT_EQ(l->kivWordScrollBar->Position(), 1);
    EXPECT_FALSE(l->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(l->WordToWordTimer->Enabled());
}

TEST_F(WordListTest, ARowClickedDuringPlayAllPlaysAndPlayAllGoesOnFromTheWordAfterItUntilStopped)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    l->kivPlayImage1Click(nullptr);
    clock.Advance(2500); // word 1 played, word 2 under way
    ClickRow(5);
    clock.Advance(2000); // word 5 played, the gap, word 6 begun
    EXPECT_EQ(PlayedWords(), (QList<int>{1, 2, 5, 6}));
    EXPECT_EQ(l->FPlayingAll, 1);
    l->kivStopImage1Click(nullptr);
    EXPECT_EQ(l->FPlayingAll, 0);
    EXPECT_FALSE(l->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(l->bdcPlayer->IsPlaying());
    clock.Advance(3000);
    EXPECT_EQ(PlayedWords().size(), 4);
}

TEST_F(WordListTest, GroupAndSizeButtonsMoveWithinTheBookAndAreEnabledExactlyWhileTheyCanMove)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    Click(l->UpZuButton);
    Click(l->UpZuButton);
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("3"));
    EXPECT_EQ(l->FZuWordCount, 1);
    EXPECT_EQ(ShownEnglish(), QStringList{QStringLiteral("61. word 61")});
    EXPECT_EQ(ShownChineseCount(), 1);
    EXPECT_EQ(l->FZuNumber[2], QStringLiteral(". "));
    EXPECT_FALSE(l->UpZuButton->isEnabled());
    Click(l->DownZuButton);
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("2"));
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("31. word 31"));
    EXPECT_TRUE(l->UpZuButton->isEnabled());

    // Group 3 of size 30 becomes group 2 of 31 (the book has 2 now): words 32..61.
    Click(l->UpZuButton);
    Click(l->UpWordButton);
    EXPECT_EQ(l->OneZuLabel->Caption(), QStringLiteral("31"));
    EXPECT_EQ(l->TotalZuLabel->Caption(), QStringLiteral("2"));
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("2"));
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("32. word 32"));
    EXPECT_EQ(l->FZuWordCount, 30);
    EXPECT_FALSE(l->UpZuButton->isEnabled());
    for (int i = 0; i < 25; ++i)
        Click(l->UpWordButton);
    EXPECT_EQ(l->OneZuLabel->Caption(), QStringLiteral("50"));
    EXPECT_FALSE(l->UpWordButton->isEnabled());
    for (int i = 0; i < 35; ++i)
        Click(l->DownWordButton);
    EXPECT_EQ(l->OneZuLabel->Caption(), QStringLiteral("20"));
    EXPECT_FALSE(l->DownWordButton->isEnabled());
    EXPECT_EQ(l->TotalZuLabel->Caption(), QStringLiteral("4"));
    EXPECT_TRUE(l->UpZuButton->isEnabled());

    // Coming back starts at group 1 of 30, with every button that can move enabled.
    l->kivReturnImage1Click(nullptr);
    Enter();
    EXPECT_EQ(l->OneZuLabel->Caption(), QStringLiteral("30"));
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("1"));
    EXPECT_TRUE(l->UpZuButton->isEnabled());
    EXPECT_TRUE(l->UpWordButton->isEnabled());
    EXPECT_TRUE(l->DownWordButton->isEnabled());
}

TEST_F(WordListTest, ScrollingMovesTheRowsNotTheCurrentWordAndTheColumnsHideAndShow)
{
    course.AddWordBook(QStringLiteral("A"), NumberedWords(20));
    CreateScreenSet();
    Enter();
    auto* l = List();
    l->kivWordScrollBar->setFocus();
    QTest::keyClick(l->kivWordScrollBar, Qt::Key_End);
    EXPECT_EQ(l->kivWordScrollBar->Position(), 20);
    EXPECT_EQ(ShownEnglish(), QStringList{QStringLiteral("20. word 20")});
    EXPECT_FALSE(l->LineShape->Visible());
    EXPECT_EQ(l->FCurrentWord, 1);
    QTest::keyClick(l->kivWordScrollBar, Qt::Key_PageUp);
    EXPECT_EQ(ShownEnglish().size(), 10); // entries 11..20
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("11. word 11"));

    Click(l->EnglishDisplayImage1);
    EXPECT_TRUE(ShownEnglish().isEmpty());
    EXPECT_EQ(ShownChineseCount(), 10);
    EXPECT_EQ(l->EnglishDisplayImage1->Picture(), l->Image3->Picture());
    Click(l->ChineseDisplayImage1);
    EXPECT_EQ(ShownChineseCount(), 0);
    Click(l->EnglishDisplayImage1);
    EXPECT_EQ(ShownEnglish().size(), 10);
    EXPECT_TRUE(l->EnglishDisplayImage1->Picture().Empty());
}

TEST_F(WordListTest, ARecordingWhoseExtensionDiffersInCaseIsFound)
{
    course.AddWordBook(QStringLiteral("Loud"), NumberedWords(20), false);
    const QString upper = course.Path() + QStringLiteral("bdcSound/Loud.MP3");
    QDir(course.Path()).mkpath(QStringLiteral("bdcSound"));
    QFile(upper).open(QIODevice::WriteOnly);
    CreateScreenSet();
    Enter();
    EXPECT_EQ(List()->FSoundReady, 1);
    EXPECT_EQ(List()->bdcPlayer->FileName, upper);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WordListTest, ThePickerLoadsEachBookPickedByMouseOrKeysAndClosingItKeepsTheBook)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    Click(l->UpZuButton);
    // Shown and closed without a pick: nothing changes; the list is refilled, none selected.
    modal.responses.push_back([](TForm&) {
        EXPECT_EQ(bdcBookForm->BookListBox->Count(), 2);
        EXPECT_EQ(bdcBookForm->BookListBox->ItemIndex(), -1);
        bdcBookForm->BookListBox->setFocus();
        Click(bdcBookForm->Image2);
    });
    Click(l->kivBookImage1);
    EXPECT_EQ(l->FBookWordCount, 61);
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("2"));

    // The second book by the mouse, then the first by the keys, in one showing.
    std::vector<int> wordCounts;
    modal.responses.push_back([&](TForm&) {
        TListBox* books = bdcBookForm->BookListBox;
        QTest::mouseClick(books->viewport(), Qt::LeftButton, {}, books->visualItemRect(books->item(1)).center());
        wordCounts.push_back(l->FBookWordCount);
        wordCounts.push_back(l->FZuWordCount);
        QTest::keyClick(books, Qt::Key_Up);
        wordCounts.push_back(l->FBookWordCount);
        Click(bdcBookForm->Image2);
    });
    Click(l->kivBookImage1);
    EXPECT_EQ(wordCounts, (std::vector<int>{25, 25, 61}));
    EXPECT_EQ(l->ZuLabel->Caption(), QStringLiteral("1"));
    EXPECT_EQ(l->bdcPlayer->FileName, course.WordRecordingPath(QStringLiteral("A 61")));
    EXPECT_EQ(l->FSoundReady, 1);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WordListTest, DamagedAndMissingBooksAreToldAndTheBookShownBeforeStays)
{
    QByteArray tenRecords(10 * 125, '\0');
    course.AddRawWordBook(QStringLiteral("0 damaged.wd"), tenRecords);
    QDir(course.Path()).mkpath(QStringLiteral("bdcSound"));
    QFile(course.WordRecordingPath(QStringLiteral("0 damaged"))).open(QIODevice::WriteOnly);
    course.AddWordBook(QStringLiteral("1 good"), NumberedWords(22));
    course.AddWordBook(QStringLiteral("2 gone"), NumberedWords(22));
    CreateScreenSet();
    QFile::remove(course.Path() + QStringLiteral("bdcBook/2 gone.wd"));
    Enter();
    auto* l = List();
    // The first book has no words: it is said, nothing is shown, and its
    // recording is left closed.
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("书本文件已损坏")));
    EXPECT_EQ(l->FBookWordCount, 0);
    EXPECT_TRUE(ShownEnglish().isEmpty());
    EXPECT_EQ(ShownChineseCount(), 0);
    EXPECT_EQ(l->FSoundReady, 0);
    EXPECT_FALSE(l->bdcPlayer->IsOpen());

    const auto pick = [this](int index) {
        modal.responses.push_back([index](TForm&) { bdcBookForm->BookListBox->setCurrentRow(index); });
        List()->kivBookImage1Click(nullptr);
    };
    pick(1);
    EXPECT_EQ(l->FBookWordCount, 22);
    EXPECT_EQ(ShownEnglish().size(), 11);
    messages.messages.clear();
    pick(0);
    EXPECT_EQ(l->FBookWordCount, 22); // the good book stays
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("1. word 1"));
    // ...silent: the damaged book's recording would play other words at its
    // words' clip points.
    EXPECT_EQ(l->FSoundReady, 0);
    EXPECT_EQ(l->bdcPlayer->FileName, course.WordRecordingPath(QStringLiteral("1 good")));
    media.ClearCommands();
    ClickRow(2);
    l->kivPlayImage1Click(nullptr);
    EXPECT_TRUE(media.Commands().isEmpty());
    messages.messages.clear();
    pick(2);
    ASSERT_EQ(messages.messages.size(), 1u); // its recording is there
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("该书本不存在"));
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Korrel"));
    EXPECT_EQ(messages.messages[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(l->FBookWordCount, 22);
    EXPECT_EQ(l->FSoundReady, 1);
    EXPECT_EQ(l->bdcPlayer->FileName, course.WordRecordingPath(QStringLiteral("2 gone")));
}

TEST_F(WordListTest, TheReturnStopsEverythingAndClosesTheRecording)
{
    CreateWithBooks();
    Enter();
    auto* l = List();
    l->kivPlayImage1Click(nullptr);
    clock.Advance(300);
    Click(l->kivReturnImage1);
    EXPECT_FALSE(l->Visible());
    EXPECT_TRUE(bjzMainForm->Visible());
    EXPECT_FALSE(l->OneWordPlayTimer->Enabled());
    EXPECT_FALSE(l->WordToWordTimer->Enabled());
    EXPECT_FALSE(l->bdcPlayer->IsOpen());
    EXPECT_EQ(media.OpenCount(), 0);
}

TEST_F(WordListTest, TheGroupFinishedPopUpHandsBackTheChoiceOrNoneWhenClosed)
{
    CreateScreenSet();
    auto* finished = bdcClassFinishForm;
    for (auto [button, expected] : {std::pair{finished->Image3, 1}, std::pair{finished->Image2, 2}}) {
        modal.responses.push_back([button = button](TForm&) { Click(button); });
        EXPECT_EQ(finished->AskAgainOrLeave(), expected);
    }
    // Closed by the window's close command after an earlier choice: none.
    modal.responses.push_back([](TForm& form) { form.close(); });
    EXPECT_EQ(finished->AskAgainOrLeave(), 0);
    EXPECT_FALSE(finished->Visible());
}

TEST_F(WordListTest, StopEndsOnlyPlayAllAndAnEmptyGroupOffersNothingToPlay)
{
    course.AddRawWordBook(QStringLiteral("0 empty.wd"), QByteArray(10 * 125, '\0'));
    course.AddWordBook(QStringLiteral("1 words"), NumberedWords(20));
    CreateScreenSet();
    Enter();
    auto* l = List();
    EXPECT_FALSE(l->LineShape->Visible());
    messages.messages.clear();
    l->kivPlayImage1Click(nullptr);
    EXPECT_EQ(l->FPlayingAll, 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(media.Commands().isEmpty());

    modal.responses.push_back([](TForm&) { bdcBookForm->BookListBox->setCurrentRow(1); });
    l->kivBookImage1Click(nullptr);
    ClickRow(2);
    l->kivStopImage1Click(nullptr); // a row's clip is not play-all's
    EXPECT_TRUE(l->bdcPlayer->IsPlaying());
    EXPECT_TRUE(l->OneWordPlayTimer->Enabled());
    // A click on the bar's track pages down and the rows follow at its release.
    QTest::mouseClick(l->kivWordScrollBar, Qt::LeftButton, {}, QPoint(10, l->kivWordScrollBar->height() - 40));
    EXPECT_EQ(l->kivWordScrollBar->Position(), 10);
    EXPECT_EQ(ShownEnglish().first(), QStringLiteral("10. word 10"));
}

} // namespace
