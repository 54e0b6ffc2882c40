#pragma once
// Sample-rate conversion of stereo float frames by windowed-sinc
// interpolation. Output frame j sits exactly at source position
// j × sourceRate / targetRate, so positions can be mapped both ways without
// drift, and N source frames give exactly OutputFramesFor(N) output frames.

#include <cstdint>
#include <vector>

namespace media {

class Resampler {
public:
    Resampler(int sourceRate, int targetRate);

    bool IsIdentity() const { return up_ == down_; }
    // Forgets all input: the next frame pushed is source frame 0 of a new run.
    void Reset();
    // Appends to `out` every output frame the input so far determines.
    void Push(const float* stereo, int frames, std::vector<float>& out);
    // Ends the run: appends the remaining output frames, as if silence followed.
    void Flush(std::vector<float>& out);

    std::int64_t OutputFramesFor(std::int64_t sourceFrames) const;
    // The most source frames a run keeps back until more input or the flush.
    std::int64_t MaxHeldFrames() const { return 2 * std::int64_t(halfTaps_) + 2; }
    std::int64_t SourceFramesFor(std::int64_t outputFrames) const;

private:
    void BuildTable();
    void Produce(std::int64_t untilOutput, std::vector<float>& out);
    float Sample(std::int64_t frame, int channel) const;
    void DropUnneededHistory();

    std::int64_t up_ = 1;   // output j lies at source position j * down_ / up_
    std::int64_t down_ = 1;
    int halfTaps_ = 0;      // taps on each side of the interpolated point
    int phases_ = 1;        // fractional positions the table holds
    std::vector<float> table_;
    std::vector<float> stereoTable_; // table_ with every tap twice
    std::vector<float> history_;    // stereo frames from source frame historyBase_ on
    std::int64_t historyBase_ = 0;
    std::int64_t received_ = 0;     // source frames pushed in this run
    std::int64_t produced_ = 0;     // output frames emitted in this run
};

} // namespace media
