#pragma once
// The program's one audio engine: every playing stream (recordings and
// speech) is mixed into the one output. A decoding thread keeps each
// stream's ring filled ahead of its play point; the output thread only mixes
// what is ready, so nothing the GUI thread does can make the sound stutter.
//
// Streams are controlled from the GUI thread; the engine's threads are its own.
//
// The output runs only while there is sound to give it: the decoding thread
// opens it when a stream starts playing and closes it once nothing has played
// for a few seconds, so an idle program has no thread waking at all. A device
// that goes away while playing is replaced by the silent sink, so clips still
// end on time; the next opening after an idle close tries the device again.

#include "AudioOutput.h"
#include "PlaybackStream.h"
#include "SoundSource.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
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
    // The output in use, or last used; empty before anything has played.
    QString OutputName() const;
    // Whether the output is open now (it closes when idle).
    bool OutputOpen() const;

    // Lets a test or benchmark see every mixed buffer as it goes to the
    // output (called on the output thread); an empty function removes it.
    using Tap = std::function<void(const float* stereo, int frames)>;
    void SetOutputTap(Tap tap);

    // Tells the decoding thread there is work (a new play point, new speech).
    void WakeDecoder();

    // Lets a test stand in for the sound device: outputs are opened with
    // `factory` from the next opening on; an empty function restores the
    // normal opener.
    void SetOutputFactory(AudioOutputFactory factory);

private:
    AudioEngine();
    void Mix(float* out, int frames);
    void DecodeLoop();
    std::vector<std::shared_ptr<PlaybackStream>> Snapshot() const;
    // Decoding thread: opens the output for a playing stream and closes it
    // after the idle time; says how long the thread may sleep before it has
    // to look again (nullopt: until woken).
    std::optional<std::chrono::nanoseconds> FitOutputTo(bool playing);
    std::unique_ptr<AudioOutput> OpenOutput();
    void ReplaceLostOutput();

    mutable std::mutex streamsMutex_;
    std::vector<std::shared_ptr<PlaybackStream>> streams_;

    std::mutex tapMutex_;
    Tap tap_;

    std::mutex wakeMutex_;
    std::condition_variable wakeCondition_;
    bool woken_ = false;
    bool quitting_ = false;
    std::thread decoder_;

    const OutputFormat format_;
    AudioOutputOpener opener_;
    std::mutex factoryMutex_;
    AudioOutputFactory factory_;
    std::chrono::steady_clock::time_point lastPlaying_;
    mutable std::mutex outputMutex_;
    QString outputName_;
    std::unique_ptr<AudioOutput> output_; // opened and closed on the decoding thread
};

} // namespace media
