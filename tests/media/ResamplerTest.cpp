#include "media/Resampler.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

using media::Resampler;

namespace {

std::vector<float> StereoSine(double frequency, int rate, int frames)
{
    std::vector<float> samples;
    for (int i = 0; i < frames; ++i) {
        const float value = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * frequency * i / rate));
        samples.push_back(value);
        samples.push_back(-value);
    }
    return samples;
}

std::vector<float> ResampleInChunks(Resampler& resampler, const std::vector<float>& in, int chunk)
{
    std::vector<float> out;
    const int frames = static_cast<int>(in.size() / 2);
    for (int done = 0; done < frames; done += chunk)
        resampler.Push(in.data() + 2 * done, std::min(chunk, frames - done), out);
    resampler.Flush(out);
    return out;
}

} // namespace

TEST(Resampler, DoublingTheRateKeepsEverySourceFrameOnTheEvenOutputFrames)
{
    Resampler resampler(22050, 44100);
    const auto in = StereoSine(440, 22050, 3000);
    const auto out = ResampleInChunks(resampler, in, 512);
    ASSERT_EQ(out.size(), 2 * in.size());
    for (size_t frame = 0; frame < in.size() / 2; ++frame) {
        ASSERT_FLOAT_EQ(out[4 * frame], in[2 * frame]) << frame;
        ASSERT_FLOAT_EQ(out[4 * frame + 1], in[2 * frame + 1]) << frame;
    }
}

// Output length is what positions are mapped with, so it must be exact for
// every ratio and every way the input arrives in pieces.
TEST(Resampler, OutputLengthAndSamplesDoNotDependOnHowTheInputIsChunked)
{
    for (const auto& [from, to] : {std::pair{22050, 44100}, {48000, 44100}, {8000, 44100}, {44100, 22050}}) {
        Resampler resampler(from, to);
        const auto in = StereoSine(300, from, 5001);
        const auto whole = ResampleInChunks(resampler, in, 5001);
        EXPECT_EQ(static_cast<std::int64_t>(whole.size() / 2), resampler.OutputFramesFor(5001)) << from << "->" << to;
        for (int chunk : {1, 37, 1024}) {
            resampler.Reset();
            EXPECT_EQ(ResampleInChunks(resampler, in, chunk), whole) << from << "->" << to << " in chunks of " << chunk;
        }
    }
}

TEST(Resampler, ConvertedSineMatchesTheSameSineAtTheTargetRate)
{
    for (const int from : {22050, 48000, 16000}) {
        Resampler resampler(from, 44100);
        const int frames = from / 2;
        const auto out = ResampleInChunks(resampler, StereoSine(1000, from, frames), 700);
        const auto expected = StereoSine(1000, 44100, static_cast<int>(out.size() / 2));
        double worst = 0;
        // The filter has no history at the edges; judge the middle.
        for (size_t i = 200; i + 200 < out.size(); ++i)
            worst = std::max(worst, std::abs(double(out[i]) - expected[i]));
        EXPECT_LT(worst, 2e-3) << from;
    }
}
