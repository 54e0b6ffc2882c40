#include "media/SpeechEngineCheck.h"
#include "media/SpeechVoice.h"
#include "FakeVoice.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EndOfStream {
    int stream;
    int position;
};

class VoiceTest : public ::testing::Test {
protected:
    VoiceTest()
    {
        voice_.OnEndStream = [this](int stream, int position) { ends_.push_back({stream, position}); };
    }
    TSpVoice voice_;
    std::vector<EndOfStream> ends_;
};

class FakeVoiceTest : public VoiceTest {
protected:
    FakeVoice fake_;
};

const QString kShort = QStringLiteral("你好");
const QString kLong = QStringLiteral("我们今天学习第一课。请认真听，然后跟着读每一个句子，读完以后再听一遍。");

} // namespace

TEST_F(FakeVoiceTest, SpeakingAgainReleasesTheUtteranceInUseFirst)
{
    voice_.Speak(QStringLiteral("一"));
    voice_.Speak(QStringLiteral("二"));
    EXPECT_EQ(fake_.Commands(),
              QStringList({"connect", "speak 一", "release", "connect", "speak 二"}));
    ASSERT_TRUE(fake_.FinishSpeaking(640));
    EXPECT_FALSE(fake_.FinishSpeaking()) << "the released utterance has no end to deliver";
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 2);
    EXPECT_EQ(ends_[0].position, 640);
}

TEST_F(FakeVoiceTest, SilencePausesThenReleasesAndNoEndOfStreamFollows)
{
    voice_.Speak(QStringLiteral("一"));
    voice_.Silence();
    voice_.Silence();
    EXPECT_EQ(fake_.Commands(), QStringList({"connect", "speak 一", "pause", "release"}));
    EXPECT_FALSE(fake_.FinishSpeaking());
    EXPECT_TRUE(ends_.empty());
}

// espeak-ng speaking through the audio engine (the silent output in CI).
TEST_F(VoiceTest, EachUtteranceEndsItsStreamOnceOnTheGuiThread)
{
    voice_.Speak(kShort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends_.empty(); }, 30'000));
    QTest::qWait(300);
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 1);
    EXPECT_GT(ends_[0].position, 22050) << "bytes of at least half a second of 16-bit sound";
}

TEST_F(VoiceTest, ReleasedUtterancesNeverEndTheirStreams)
{
    voice_.Speak(kLong);
    QTest::qWait(200);
    voice_.Speak(kShort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends_.empty(); }, 30'000));
    voice_.Silence();
    voice_.Speak(kShort);
    voice_.Silence();
    QTest::qWait(3000); // longer than the short text takes to say
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 2);
}

TEST(SpeechEngineCheck, InstalledEspeakSpeaksChinese)
{
    const auto status = media::CheckSpeechEngine();
    EXPECT_EQ(status.version, media::SpeechEngineVersion());
    EXPECT_FALSE(status.version.isEmpty());
    EXPECT_TRUE(status.speaksChinese);
}

TEST(SpeechEngineCheck, EngineWithoutMandarinOrWithoutDataIsNotReady)
{
    std::uint8_t ready = 7;
    QString readyText;
    media::FillSpeechReady(media::CheckSpeechEngine({true, "1.51", {}, {"en", "de", "yue"}}), ready, readyText);
    EXPECT_EQ(ready, 0);
    EXPECT_EQ(readyText, QStringLiteral("False"));

    media::FillSpeechReady(media::CheckSpeechEngine({false, "1.51", "no data", {"cmn"}}), ready, readyText);
    EXPECT_EQ(ready, 0);

    media::FillSpeechReady(media::CheckSpeechEngine({true, "1.51", {}, {"en", "cmn"}}), ready, readyText);
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(readyText, QStringLiteral("True"));
}
