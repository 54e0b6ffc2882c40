#include "AudioEngine.h"

#include <algorithm>
#include <chrono>

namespace media {
namespace {

// Every change that gives the decoding thread work wakes it (a new play
// point, new speech, frames taken from a playing stream's ring); this is only
// a safety net, rare enough that an idle program stays asleep.
constexpr auto kDecoderIdleWait = std::chrono::seconds(1);

} // namespace

AudioEngine& AudioEngine::Instance()
{
    static AudioEngine engine;
    return engine;
}

AudioEngine::AudioEngine() : decoder_([this] { DecodeLoop(); })
{
    output_ = OpenAudioOutput([this](float* out, int frames) { Mix(out, frames); });
    format_ = output_->Format();
}

AudioEngine::~AudioEngine()
{
    output_.reset();
    {
        std::lock_guard lock(wakeMutex_);
        quitting_ = true;
    }
    wakeCondition_.notify_all();
    decoder_.join();
}

QString AudioEngine::OutputName() const { return output_->Name(); }

std::shared_ptr<PlaybackStream> AudioEngine::Attach(std::unique_ptr<SoundSource> source)
{
    auto stream = std::make_shared<PlaybackStream>(std::move(source), format_, [this] { WakeDecoder(); });
    {
        std::lock_guard lock(streamsMutex_);
        streams_.push_back(stream);
    }
    WakeDecoder();
    return stream;
}

void AudioEngine::Detach(const std::shared_ptr<PlaybackStream>& stream)
{
    stream->Retire();
    std::lock_guard lock(streamsMutex_);
    std::erase(streams_, stream);
}

void AudioEngine::SetOutputTap(Tap tap)
{
    std::lock_guard lock(tapMutex_);
    tap_ = std::move(tap);
}

void AudioEngine::WakeDecoder()
{
    {
        std::lock_guard lock(wakeMutex_);
        woken_ = true;
    }
    wakeCondition_.notify_one();
}

void AudioEngine::Mix(float* out, int frames)
{
    std::fill_n(out, 2 * frames, 0.0f);
    bool anyPlaying = false;
    {
        std::lock_guard lock(streamsMutex_);
        for (const auto& stream : streams_)
            anyPlaying = stream->MixInto(out, frames) || anyPlaying;
    }
    // Several streams together may exceed full scale; clip rather than wrap.
    for (int i = 0; i < 2 * frames; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    {
        std::lock_guard lock(tapMutex_);
        if (tap_)
            tap_(out, frames);
    }
    // Only a playing stream's ring has been drawn from (or its play ended and
    // its end is to be told); with nothing playing the decoder sleeps on.
    if (anyPlaying)
        WakeDecoder();
}

std::vector<std::shared_ptr<PlaybackStream>> AudioEngine::Snapshot() const
{
    std::lock_guard lock(streamsMutex_);
    return streams_;
}

void AudioEngine::DecodeLoop()
{
    for (;;) {
        bool worked = false;
        for (const auto& stream : Snapshot()) {
            worked = stream->DecodeStep() || worked;
            stream->DeliverFinished();
        }
        if (worked)
            continue;
        std::unique_lock lock(wakeMutex_);
        wakeCondition_.wait_for(lock, kDecoderIdleWait, [this] { return woken_ || quitting_; });
        if (quitting_)
            return;
        woken_ = false;
    }
}

} // namespace media
