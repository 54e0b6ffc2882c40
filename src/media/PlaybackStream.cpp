#include "PlaybackStream.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace media {
namespace {

constexpr std::int64_t kChunkFrames = 2048;   // source frames per decoding step
constexpr std::int64_t kBufferSeconds = 1;    // how far the decoder may run ahead

// Every buffer below is sized from the source's format; the openers refuse
// other formats, and this keeps any other source from sizing them at will.
SoundFormat PlayableFormat(const SoundSource& source)
{
    const SoundFormat format = source.Format();
    if (!IsPlayable(format))
        throw std::invalid_argument("a sound source in a format the engine cannot play");
    return format;
}

} // namespace

std::int64_t PlaybackStream::SteadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

PlaybackStream::PlaybackStream(std::unique_ptr<SoundSource> source, OutputFormat output,
                               std::function<void()> wakeDecoder, NowFn now)
    : source_(std::move(source)),
      format_(PlayableFormat(*source_)),
      length_(source_->LengthFrames()),
      output_(output),
      wakeDecoder_(std::move(wakeDecoder)),
      now_(std::move(now)),
      resampler_(format_.sampleRate, output.sampleRate),
      ring_(kBufferSeconds * output.sampleRate +
            resampler_.OutputFramesFor(kChunkFrames + resampler_.MaxHeldFrames())),
      decoded_(static_cast<size_t>(kChunkFrames * format_.channels)),
      stereo_(static_cast<size_t>(kChunkFrames * 2))
{
    std::lock_guard lock(mutex_);
    StartGenerationLocked(0);
}

PlaybackStream::~PlaybackStream() = default;

// --- GUI thread -------------------------------------------------------------

void PlaybackStream::Seek(std::int64_t frame)
{
    {
        std::lock_guard lock(mutex_);
        playing_ = false;
        restFrame_ = frame;
        StartGenerationLocked(frame);
    }
    wakeDecoder_();
}

void PlaybackStream::Play(std::int64_t fromFrame, std::int64_t toFrame)
{
    {
        std::lock_guard lock(mutex_);
        toFrame = std::max(toFrame, fromFrame);
        // Frames decoded ahead after a seek or stop are used if they start here.
        if (playing_ || generationTouched_ || generationStart_ != fromFrame)
            StartGenerationLocked(fromFrame);
        decodeLimit_ = std::min(decodeLimit_, toFrame);
        playing_ = true;
        progress_ = PlayProgress{};
        progress_.from = fromFrame;
        progress_.to = toFrame;
        progress_.outputLimit = toFrame == kToEnd ? kToEnd : resampler_.OutputFramesFor(toFrame - fromFrame);
    }
    wakeDecoder_();
}

void PlaybackStream::Stop()
{
    {
        std::lock_guard lock(mutex_);
        if (!playing_)
            return;
        restFrame_ = PositionLocked(now_());
        playing_ = false;
        StartGenerationLocked(restFrame_);
    }
    wakeDecoder_();
}

std::int64_t PlaybackStream::Position() const
{
    std::lock_guard lock(mutex_);
    return PositionLocked(now_());
}

bool PlaybackStream::IsPlaying() const
{
    std::lock_guard lock(mutex_);
    return playing_;
}

void PlaybackStream::SetFinishedHandler(std::function<void()> handler)
{
    std::lock_guard lock(handlerMutex_);
    finishedHandler_ = std::move(handler);
}

void PlaybackStream::Retire()
{
    std::lock_guard lock(handlerMutex_);
    finishedHandler_ = nullptr;
}

void PlaybackStream::StartGenerationLocked(std::int64_t frame)
{
    ++generation_;
    generationStart_ = frame;
    decodeLimit_ = length_ == SoundSource::kUnknownLength ? kToEnd : length_;
    decodeDone_ = false;
    generationTouched_ = false;
    ring_.Clear();
}

std::int64_t PlaybackStream::PositionLocked(std::int64_t nowNs) const
{
    if (!playing_)
        return restFrame_;
    const std::int64_t offset = resampler_.SourceFramesFor(HeardOutputFramesLocked(nowNs));
    return progress_.from + std::min(offset, progress_.to - progress_.from);
}

// The output frame of this play being heard now. The last callback handed
// its frames `latencyFrames` ahead of their sounding; between callbacks the
// heard point moves on with the clock, but never past what was handed over.
std::int64_t PlaybackStream::HeardOutputFramesLocked(std::int64_t nowNs) const
{
    if (!progress_.called)
        return 0;
    const std::int64_t sinceCallback =
        std::max<std::int64_t>(0, nowNs - progress_.lastCallbackNs) * output_.sampleRate / 1'000'000'000;
    std::int64_t heard = progress_.soundTime - progress_.lastAdvance - output_.latencyFrames + sinceCallback;
    heard = std::min({heard, progress_.soundTime - output_.latencyFrames, progress_.handed});
    return std::max<std::int64_t>(0, heard);
}

// --- output thread ----------------------------------------------------------

bool PlaybackStream::MixInto(float* out, int frames)
{
    std::lock_guard lock(mutex_);
    if (!playing_)
        return false;
    const std::int64_t wanted = std::min<std::int64_t>(frames, progress_.outputLimit - progress_.handed);
    const std::int64_t handed = ring_.MixInto(out, wanted);
    if (handed > 0)
        generationTouched_ = true;
    progress_.handed += handed;
    std::int64_t advance = handed;
    // Once the sound has run out, the rest of each buffer is time in which the
    // last frames travel through the device; a gap while the decoder catches up
    // is not, so the heard position waits for the sound there.
    const bool soundComplete =
        progress_.handed >= progress_.outputLimit || (decodeDone_ && ring_.Size() == 0);
    if (soundComplete) {
        progress_.drained += frames - handed;
        advance += frames - handed;
    }
    progress_.soundTime += advance;
    progress_.lastAdvance = advance;
    progress_.lastCallbackNs = now_();
    progress_.called = true;
    if (soundComplete && progress_.drained >= output_.latencyFrames)
        FinishPlayLocked();
    const bool ringLow = !decodeDone_ && ring_.Size() <= ring_.Free();
    return ringLow || finishPending_;
}

void PlaybackStream::FinishPlayLocked()
{
    playing_ = false;
    // A source that gave less than announced ends where its sound ended.
    restFrame_ = progress_.handed >= progress_.outputLimit
                     ? progress_.to
                     : progress_.from + resampler_.SourceFramesFor(progress_.handed);
    finishPending_ = true;
    StartGenerationLocked(restFrame_);
}

// --- decoding thread --------------------------------------------------------

bool PlaybackStream::DecodeStep()
{
    DecodeJob job;
    {
        std::lock_guard lock(mutex_);
        if (decodeDone_)
            return false;
        job = {generation_, generationStart_, decodeLimit_, ring_.Free()};
    }
    if (job.generation != decoderGeneration_)
        BeginGeneration(job);

    converted_.clear();
    bool ended = seekFailed_ || decodePosition_ >= job.limit;
    if (!ended) {
        const std::int64_t frames = ChunkFrames(job);
        if (frames <= 0)
            return false; // the ring is full
        const ReadResult read = source_->Read(decoded_.data(), static_cast<int>(frames));
        if (read.frames == 0 && !read.ended)
            return false; // nothing produced yet
        decodePosition_ += read.frames;
        ToStereo(read.frames);
        resampler_.Push(stereo_.data(), read.frames, converted_);
        ended = read.ended || decodePosition_ >= job.limit;
    }
    if (ended)
        resampler_.Flush(converted_);
    Publish(job.generation, ended);
    return true;
}

void PlaybackStream::BeginGeneration(const DecodeJob& job)
{
    decoderGeneration_ = job.generation;
    decodePosition_ = job.start;
    seekFailed_ = !source_->Seek(job.start);
    resampler_.Reset();
}

std::int64_t PlaybackStream::ChunkFrames(const DecodeJob& job) const
{
    // Room stays for the frames the resampler holds back and releases on flush.
    const std::int64_t usableRoom = job.room - resampler_.OutputFramesFor(resampler_.MaxHeldFrames());
    if (usableRoom <= 0)
        return 0;
    return std::min({kChunkFrames, job.limit - decodePosition_, resampler_.SourceFramesFor(usableRoom)});
}

void PlaybackStream::ToStereo(int frames)
{
    const int channels = format_.channels;
    for (int frame = 0; frame < frames; ++frame) {
        const float* in = &decoded_[static_cast<size_t>(frame * channels)];
        stereo_[2 * frame] = in[0];
        // Mono plays on both sides; of more channels, the front pair plays.
        stereo_[2 * frame + 1] = channels == 1 ? in[0] : in[1];
    }
}

void PlaybackStream::Publish(std::uint64_t generation, bool ended)
{
    std::lock_guard lock(mutex_);
    if (generation != generation_)
        return; // the play point moved while decoding
    ring_.Push(converted_.data(), static_cast<std::int64_t>(converted_.size() / 2));
    if (ended)
        decodeDone_ = true;
}

void PlaybackStream::DeliverFinished()
{
    {
        std::lock_guard lock(mutex_);
        if (!finishPending_)
            return;
        finishPending_ = false;
    }
    std::lock_guard lock(handlerMutex_);
    if (finishedHandler_)
        finishedHandler_();
}

} // namespace media
