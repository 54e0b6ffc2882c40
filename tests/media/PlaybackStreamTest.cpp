// The stream's bookkeeping, driven by hand: the test plays the decoding
// thread and the output thread itself, on a clock it moves, so every frame
// and every position can be checked exactly.
#include "media/PlaybackStream.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using media::PlaybackStream;

namespace {

constexpr int kRate = 40'000;           // output rate: exactly 25 µs per frame
constexpr std::int64_t kNsPerFrame = 25'000;
constexpr int kBuffer = 1024;           // device buffer, and so the latency

// A recording held in memory. It may hand out its frames only up to a
// "made so far" mark, as speech being synthesised does.
class MemorySource final : public media::SoundSource {
public:
    MemorySource(int rate, int channels, std::vector<float> samples, bool lengthKnown)
        : rate_(rate), channels_(channels), samples_(std::move(samples)), lengthKnown_(lengthKnown),
          available_(Frames())
    {
    }
    std::int64_t Frames() const { return static_cast<std::int64_t>(samples_.size()) / channels_; }
    void SetAvailable(std::int64_t frames) { available_ = frames; }

    media::SoundFormat Format() const override { return {rate_, channels_}; }
    std::int64_t LengthFrames() const override { return lengthKnown_ ? Frames() : kUnknownLength; }
    bool Seek(std::int64_t frame) override
    {
        position_ = frame;
        return true;
    }
    media::ReadResult Read(float* out, int frames) override
    {
        const std::int64_t count = std::clamp<std::int64_t>(available_ - position_, 0, frames);
        std::copy_n(samples_.begin() + position_ * channels_, count * channels_, out);
        position_ += count;
        return {static_cast<int>(count), position_ >= Frames()};
    }

private:
    int rate_;
    int channels_;
    std::vector<float> samples_;
    bool lengthKnown_;
    std::int64_t available_;
    std::int64_t position_ = 0;
};

std::vector<float> Noise(std::int64_t frames, int channels)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> level(0.1f, 0.5f);
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (float& sample : samples)
        sample = level(random);
    return samples;
}

class StreamTest : public ::testing::Test {
protected:
    void Open(int rate, int channels, std::int64_t frames, bool lengthKnown = true)
    {
        samples_ = Noise(frames, channels);
        auto source = std::make_unique<MemorySource>(rate, channels, samples_, lengthKnown);
        source_ = source.get();
        stream_ = std::make_unique<PlaybackStream>(std::move(source), media::OutputFormat{kRate, kBuffer}, [] {},
                                                   [this] { return nowFrames_ * kNsPerFrame; });
    }

    // One output callback at the current time: the decoder catches up first.
    std::vector<float> Callback(int frames = kBuffer)
    {
        while (stream_->DecodeStep()) {
        }
        std::vector<float> out(2 * static_cast<size_t>(frames), 0.0f);
        stream_->MixInto(out.data(), frames);
        return out;
    }

    // Callbacks one buffer apart until the play has ended.
    std::vector<float> PlayToTheEnd()
    {
        std::vector<float> played;
        for (int guard = 0; stream_->IsPlaying() && guard < 10'000; ++guard) {
            const auto out = Callback();
            played.insert(played.end(), out.begin(), out.end());
            nowFrames_ += kBuffer;
        }
        return played;
    }

    // The sound in what was played: from its first to its last non-silent sample.
    static std::vector<float> Sound(const std::vector<float>& played)
    {
        const auto first = std::find_if(played.begin(), played.end(), [](float s) { return s != 0.0f; });
        const auto last = std::find_if(played.rbegin(), played.rend(), [](float s) { return s != 0.0f; });
        return first == played.end() ? std::vector<float>{} : std::vector<float>(first, last.base());
    }

    std::vector<float> Stereo(std::int64_t from, std::int64_t to) const
    {
        return std::vector<float>(samples_.begin() + 2 * from, samples_.begin() + 2 * to);
    }

    std::vector<float> samples_;
    MemorySource* source_ = nullptr;
    std::unique_ptr<PlaybackStream> stream_;
    std::int64_t nowFrames_ = 40'000;
};

} // namespace

TEST_F(StreamTest, FromToPlayHandsOverExactlyTheFramesInRange)
{
    Open(kRate, 2, 3 * kRate);
    stream_->Seek(1000);
    stream_->Play(1000, 100'000); // longer than the ring: it wraps on the way
    EXPECT_EQ(Sound(PlayToTheEnd()), Stereo(1000, 100'000));
    EXPECT_EQ(stream_->Position(), 100'000);
    EXPECT_FALSE(stream_->IsPlaying());
}

TEST_F(StreamTest, PositionIsTheFrameBeingHeardOneDeviceBufferBehind)
{
    Open(kRate, 2, 2 * kRate);
    stream_->Play(0, PlaybackStream::kToEnd);
    EXPECT_EQ(stream_->Position(), 0);
    for (int callback = 0; callback < 8; ++callback) {
        const std::int64_t at = nowFrames_;
        Callback();
        // Buffer k is handed over at k·B and sounds from (k+1)·B on.
        for (std::int64_t later : {0, 300, kBuffer - 1}) {
            nowFrames_ = at + later;
            EXPECT_EQ(stream_->Position(), std::max<std::int64_t>(0, (callback - 1) * kBuffer + later))
                << "callback " << callback << " + " << later;
        }
        nowFrames_ = at + kBuffer;
    }
}

TEST_F(StreamTest, PositionNeverRunsBackwardsNorAheadOfTheSoundWhenCallbacksAreIrregular)
{
    Open(kRate, 2, 4 * kRate);
    stream_->Play(0, 3 * kRate);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> jitter(-400, 400);
    std::int64_t handed = 0;
    std::int64_t last = 0;
    while (stream_->IsPlaying()) {
        Callback();
        handed += kBuffer;
        const std::int64_t next = nowFrames_ + kBuffer + jitter(random);
        for (; nowFrames_ < next; nowFrames_ += 97) {
            const std::int64_t position = stream_->Position();
            ASSERT_GE(position, last);
            ASSERT_LE(position, std::min<std::int64_t>(handed, 3 * kRate));
            last = position;
        }
    }
    EXPECT_EQ(stream_->Position(), 3 * kRate);
}

TEST_F(StreamTest, StopKeepsTheHeardPositionAndPlayGoesOnFromThere)
{
    Open(kRate, 2, 2 * kRate);
    stream_->Play(0, PlaybackStream::kToEnd);
    for (int callback = 0; callback < 10; ++callback) {
        Callback();
        nowFrames_ += kBuffer;
    }
    nowFrames_ -= kBuffer - 300; // 300 frames after the last callback
    stream_->Stop();
    const std::int64_t stoppedAt = stream_->Position();
    EXPECT_EQ(stoppedAt, 8 * kBuffer + 300);
    EXPECT_EQ(Sound(Callback()), std::vector<float>{}) << "a stopped stream is silent";
    nowFrames_ += 5 * kBuffer;
    EXPECT_EQ(stream_->Position(), stoppedAt);

    stream_->Play(stoppedAt, PlaybackStream::kToEnd);
    EXPECT_EQ(Callback(), Stereo(stoppedAt, stoppedAt + kBuffer));
}

TEST_F(StreamTest, SeekWhilePlayingThrowsAwayWhatWasDecodedForTheOldPoint)
{
    Open(kRate, 2, 2 * kRate);
    stream_->Play(0, PlaybackStream::kToEnd);
    Callback();
    Callback();
    stream_->Seek(50'000);
    stream_->Play(50'000, 60'000);
    EXPECT_EQ(Sound(PlayToTheEnd()), Stereo(50'000, 60'000));
}

TEST_F(StreamTest, FinishedHandlerRunsOnceForEachPlayThatReachesItsEnd)
{
    Open(kRate, 2, kRate);
    int finished = 0;
    stream_->SetFinishedHandler([&] { ++finished; });

    stream_->Play(0, 5000);
    PlayToTheEnd();
    stream_->DeliverFinished();
    stream_->DeliverFinished();
    EXPECT_EQ(finished, 1);

    stream_->Play(0, 30'000);
    Callback();
    stream_->Stop();
    stream_->DeliverFinished();
    EXPECT_EQ(finished, 1) << "a stopped play has not ended";

    stream_->Play(0, 2000);
    PlayToTheEnd();
    stream_->Retire();
    stream_->DeliverFinished();
    EXPECT_EQ(finished, 1) << "a retired stream tells no one";
}

TEST_F(StreamTest, SourceStillBeingMadePlaysOnUntilItEnds)
{
    Open(kRate, 1, 20'000, /*lengthKnown=*/false);
    source_->SetAvailable(3000);
    stream_->Play(0, PlaybackStream::kToEnd);
    std::vector<float> played;
    for (int callback = 0; callback < 20; ++callback) {
        const auto out = Callback();
        played.insert(played.end(), out.begin(), out.end());
        nowFrames_ += kBuffer;
    }
    EXPECT_TRUE(stream_->IsPlaying()) << "waiting for the rest is not the end";

    source_->SetAvailable(20'000);
    const auto rest = PlayToTheEnd();
    played.insert(played.end(), rest.begin(), rest.end());
    EXPECT_EQ(std::count_if(played.begin(), played.end(), [](float s) { return s != 0.0f; }), 2 * 20'000);
    EXPECT_FALSE(stream_->IsPlaying());
}

// The ring and the resampler's filter are sized from the source's format: a
// 1 Hz source would size the ring at hundreds of megabytes, a 2 GHz one the
// filter at gigabytes. The stream refuses such a source before sizing anything.
TEST(StreamFormat, SourcesInFormatsTheEngineCannotPlayAreRefusedBeforeAnythingIsSized)
{
    const auto make = [](int rate, int channels) {
        return std::make_unique<PlaybackStream>(
            std::make_unique<MemorySource>(rate, channels, std::vector<float>(size_t(channels) * 64, 0.1f), true),
            media::OutputFormat{kRate, kBuffer}, [] {});
    };
    EXPECT_THROW(make(1, 1), std::invalid_argument);
    EXPECT_THROW(make(2'000'000'000, 2), std::invalid_argument);
    EXPECT_THROW(make(7'999, 1), std::invalid_argument);
    EXPECT_THROW(make(44'100, 9), std::invalid_argument);
    EXPECT_NO_THROW(make(8'000, 8));
    EXPECT_NO_THROW(make(192'000, 1));
}
