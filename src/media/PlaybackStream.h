#pragma once
// One sound source being played through the engine: the state shared by the
// GUI thread (seek, play, stop, position), the decoding thread (fills a ring
// of output frames ahead of the play point) and the output thread (takes
// frames from the ring into the mix). Every change of play point starts a new
// generation; decoded frames of an older generation are thrown away.
//
// Positions are in source frames. The position reported while playing is
// that of the sound being heard: the output hands a buffer to the device
// `latencyFrames` before it sounds, so the frames handed are ahead of it.

#include "FrameRing.h"
#include "Resampler.h"
#include "SoundSource.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

namespace media {

struct OutputFormat {
    int sampleRate = 44100;  // output frames are stereo floats at this rate
    int latencyFrames = 1024; // from handing a frame to the device until it sounds
};

class PlaybackStream {
public:
    static constexpr std::int64_t kToEnd = std::numeric_limits<std::int64_t>::max();
    using NowFn = std::function<std::int64_t()>; // nanoseconds, never backwards

    // `wakeDecoder` is called when the decoding thread has new work.
    PlaybackStream(std::unique_ptr<SoundSource> source, OutputFormat output, std::function<void()> wakeDecoder,
                   NowFn now = SteadyNowNs);
    ~PlaybackStream();

    // --- GUI thread ---
    SoundFormat Format() const { return format_; }
    std::int64_t LengthFrames() const { return length_; } // kUnknownLength for speech
    // Stops playing and stands at `frame`; decoding from there starts at once,
    // so a Play from this point starts without waiting for the decoder.
    void Seek(std::int64_t frame);
    // Plays [from, to): from the first frame up to, not including, `to`
    // (kToEnd: to the end of the source). The play ends by itself there.
    void Play(std::int64_t fromFrame, std::int64_t toFrame);
    // Stops playing; the position stays at the frame being heard.
    void Stop();
    std::int64_t Position() const;
    bool IsPlaying() const;
    // Called on the decoding thread each time a play runs to its end.
    void SetFinishedHandler(std::function<void()> handler);
    // After this returns, the finished handler is never called again.
    void Retire();

    // --- decoding thread ---
    // Decodes one chunk if the ring has room; true when it did any work.
    bool DecodeStep();
    // Calls the finished handler if a play has ended since the last call.
    void DeliverFinished();

    // --- output thread ---
    // Adds this stream's next `frames` stereo frames onto `out`. True when
    // the decoding thread is needed: the ring has run down to half (it is
    // refilled half a ring at a time) or the play has ended.
    bool MixInto(float* out, int frames);

    static std::int64_t SteadyNowNs();

private:
    // What the output thread has done with the current play.
    struct PlayProgress {
        std::int64_t from = 0;
        std::int64_t to = 0;
        std::int64_t outputLimit = 0; // output frames the play may hand over
        std::int64_t handed = 0;      // output frames of sound handed over
        std::int64_t soundTime = 0;   // handed + output frames elapsed since the sound ran out
        std::int64_t drained = 0;     // output frames elapsed since the sound ran out
        std::int64_t lastAdvance = 0; // soundTime added by the last callback
        std::int64_t lastCallbackNs = 0;
        bool called = false;          // the output has served this play at least once
    };
    struct DecodeJob {
        std::uint64_t generation = 0;
        std::int64_t start = 0;
        std::int64_t limit = 0;
        std::int64_t room = 0;
    };

    void StartGenerationLocked(std::int64_t frame);
    std::int64_t PositionLocked(std::int64_t nowNs) const;
    std::int64_t HeardOutputFramesLocked(std::int64_t nowNs) const;
    void FinishPlayLocked();

    void BeginGeneration(const DecodeJob& job);
    std::int64_t ChunkFrames(const DecodeJob& job) const;
    void ToStereo(int frames);
    void Publish(std::uint64_t generation, bool ended);

    const std::unique_ptr<SoundSource> source_;
    const SoundFormat format_;
    const std::int64_t length_;
    const OutputFormat output_;
    const std::function<void()> wakeDecoder_;
    const NowFn now_;
    Resampler resampler_; // rate arithmetic is shared; its filter state is the decoder's

    mutable std::mutex mutex_;
    FrameRing ring_;
    std::uint64_t generation_ = 0;
    std::int64_t generationStart_ = 0;
    std::int64_t decodeLimit_ = 0;
    bool decodeDone_ = false;
    bool generationTouched_ = false; // the output has taken frames of this generation
    bool playing_ = false;
    std::int64_t restFrame_ = 0;     // the position while not playing
    PlayProgress progress_;
    bool finishPending_ = false;

    // Decoding thread only.
    std::uint64_t decoderGeneration_ = std::numeric_limits<std::uint64_t>::max();
    std::int64_t decodePosition_ = 0;
    bool seekFailed_ = false;
    std::vector<float> decoded_;
    std::vector<float> stereo_;
    std::vector<float> converted_;

    std::mutex handlerMutex_;
    std::function<void()> finishedHandler_;
};

} // namespace media
