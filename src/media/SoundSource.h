#pragma once
// A source of PCM sound that the audio engine can stream: a decoded
// recording, or speech being synthesised. Samples are interleaved floats in
// [-1, 1]. A source is used by one thread at a time: it is opened on the GUI
// thread and then read only by the engine's decoding thread.

#include <cstdint>

namespace media {

struct SoundFormat {
    int sampleRate = 0;
    int channels = 0;
};

// The formats the engine plays. The ring, the decode buffers and the
// resampler's filter are all sized from the rate and channel count, so a
// header outside these bounds could make them enormous.
constexpr int kMinSampleRate = 8'000;
constexpr int kMaxSampleRate = 192'000;
constexpr int kMaxChannels = 8;

constexpr bool IsPlayableRate(long long rate) { return rate >= kMinSampleRate && rate <= kMaxSampleRate; }
constexpr bool IsPlayableChannelCount(long long channels) { return channels >= 1 && channels <= kMaxChannels; }
constexpr bool IsPlayable(const SoundFormat& format)
{
    return IsPlayableRate(format.sampleRate) && IsPlayableChannelCount(format.channels);
}

struct ReadResult {
    int frames = 0;     // frames written to the buffer
    bool ended = false; // no frame will ever follow (end of data, or an unreadable rest)
};

class SoundSource {
public:
    static constexpr std::int64_t kUnknownLength = -1;

    virtual ~SoundSource() = default;
    virtual SoundFormat Format() const = 0;
    // Total frames, or kUnknownLength for a source still being produced.
    virtual std::int64_t LengthFrames() const = 0;
    // Moves the read point to `frame`; false when the source cannot get there.
    virtual bool Seek(std::int64_t frame) = 0;
    // Reads up to `frames` frames into `out` (frames × channels floats).
    // Zero frames without `ended` means nothing is ready yet; ask again later.
    virtual ReadResult Read(float* out, int frames) = 0;
};

} // namespace media
