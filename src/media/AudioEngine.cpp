#include "AudioEngine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

namespace media {
namespace {

// How long the output stays open after the last sound: long enough that the
// pauses inside a run of clips never close it, short enough that a learner
// reading the screen has a silent machine.
constexpr auto kOutputIdleClose = std::chrono::seconds(5);
// How soon a device lost while playing is noticed: a clip playing then ends
// at most this much later than it would have.
constexpr auto kLostDeviceCheck = std::chrono::milliseconds(250);

} // namespace

AudioEngine& AudioEngine::Instance()
{
    static AudioEngine engine;
    return engine;
}

AudioEngine::AudioEngine() : format_(kOutputFormat)
{
    decoder_ = std::thread([this] { DecodeLoop(); });
}

AudioEngine::~AudioEngine()
{
    {
        std::lock_guard lock(wakeMutex_);
        quitting_ = true;
    }
    wakeCondition_.notify_all();
    decoder_.join();
    output_.reset();
}

QString AudioEngine::OutputName() const
{
    std::lock_guard lock(outputMutex_);
    return outputName_;
}

bool AudioEngine::OutputOpen() const
{
    std::lock_guard lock(outputMutex_);
    return output_ != nullptr;
}

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
    bool decoderNeeded = false;
    {
        std::lock_guard lock(streamsMutex_);
        for (const auto& stream : streams_)
            decoderNeeded = stream->MixInto(out, frames) || decoderNeeded;
    }
    // Several streams together may exceed full scale; clip rather than wrap.
    for (int i = 0; i < 2 * frames; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    {
        std::lock_guard lock(tapMutex_);
        if (tap_)
            tap_(out, frames);
    }
    // The decoder refills a playing stream's ring once it is down to half,
    // and tells the end of a play; otherwise it sleeps on.
    if (decoderNeeded)
        WakeDecoder();
}

std::vector<std::shared_ptr<PlaybackStream>> AudioEngine::Snapshot() const
{
    std::lock_guard lock(streamsMutex_);
    return streams_;
}

void AudioEngine::SetOutputFactory(AudioOutputFactory factory)
{
    std::lock_guard lock(factoryMutex_);
    factory_ = std::move(factory);
}

std::unique_ptr<AudioOutput> AudioEngine::OpenOutput()
{
    AudioOutput::Render render = [this](float* out, int frames) { Mix(out, frames); };
    {
        std::lock_guard lock(factoryMutex_);
        if (factory_)
            return factory_(std::move(render), format_);
    }
    return opener_.Open(std::move(render), format_);
}

void AudioEngine::ReplaceLostOutput()
{
    std::fprintf(stderr, "tingdu: the sound output (%s) went away; playing on without sound\n",
                 qPrintable(outputName_));
    auto sink = OpenSilentSink([this](float* out, int frames) { Mix(out, frames); }, format_);
    std::unique_ptr<AudioOutput> lost;
    {
        std::lock_guard lock(outputMutex_);
        outputName_ = sink->Name();
        lost = std::exchange(output_, std::move(sink));
    }
    lost.reset(); // joins the lost device's thread
}

std::optional<std::chrono::nanoseconds> AudioEngine::FitOutputTo(bool playing)
{
    const auto now = std::chrono::steady_clock::now();
    if (playing) {
        lastPlaying_ = now;
        if (!output_) {
            auto opened = OpenOutput();
            std::lock_guard lock(outputMutex_);
            outputName_ = opened->Name();
            output_ = std::move(opened);
        } else if (output_->Lost()) {
            ReplaceLostOutput();
        }
        // A lost device asks for nothing more and so wakes no one: while a
        // stream plays, this thread looks at the device every little while.
        return kLostDeviceCheck;
    }
    if (!output_ || output_->StaysOpenWhenIdle())
        return std::nullopt;
    if (now - lastPlaying_ < kOutputIdleClose)
        return kOutputIdleClose - (now - lastPlaying_);
    std::unique_ptr<AudioOutput> closing;
    {
        std::lock_guard lock(outputMutex_);
        closing = std::move(output_);
    }
    closing.reset(); // joins the output's thread; Mix is not called again
    return std::nullopt;
}

void AudioEngine::DecodeLoop()
{
    for (;;) {
        bool worked = false;
        bool playing = false;
        for (const auto& stream : Snapshot()) {
            playing = stream->IsPlaying() || playing;
            worked = stream->DecodeStep() || worked;
            stream->DeliverFinished();
        }
        // Every change that gives this thread work wakes it (a new play point,
        // new speech, frames taken from a playing stream's ring); the only
        // timed wait is the open output's idle close.
        const auto lookAgainIn = FitOutputTo(playing);
        if (worked)
            continue;
        std::unique_lock lock(wakeMutex_);
        const auto woken = [this] { return woken_ || quitting_; };
        if (lookAgainIn)
            wakeCondition_.wait_for(lock, *lookAgainIn, woken);
        else
            wakeCondition_.wait(lock, woken);
        if (quitting_)
            return;
        woken_ = false;
    }
}

} // namespace media
