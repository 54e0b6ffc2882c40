// Ten hours of lesson time on the virtual clock for the three screens that
// play on by themselves: the sentence read-along started again at each
// lesson's end, the whole-lesson player started again whenever it stops, and
// the word list's play-all over its group again and again. After the first
// hour, when every buffer a run needs has been made, nothing may grow: not
// the heap, the running timers, the widgets, the open files or the open
// recordings.

#include "ScreenHarness.h"
#include "WordBytes.h"
#include "app/bjzMainForm.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/TotalForm.h"
#include "sentence/bjzReadForm.h"
#include "word/bdcChoiceForm.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

constexpr std::int64_t kHourMs = 3'600'000;
constexpr int kStepMs = 200;     // the clip-end poll's interval
constexpr int kServiceMs = 5000; // how often the event loop's own work is done
// A few kilobytes of slack for the allocator's own bookkeeping; a leak of a
// few bytes a clip is several hundred kilobytes over nine hours.
constexpr long kHeapSlackBytes = 64 * 1024;

struct Footprint {
    long heapBytes = 0;
    int timers = 0;
    int widgets = 0;
    int openFiles = 0;
    int openRecordings = 0;
    long clipsPlayed = 0;
};

class SoakTest : public ScreenHarness {
protected:
    Footprint Measure() const
    {
        const struct mallinfo2 heap = mallinfo2();
        Footprint now;
        now.heapBytes = static_cast<long>(heap.uordblks + heap.hblkhd);
        now.timers = clock.RunningCount();
        now.widgets = static_cast<int>(QApplication::allWidgets().size());
        now.openFiles = static_cast<int>(
            QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
        now.openRecordings = media.OpenCount();
        now.clipsPlayed = clipsPlayed_;
        return now;
    }

    // Runs the clock for `hours`, doing every few seconds what the event loop
    // and the learner would: posted events and deferred deletes, and
    // `keepPlaying`, which starts the screen again when it has stopped. The
    // test's own records are emptied as it goes, so only the program's
    // memory is measured.
    void Run(int hours, const std::function<void()>& keepPlaying)
    {
        const std::int64_t end = clock.NowMs() + hours * kHourMs;
        while (clock.NowMs() < end) {
            clock.Advance(kStepMs);
            if (clock.NowMs() % kServiceMs == 0) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QCoreApplication::processEvents();
                keepPlaying();
                ForgetRecords();
            }
        }
    }

    // An hour to settle, nine more to watch.
    void ExpectNothingGrowsOverTenHours(const std::function<void()>& keepPlaying)
    {
        Run(1, keepPlaying);
        const Footprint settled = Measure();
        Run(9, keepPlaying);
        const Footprint end = Measure();
        // Clips of under a second with pauses of a few seconds: a screen
        // still playing plays well over one clip every ten seconds.
        EXPECT_GT(end.clipsPlayed - settled.clipsPlayed, 9 * 360);
        std::printf("clips %ld then %ld, heap %ld then %ld bytes, timers %d, widgets %d, open files %d\n",
                    settled.clipsPlayed, end.clipsPlayed, settled.heapBytes, end.heapBytes, end.timers, end.widgets,
                    end.openFiles);
        EXPECT_LE(end.heapBytes - settled.heapBytes, kHeapSlackBytes);
        EXPECT_EQ(end.timers, settled.timers);
        EXPECT_EQ(end.widgets, settled.widgets);
        EXPECT_EQ(end.openFiles, settled.openFiles);
        EXPECT_EQ(end.openRecordings, settled.openRecordings);
        EXPECT_LE(end.openRecordings, 1);
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

private:
    void ForgetRecords()
    {
        for (const auto& command : media.Log())
            if (command.kind == FakeMediaDevice::Command::Play)
                ++clipsPlayed_;
        media.ClearCommands();
        modal.shown.clear();
        messages.messages.clear();
    }

    long clipsPlayed_ = 0;
};

TEST_F(SoakTest, TheReadAlongStartedAgainAtEachLessonEndForTenHours)
{
    defaultBooks = false;
    course.AddSimpleBook(QStringLiteral("Book.jz"), QStringLiteral("book"), 2, 30, true);
    CreateScreenSet();
    bjzMainForm->Show();
    bjzMainForm->kivbjzButtonClick(nullptr);
    Click(ChoiceClassForm->kivReadSen);
    ASSERT_TRUE(bjzReadForm->isVisible());
    ExpectNothingGrowsOverTenHours([this] {
        // Each lesson-finished dialog is answered with "read it again".
        if (modal.responses.empty())
            modal.responses.push_back(
                [](TForm&) { ThisClassHaveFinishedForm->AgainReadOneTimeButtonClick(nullptr); });
    });
    EXPECT_TRUE(bjzReadForm->isVisible());
}

TEST_F(SoakTest, TheWholeLessonPlayerStartedAgainWheneverItStopsForTenHours)
{
    defaultBooks = false;
    course.AddSimpleBook(QStringLiteral("Lessons.jz"), QStringLiteral("lessons"), 1, 40, true);
    CreateScreenSet();
    bjzMainForm->Show();
    bjzMainForm->kivbjzButtonClick(nullptr);
    Click(ChoiceClassForm->TotalImage1);
    ASSERT_TRUE(TotalForm->isVisible());
    ExpectNothingGrowsOverTenHours([] {
        if (TotalForm->FPlaying == 0)
            Click(TotalForm->kivSenPlay);
    });
    EXPECT_TRUE(TotalForm->isVisible());
}

TEST_F(SoakTest, TheWordListsPlayAllStartedAgainAtTheGroupsEndForTenHours)
{
    course.AddWordBook(QStringLiteral("Book"), wordtest::NumberedWords(60));
    CreateScreenSet();
    bjzMainForm->Show();
    bjzMainForm->kivBdcImage1Click(nullptr);
    ASSERT_TRUE(bdcChoiceForm->isVisible());
    ExpectNothingGrowsOverTenHours([] {
        if (bdcChoiceForm->FPlayingAll == 0)
            Click(bdcChoiceForm->kivPlayImage1);
    });
    EXPECT_TRUE(bdcChoiceForm->isVisible());
}

} // namespace
