// The player's rules, on the fake device and the virtual clock.
#include "media/MediaPlayer.h"
#include "platform/Errors.h"
#include "FakeMediaDevice.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

namespace {

const QString kLesson = QStringLiteral("/course/Sound/lesson1.mp3");

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest()
    {
        platform::InstallClock(&clock_);
        devices_.SetLength(kLesson, 10'000);
        player_.FileName = kLesson;
    }
    ~PlayerTest() override { platform::InstallClock(nullptr); }

    void OpenLesson()
    {
        player_.Open();
        devices_.ClearCommands();
    }

    VirtualClock clock_;
    FakeMediaDevice devices_;
    TMediaPlayer player_;
};

QString RaisedText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EMCIDeviceError& error) {
        return error.Message();
    }
    return QStringLiteral("(nothing raised)");
}

} // namespace

TEST_F(PlayerTest, ClosedPlayerRaisesOnPlayStopAndSeekButOnlyRecordsStatusReads)
{
    const QString notOpen = QStringLiteral("No MCI device open");
    EXPECT_EQ(RaisedText([&] { player_.Play(); }), notOpen);
    EXPECT_EQ(RaisedText([&] { player_.Stop(); }), notOpen);
    EXPECT_EQ(RaisedText([&] { player_.SetPosition(100); }), notOpen);

    EXPECT_EQ(player_.Position(), 0);
    EXPECT_EQ(player_.Error(), TMediaPlayer::DeviceNotOpen);
    EXPECT_EQ(RaisedText([&] { player_.Close(); }), QStringLiteral("(nothing raised)"));
    EXPECT_EQ(player_.Error(), TMediaPlayer::NoError);
    EXPECT_TRUE(devices_.Commands().isEmpty());
}

TEST_F(PlayerTest, OpenClosesTheOpenRecordingAndAFailedOpenLeavesThePlayerClosed)
{
    player_.Open();
    player_.Open();
    const QString broken = QStringLiteral("/course/Sound/broken.mp3");
    devices_.FailOpen(broken, QStringLiteral("文件不完整"));
    player_.FileName = broken;
    const QString text = RaisedText([&] { player_.Open(); });
    EXPECT_EQ(text, QStringLiteral("无法打开录音文件“%1”：文件不完整。").arg(broken));
    EXPECT_EQ(player_.ErrorMessage(), text);
    EXPECT_FALSE(player_.IsOpen());
    EXPECT_EQ(player_.Error(), TMediaPlayer::OpenFailed);
    EXPECT_EQ(devices_.Commands(), QStringList({"open " + kLesson, "close " + kLesson, "open " + kLesson,
                                                "close " + kLesson}));
    EXPECT_EQ(devices_.OpenCount(), 0);
}

TEST_F(PlayerTest, MarksServeOnePlayEachAndPlayOtherwiseRunsToTheEnd)
{
    OpenLesson();
    player_.SetStartPos(1000);
    player_.SetEndPos(2500);
    player_.Play();
    clock_.Advance(400);
    player_.Stop();
    player_.Play();
    player_.SetEndPos(3000);
    player_.Play();
    player_.SetStartPos(5000);
    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"play 1000-2500", "stop", "play 1400-10000", "play 1400-3000",
                                                "play 5000-10000"}));
}

TEST_F(PlayerTest, AutoRewindRestartsOnlyAPlayerStandingAtTheEndWithoutMarks)
{
    OpenLesson();
    player_.SetPosition(10'000);
    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"seek 10000", "seek 0", "play 0-10000"}));

    devices_.ClearCommands();
    player_.SetPosition(10'000);
    player_.SetEndPos(10'000);
    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"seek 10000", "play 10000-10000"}));

    devices_.ClearCommands();
    player_.AutoRewind = false;
    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"play 10000-10000"}));
}

TEST_F(PlayerTest, PositionsOutsideTheRecordingAreStoredAsErrorsNotCarriedOut)
{
    OpenLesson();
    player_.SetPosition(-1);
    EXPECT_EQ(player_.Error(), TMediaPlayer::OutOfRange);
    player_.SetPosition(10'001);
    EXPECT_EQ(player_.Error(), TMediaPlayer::OutOfRange);
    player_.SetStartPos(3000);
    player_.SetEndPos(2000);
    player_.Play();
    EXPECT_EQ(player_.Error(), TMediaPlayer::OutOfRange);
    EXPECT_FALSE(player_.ErrorMessage().isEmpty());
    EXPECT_TRUE(devices_.Commands().isEmpty());

    // A book's end point a little past the end plays to the end.
    player_.SetStartPos(9000);
    player_.SetEndPos(10'004);
    player_.Play();
    EXPECT_EQ(player_.Error(), TMediaPlayer::NoError);
    EXPECT_EQ(devices_.Commands(), QStringList({"play 9000-10000"}));
}

TEST_F(PlayerTest, FakeRecordingPlaysOnTheVirtualClockAndStopsAtItsEndPoint)
{
    OpenLesson();
    player_.SetPosition(1000);
    player_.SetEndPos(1500);
    player_.Play();
    clock_.Advance(200);
    EXPECT_EQ(player_.Position(), 1200);
    EXPECT_TRUE(player_.IsPlaying());
    clock_.Advance(1000);
    EXPECT_EQ(player_.Position(), 1500);
    EXPECT_FALSE(player_.IsPlaying());

    player_.Play();
    clock_.Advance(300);
    player_.Stop();
    clock_.Advance(300);
    EXPECT_EQ(player_.Position(), 1800);
}

TEST_F(PlayerTest, PlayClipSeeksToTheStartAndHandsTheEndToTheDevice)
{
    OpenLesson();
    PlayClip(player_, 2000, 3500);
    EXPECT_EQ(devices_.Commands(), QStringList({"seek 2000", "play 2000-3500"}));
    clock_.Advance(1600);
    EXPECT_EQ(player_.Position(), 3500) << "the poll timer sees the end point";
    EXPECT_FALSE(player_.IsPlaying());

    devices_.ClearCommands();
    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"play 3500-10000"})) << "the end mark served one play only";
}

TEST_F(PlayerTest, AClipStartingOutsideTheRecordingPlaysNothing)
{
    OpenLesson();
    PlayClip(player_, 1000, 2000);
    clock_.Advance(1500);
    devices_.ClearCommands();

    PlayClip(player_, 12'000, 12'800);
    EXPECT_TRUE(devices_.Commands().isEmpty()) << "nothing played from where the last clip stopped";
    EXPECT_FALSE(player_.IsPlaying());
    EXPECT_EQ(player_.Error(), TMediaPlayer::OutOfRange);
    EXPECT_EQ(player_.Position(), 2000);

    player_.Play();
    EXPECT_EQ(devices_.Commands(), QStringList({"play 2000-10000"})) << "the refused clip left no end mark";
}
