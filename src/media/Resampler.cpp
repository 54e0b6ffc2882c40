#include "Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace media {
namespace {

constexpr int kBaseHalfTaps = 16;
// Rates whose reduced ratio needs more phases than this (none of the standard
// ones: 44.1 kHz against 8 kHz needs 441) use the nearest of this many.
constexpr std::int64_t kMaxPhases = 1024;

double Sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    // Exact zeros at whole numbers: at a 2:1 rate every other output frame is
    // then the source frame itself, not something a rounding error away.
    if (x == std::round(x))
        return 0.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// Blackman window over t in [-1, 1].
double Window(double t)
{
    if (std::abs(t) >= 1.0)
        return 0.0;
    return 0.42 + 0.5 * std::cos(std::numbers::pi * t) + 0.08 * std::cos(2.0 * std::numbers::pi * t);
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

} // namespace

Resampler::Resampler(int sourceRate, int targetRate)
{
    const std::int64_t divisor = std::gcd(sourceRate, targetRate);
    up_ = targetRate / divisor;
    down_ = sourceRate / divisor;
    if (!IsIdentity())
        BuildTable();
    Reset();
}

void Resampler::BuildTable()
{
    // Below the source rate the filter must also cut what the target cannot hold.
    const double cutoff = std::min(1.0, double(up_) / double(down_));
    halfTaps_ = static_cast<int>(std::ceil(kBaseHalfTaps / cutoff));
    phases_ = static_cast<int>(std::min(up_, kMaxPhases));
    const int taps = 2 * halfTaps_;
    table_.assign(static_cast<size_t>(phases_) * taps, 0.0f);
    for (int phase = 0; phase < phases_; ++phase) {
        const double fraction = double(phase) / phases_;
        float* row = &table_[static_cast<size_t>(phase) * taps];
        double sum = 0.0;
        for (int tap = 0; tap < taps; ++tap) {
            const double x = (tap - halfTaps_ + 1) - fraction;
            const double value = cutoff * Sinc(cutoff * x) * Window(x / halfTaps_);
            row[tap] = static_cast<float>(value);
            sum += value;
        }
        // Unity gain at every phase, so a steady level stays steady.
        for (int tap = 0; tap < taps; ++tap)
            row[tap] = static_cast<float>(row[tap] / sum);
    }
    // Each tap twice, for the left and the right sample of a frame, so a
    // phase's row lines up with the interleaved frames it weighs.
    stereoTable_.resize(2 * table_.size());
    for (size_t i = 0; i < table_.size(); ++i)
        stereoTable_[2 * i] = stereoTable_[2 * i + 1] = table_[i];
}

namespace {

// The weighted sum of `count` interleaved stereo samples: eight running sums
// the compiler keeps in vector registers, folded into left and right.
void StereoDot(const float* weights, const float* samples, int count, float& left, float& right)
{
    float sums[8] = {};
    int i = 0;
    for (; i + 8 <= count; i += 8)
        for (int k = 0; k < 8; ++k)
            sums[k] += weights[i + k] * samples[i + k];
    for (; i < count; i += 2) {
        sums[0] += weights[i] * samples[i];
        sums[1] += weights[i + 1] * samples[i + 1];
    }
    left = (sums[0] + sums[2]) + (sums[4] + sums[6]);
    right = (sums[1] + sums[3]) + (sums[5] + sums[7]);
}

} // namespace

void Resampler::Reset()
{
    history_.clear();
    historyBase_ = 0;
    received_ = 0;
    produced_ = 0;
}

std::int64_t Resampler::OutputFramesFor(std::int64_t sourceFrames) const
{
    return CeilDiv(sourceFrames * up_, down_);
}

std::int64_t Resampler::SourceFramesFor(std::int64_t outputFrames) const
{
    return outputFrames * down_ / up_;
}

void Resampler::Push(const float* stereo, int frames, std::vector<float>& out)
{
    if (IsIdentity()) {
        out.insert(out.end(), stereo, stereo + 2 * static_cast<size_t>(frames));
        return;
    }
    history_.insert(history_.end(), stereo, stereo + 2 * static_cast<size_t>(frames));
    received_ += frames;
    // Output j needs source frames up to floor(j*down/up) + halfTaps_ (one
    // more when the phase is rounded up to the next frame), so every j with
    // floor(j*down/up) <= lastBase can be made now.
    const std::int64_t lastBase = received_ - 1 - halfTaps_ - (phases_ != up_ ? 1 : 0);
    if (lastBase >= 0)
        Produce(CeilDiv((lastBase + 1) * up_, down_), out);
    DropUnneededHistory();
}

void Resampler::Flush(std::vector<float>& out)
{
    if (IsIdentity())
        return;
    Produce(OutputFramesFor(received_), out);
    Reset();
}

void Resampler::Produce(std::int64_t untilOutput, std::vector<float>& out)
{
    if (untilOutput <= produced_)
        return;
    const int taps = 2 * halfTaps_;
    const size_t startSize = out.size();
    out.resize(startSize + 2 * static_cast<size_t>(untilOutput - produced_));
    float* next = out.data() + startSize;
    // The output frame's place in the source, produced_ * down_ / up_, as a
    // whole frame and a remainder, stepped on by down_ without dividing.
    std::int64_t whole = produced_ * down_ / up_;
    std::int64_t remainder = produced_ * down_ % up_;
    for (; produced_ < untilOutput; ++produced_) {
        std::int64_t base = whole;
        std::int64_t phase = remainder;
        if (phases_ != up_) {
            phase = (phase * phases_ + up_ / 2) / up_;
            if (phase == phases_) {
                phase = 0;
                ++base;
            }
        }
        const std::int64_t first = base - halfTaps_ + 1;
        float left = 0.0f;
        float right = 0.0f;
        if (first >= historyBase_ && first + taps <= received_) {
            // All taps inside the history: one straight run over its frames.
            const float* frames = &history_[static_cast<size_t>(2 * (first - historyBase_))];
            StereoDot(&stereoTable_[static_cast<size_t>(phase) * 2 * taps], frames, 2 * taps, left, right);
        } else {
            const float* row = &table_[static_cast<size_t>(phase) * taps];
            for (int tap = 0; tap < taps; ++tap) {
                left += row[tap] * Sample(first + tap, 0);
                right += row[tap] * Sample(first + tap, 1);
            }
        }
        *next++ = left;
        *next++ = right;
        remainder += down_;
        if (remainder >= up_) {
            whole += remainder / up_;
            remainder %= up_;
        }
    }
}

float Resampler::Sample(std::int64_t frame, int channel) const
{
    // Before the run and after its end (when flushing) the signal is silence.
    if (frame < historyBase_ || frame >= received_)
        return 0.0f;
    return history_[static_cast<size_t>(2 * (frame - historyBase_) + channel)];
}

void Resampler::DropUnneededHistory()
{
    const std::int64_t firstNeeded = (produced_ * down_) / up_ - halfTaps_;
    if (firstNeeded <= historyBase_)
        return;
    const std::int64_t drop = std::min<std::int64_t>(firstNeeded - historyBase_, received_ - historyBase_);
    history_.erase(history_.begin(), history_.begin() + 2 * drop);
    historyBase_ += drop;
}

} // namespace media
