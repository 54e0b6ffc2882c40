// The lesson chooser on the real screen set: books, lessons, sentences, the
// clip played on a click and stopped by the 200 ms watch, and damaged input.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "media/MediaPlayer.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/LinkWordForm.h"
#include "sentence/TiaoForm.h"
#include "sentence/TotalForm.h"
#include "sentence/bjzReadForm.h"
#include "sentence/bjzTypeSenForm.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <vector>

namespace {

class LessonChooserTest : public ScreenHarness {
protected:
    void Enter()
    {
        bjzMainForm->Show();
        bjzMainForm->kivbjzButtonClick(nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ChoiceClassForm));
        media.ClearCommands();
    }

    QString Recording(const QString& folder, int lesson) const
    {
        return course.RecordingPath(folder, QStringLiteral("lesson%1.mp3").arg(lesson));
    }

    static void ClickRow(TStringGrid* grid, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), button, {}, cell.center());
    }

    static void ClickBook(TListBox* list, int index)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    }

    QString Shown() const { return ChoiceClassForm->SentenceEdit->Text(); }

    static void Key(QWidget* widget, Qt::Key key, bool autoRepeat = false, QEvent::Type type = QEvent::None)
    {
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            if (type != QEvent::None && t != type)
                continue;
            QKeyEvent event(t, key, Qt::NoModifier, QString(), autoRepeat);
            QApplication::sendEvent(widget, &event);
        }
    }

    static void WheelSideways(TStringGrid* grid)
    {
        const QPointF at = grid->viewport()->rect().center();
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(-240, 0), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
    }

    QStringList Reopened(const QString& folder, int from, int to) const
    {
        return {"stop", "close " + Recording(folder, from), "open " + Recording(folder, to)};
    }
};

TEST_F(LessonChooserTest, TheFirstBookIsLoadedWithItsLessonsAndFirstLessonShown)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    EXPECT_EQ(c->BookListBox->Item(0), QStringLiteral("Everyday"));
    EXPECT_EQ(c->BookListBox->Item(1), QStringLiteral("Travel"));
    EXPECT_EQ(c->ClassStringGrid->RowCount(), 4);
    EXPECT_EQ(c->ClassStringGrid->Cells(1, 0), QStringLiteral("标题"));
    EXPECT_EQ(c->ClassStringGrid->Row(), 1);
    EXPECT_EQ(c->OneClassStringGrid->RowCount(), 5);
    EXPECT_EQ(c->OneClassStringGrid->Cells(8, 0), QStringLiteral("句子编号"));
    EXPECT_EQ(c->SenStringGrid->RowCount(), 13);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.1--第1课第1句"));
    EXPECT_EQ(c->FSoundReady, 1);
    EXPECT_EQ(c->bjzPlayer->FileName, Recording("everyday", 1));
}

TEST_F(LessonChooserTest, AClickedSentenceIsShownAndPlayedUntilTheFirstTickAtOrPastItsEnd)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    ClickRow(c->OneClassStringGrid, 2); // clip 1100..1900
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.2--第1课第2句"));
    EXPECT_EQ(media.Commands(), (QStringList{"seek 1100", "play 1100-1900"}));
    EXPECT_TRUE(c->ReadOneSenTimer->Enabled());
    clock.Advance(600); // position 1700: still short of 1900
    EXPECT_TRUE(c->bjzPlayer->IsPlaying());
    clock.Advance(200); // the tick at 800 reads 1900 and stops
    EXPECT_FALSE(c->bjzPlayer->IsPlaying());
    EXPECT_FALSE(c->ReadOneSenTimer->Enabled());
    EXPECT_EQ(media.Commands().last(), QStringLiteral("stop"));
    EXPECT_EQ(c->bjzPlayer->Position(), 1900);
    EXPECT_EQ(c->FClipStart, 1100);
    EXPECT_EQ(c->FClipEnd, 1900);
}

TEST_F(LessonChooserTest, KeysMoveThroughSentencesWithoutSoundAndLessonKeysReopenTheRecording)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    c->OneClassStringGrid->setFocus();
    QTest::keyClick(c->OneClassStringGrid, Qt::Key_Down);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.2--第1课第2句"));
    EXPECT_TRUE(media.Commands().isEmpty());
    EXPECT_FALSE(c->ReadOneSenTimer->Enabled());

    c->ClassStringGrid->setFocus();
    QTest::keyClick(c->ClassStringGrid, Qt::Key_A); // a letter key does nothing
    EXPECT_TRUE(media.Commands().isEmpty());
    QTest::keyClick(c->ClassStringGrid, Qt::Key_Down);
    EXPECT_EQ(c->ClassStringGrid->Row(), 2);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 2.1--第2课第1句"));
    EXPECT_EQ(c->OneClassStringGrid->Cells(8, 1), QStringLiteral("5"));
    EXPECT_EQ(media.Commands(), (QStringList{"stop", "close " + Recording("everyday", 1), "open " + Recording("everyday", 2)}));

    // The same lesson chosen again by the mouse opens its recording again.
    media.ClearCommands();
    ClickRow(c->ClassStringGrid, 2);
    EXPECT_EQ(media.Commands(), (QStringList{"stop", "close " + Recording("everyday", 2), "open " + Recording("everyday", 2)}));
}

// Home and End go to the first and the last row, Left and Right keep the row;
// no key, wheel or scroll ever shows the columns beyond the grid's width.
TEST_F(LessonChooserTest, GridKeysMoveByRowsOnlyAndTheGridsNeverScrollSideways)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    TStringGrid* sentences = c->OneClassStringGrid;
    sentences->setFocus();
    QTest::keyClick(sentences, Qt::Key_End);
    EXPECT_EQ(sentences->Row(), 4);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.4--第1课第4句"));
    QTest::keyClick(sentences, Qt::Key_Right);
    QTest::keyClick(sentences, Qt::Key_Right);
    EXPECT_EQ(sentences->Row(), 4);
    QTest::keyClick(sentences, Qt::Key_Home);
    EXPECT_EQ(sentences->Row(), 1);
    QTest::keyClick(sentences, Qt::Key_Left);
    EXPECT_EQ(sentences->Row(), 1);
    EXPECT_TRUE(media.Commands().isEmpty());

    TStringGrid* lessons = c->ClassStringGrid;
    lessons->setFocus();
    QTest::keyClick(lessons, Qt::Key_End);
    EXPECT_EQ(lessons->Row(), 3);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 3.1--第3课第1句"));
    EXPECT_EQ(media.Commands(), Reopened("everyday", 1, 3));
    media.ClearCommands();
    // Left and Right keep the lesson, whose recording is opened again.
    QTest::keyClick(lessons, Qt::Key_Right);
    EXPECT_EQ(lessons->Row(), 3);
    EXPECT_EQ(media.Commands(), Reopened("everyday", 3, 3));
    QTest::keyClick(lessons, Qt::Key_Home);
    EXPECT_EQ(lessons->Row(), 1);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.1--第1课第1句"));

    for (TStringGrid* grid : {lessons, sentences}) {
        grid->scrollTo(grid->model()->index(0, grid->ColCount() - 1));
        WheelSideways(grid);
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum() + 500);
        EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
        EXPECT_EQ(grid->columnViewportPosition(0), 0);
    }
}

// Only the mouse and the row keys move a grid's selection, each with its
// handler: what is highlighted is always what is loaded.
TEST_F(LessonChooserTest, TabAndOtherKeysLeaveTheGridsRowAlone)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    for (TStringGrid* grid : {c->ClassStringGrid, c->OneClassStringGrid}) {
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_3); // would find the row numbered 3
        QTest::keyClick(grid, Qt::Key_S); // would find the row starting with S
        EXPECT_EQ(grid->Row(), 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_FALSE(grid->hasFocus());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(grid->Row(), 1);
    }
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.1--第1课第1句"));
    EXPECT_TRUE(media.Commands().isEmpty());
}

// A held key repeats its press; the lesson is chosen once, when it is let go.
TEST_F(LessonChooserTest, AHeldKeyRaisesOneKeyReleaseWhenItIsLetGo)
{
    CreateScreenSet();
    Enter();
    TStringGrid* lessons = ChoiceClassForm->ClassStringGrid;
    lessons->setFocus();
    Key(lessons, Qt::Key_Down, false, QEvent::KeyPress);
    for (int repeat = 0; repeat < 5; ++repeat)
        Key(lessons, Qt::Key_Down, /*autoRepeat=*/true);
    EXPECT_TRUE(media.Commands().isEmpty());
    Key(lessons, Qt::Key_Down, false, QEvent::KeyRelease);
    EXPECT_EQ(lessons->Row(), 3);
    EXPECT_EQ(media.Commands(), Reopened("everyday", 1, 3));
}

TEST_F(LessonChooserTest, OnlyAMouseReleaseOnTheBookListLoadsABook)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    c->BookListBox->setFocus();
    QTest::keyClick(c->BookListBox, Qt::Key_Down);
    EXPECT_EQ(c->BookListBox->ItemIndex(), 1);
    EXPECT_EQ(c->ClassStringGrid->RowCount(), 4); // still Everyday
    ClickBook(c->BookListBox, 1);
    EXPECT_EQ(c->ClassStringGrid->RowCount(), 3);
    EXPECT_EQ(c->FSoundFolder, QStringLiteral("travel"));
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.1--第1课第1句"));
    EXPECT_EQ(c->bjzPlayer->FileName, Recording("travel", 1));

    // Back at the menu and in again: the first book, while the list keeps
    // showing the book picked last.
    c->ReturnToMainFormClick(nullptr);
    EXPECT_FALSE(c->bjzPlayer->IsOpen());
    EXPECT_TRUE(bjzMainForm->Visible());
    Enter();
    EXPECT_EQ(c->FSoundFolder, QStringLiteral("everyday"));
    EXPECT_EQ(c->ClassStringGrid->RowCount(), 4);
    EXPECT_EQ(c->BookListBox->ItemIndex(), 1);
}

TEST_F(LessonChooserTest, WithoutItsRecordingALessonIsReadableAndSilent)
{
    defaultBooks = false;
    course.AddSimpleBook(QStringLiteral("Quiet.jz"), QStringLiteral("quiet"), 2, 3, /*withRecordings=*/false);
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    EXPECT_EQ(c->FSoundReady, 0);
    ClickRow(c->OneClassStringGrid, 3);
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.3--第1课第3句"));
    EXPECT_TRUE(media.Commands().isEmpty());
    EXPECT_FALSE(c->ReadOneSenTimer->Enabled());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LessonChooserTest, ARecordingThatWillNotOpenIsReportedOnceAndLaterClipsAreSkipped)
{
    defaultBooks = false;
    course.AddSimpleBook(QStringLiteral("Broken.jz"), QStringLiteral("broken"), 1, 3);
    media.FailOpen(Recording("broken", 1), QStringLiteral("not a sound file"));
    CreateScreenSet();
    // Loaded once at start-up: one message.
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("lesson1.mp3"))) << messages.messages[0].text.toStdString();
    Enter();
    EXPECT_EQ(messages.messages.size(), 2u); // the entry loads the book again
    EXPECT_EQ(ChoiceClassForm->FSoundReady, 0);
    ClickRow(ChoiceClassForm->OneClassStringGrid, 2);
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_FALSE(ChoiceClassForm->ReadOneSenTimer->Enabled());
}

TEST_F(LessonChooserTest, ADamagedBookIsRefusedWholeAndThePreviousBookStaysUsable)
{
    course.AddRawBook(QStringLiteral("Zebra.jz"), QByteArray(784 * 50, '\0')); // fewer than 200 records
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    ClickRow(c->ClassStringGrid, 3);
    ASSERT_EQ(c->BookListBox->Item(2), QStringLiteral("Zebra"));
    media.ClearCommands();
    ClickBook(c->BookListBox, 2);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_FALSE(messages.messages[0].text.isEmpty());
    EXPECT_EQ(c->ClassStringGrid->RowCount(), 4);
    EXPECT_EQ(c->ClassStringGrid->Row(), 3);
    EXPECT_EQ(c->FSoundFolder, QStringLiteral("everyday"));
    EXPECT_EQ(c->FSoundReady, 1);
    EXPECT_EQ(c->bjzPlayer->FileName, Recording("everyday", 3));
    EXPECT_TRUE(c->bjzPlayer->IsOpen());
    ClickRow(c->OneClassStringGrid, 1);
    EXPECT_EQ(media.Commands().mid(media.Commands().size() - 2), (QStringList{"seek 100", "play 100-900"}));
}

TEST_F(LessonChooserTest, ABookFileGoneSinceListingSaysSoAndKeepsTheTables)
{
    CreateScreenSet();
    Enter();
    ASSERT_TRUE(QFile::remove(course.Path() + QStringLiteral("EnglishBook/Travel.jz")));
    ClickBook(ChoiceClassForm->BookListBox, 1);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("文件不存在")});
    EXPECT_EQ(ChoiceClassForm->ClassStringGrid->RowCount(), 4);
    // The lesson still shown keeps sounding.
    media.ClearCommands();
    ClickRow(ChoiceClassForm->OneClassStringGrid, 2);
    EXPECT_EQ(ChoiceClassForm->FSoundReady, 1);
    EXPECT_EQ(media.Commands(), (QStringList{"seek 1100", "play 1100-1900"}));
    EXPECT_EQ(messages.Texts().size(), 1);
}

TEST_F(LessonChooserTest, WithoutAnyBookTheProgramSaysSoAndEndsAfterCreatingEveryScreen)
{
    defaultBooks = false;
    CreateScreenSet();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("书本文件不存在，请在作者主页下载，完整版")});
    EXPECT_TRUE(application->Terminated());
    EXPECT_NE(TiaoForm, nullptr);
}

TEST_F(LessonChooserTest, PracticeButtonsLightWithTheSharedFacesAndTheChallengeLeadsBack)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    ASSERT_FALSE(c->kivImage1->Picture().Empty());
    for (TkivImage1* button : {c->kivReadSen, c->kivTypeSen, c->kivLianCiImage, c->TotalImage1}) {
        EXPECT_EQ(button->Picture(), c->kivImage1->Picture());
        QTest::mouseMove(c, button->geometry().center());
        EXPECT_EQ(button->Picture(), c->kivImage2->Picture());
        QTest::mouseMove(c, QPoint(400, 30));
        EXPECT_EQ(button->Picture(), c->kivImage1->Picture());
    }
    QTest::mouseMove(c, c->ReturnToMain->geometry().center());
    EXPECT_EQ(c->ReturnToMain->Picture(), c->ReturnImage2->Picture());

    c->TiaoZhanButtonClick(nullptr);
    EXPECT_TRUE(TiaoForm->Visible());
    EXPECT_FALSE(c->Visible());
    TiaoForm->ReturnButtonClick(nullptr);
    EXPECT_TRUE(c->Visible());
    EXPECT_FALSE(TiaoForm->Visible());
}

TEST_F(LessonChooserTest, ARightClickActsOnTheRowAlreadySelected)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    ClickRow(c->OneClassStringGrid, 2);
    media.ClearCommands();
    ClickRow(c->OneClassStringGrid, 4, Qt::RightButton);
    EXPECT_EQ(c->OneClassStringGrid->Row(), 2);
    EXPECT_EQ(media.Commands(), (QStringList{"seek 1100", "play 1100-1900"})) << "sentence 2 again";

    ClickRow(c->ClassStringGrid, 2, Qt::RightButton);
    EXPECT_EQ(c->ClassStringGrid->Row(), 1);
    EXPECT_EQ(c->bjzPlayer->FileName, Recording("everyday", 1));
}

TEST_F(LessonChooserTest, EachPracticeStopsTheChoosersClipBeforeItsScreenStarts)
{
    CreateScreenSet();
    Enter();
    auto* c = ChoiceClassForm;
    const std::vector<std::pair<TkivImage1*, std::function<void()>>> practices = {
        {c->kivReadSen, [] { bjzReadForm->ReturnToChoiceClassClick(nullptr); }},
        {c->kivTypeSen, [] { bjzTypeSenForm->ReturnToChoiceClassClick(nullptr); }},
        {c->kivLianCiImage, [] { LinkWordForm->ReturnButtonClick(nullptr); }},
        {c->TotalImage1, [] { TotalForm->ReturnButtonClick(nullptr); }},
    };
    for (const auto& [button, leave] : practices) {
        ClickRow(c->OneClassStringGrid, 3);
        ASSERT_TRUE(c->bjzPlayer->IsPlaying());
        media.ClearCommands();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_FALSE(media.Commands().isEmpty()) << button->accessibleName().toStdString();
        EXPECT_EQ(media.Commands().first(), QStringLiteral("stop")) << button->accessibleName().toStdString();
        leave();
        ASSERT_TRUE(c->Visible());
    }
}

// The first book, read at start-up, is not read again on entry while its
// file is unchanged (same size, same modification time); a changed file is.
TEST_F(LessonChooserTest, EnteringReusesTheFirstBookWhileItsFileIsUnchanged)
{
    CreateScreenSet();
    const QString path = course.Path() + QStringLiteral("EnglishBook/Everyday.jz");
    const QDateTime written = QFileInfo(path).lastModified();
    // Same length and time, other words: "Sentence" becomes "Sentinel".
    const qint64 size = QFileInfo(path).size();
    course.AddBook(QStringLiteral("Everyday.jz"),
                   CourseFolder::SimpleBook(QStringLiteral("everyday"), 3, 4, QStringLiteral("Sentinel")));
    ASSERT_EQ(QFileInfo(path).size(), size);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(written, QFileDevice::FileModificationTime);
    file.close();
    Enter();
    EXPECT_EQ(Shown(), QStringLiteral("Sentence 1.1--第1课第1句"));
    EXPECT_EQ(ChoiceClassForm->FSoundReady, 1);

    ChoiceClassForm->ReturnToMainFormClick(nullptr);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(written.addSecs(5), QFileDevice::FileModificationTime);
    file.close();
    Enter();
    EXPECT_EQ(Shown(), QStringLiteral("Sentinel 1.1--第1课第1句"));
}

} // namespace
