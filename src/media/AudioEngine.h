#pragma once
// The program's one audio engine: every playing stream (recordings and
// speech) is mixed into the one output. A decoding thread keeps each
// stream's ring filled ahead of its play point; the output thread only mixes
// what is ready, so nothing the GUI thread does can make the sound stutter.
//
// Streams are controlled from the GUI thread; the engine's threads are its own.

#include "AudioOutput.h"
#include "PlaybackStream.h"
#include "SoundSource.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace media {

class AudioEngine {
public:
    // The engine, started on first use.
    static AudioEngine& Instance();

    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Adds a stream for `source` to the mix; it stays silent until played.
    std::shared_ptr<PlaybackStream> Attach(std::unique_ptr<SoundSource> source);
    // Takes the stream out of the mix at once; its finished handler is never
    // called after this returns.
    void Detach(const std::shared_ptr<PlaybackStream>& stream);

    OutputFormat Format() const { return format_; }
    QString OutputName() const;

    // Lets a test or benchmark see every mixed buffer as it goes to the
    // output (called on the output thread); an empty function removes it.
    using Tap = std::function<void(const float* stereo, int frames)>;
    void SetOutputTap(Tap tap);

    // Tells the decoding thread there is work (a new play point, new speech).
    void WakeDecoder();

private:
    AudioEngine();
    void Mix(float* out, int frames);
    void DecodeLoop();
    std::vector<std::shared_ptr<PlaybackStream>> Snapshot() const;

    mutable std::mutex streamsMutex_;
    std::vector<std::shared_ptr<PlaybackStream>> streams_;

    std::mutex tapMutex_;
    Tap tap_;

    std::mutex wakeMutex_;
    std::condition_variable wakeCondition_;
    bool woken_ = false;
    bool quitting_ = false;
    std::thread decoder_;

    OutputFormat format_;
    std::unique_ptr<AudioOutput> output_; // last: it calls Mix until destroyed
};

} // namespace media
