#pragma once
// The sound output: one device for the whole program, which asks a render
// function for stereo float frames on its own thread. SDL2 is tried with its
// normal driver, then with its dummy driver; when neither opens, a silent
// sink takes the frames at the same real-time pace, so positions advance and
// clips end exactly as they would with sound.

#include "PlaybackStream.h"

#include <QString>
#include <functional>
#include <memory>

namespace media {

class AudioOutput {
public:
    using Render = std::function<void(float* stereo, int frames)>;

    virtual ~AudioOutput() = default;
    virtual OutputFormat Format() const = 0;
    // "SDL alsa", "SDL dummy", "silent sink", ...
    virtual QString Name() const = 0;
    // Whether the engine should keep this output open when nothing plays.
    virtual bool StaysOpenWhenIdle() const { return false; }
    // Whether the device went away (unplugged, its server ended): it no
    // longer asks for frames. Safe to ask from any thread.
    virtual bool Lost() const { return false; }
};

// Opens an output for the engine; the normal one is AudioOutputOpener's.
using AudioOutputFactory = std::function<std::unique_ptr<AudioOutput>(AudioOutput::Render, OutputFormat)>;

// The format every output runs at: SDL is asked for exactly this and converts
// for the hardware itself.
constexpr OutputFormat kOutputFormat{44100, 1024}; // 1024 frames, about 23 ms: short start, safe against underruns

// Opens the output and starts calling `render`. Never fails: the silent sink
// is the last resort. The opener remembers which way worked, so opening
// again after an idle close goes straight to it.
class AudioOutputOpener {
public:
    std::unique_ptr<AudioOutput> Open(AudioOutput::Render render, OutputFormat format = kOutputFormat);

private:
    int firstTry_ = 0; // index into the ways: SDL's own driver, SDL's dummy driver, the silent sink
};

// A sink that takes frames in real time and discards them.
std::unique_ptr<AudioOutput> OpenSilentSink(AudioOutput::Render render, OutputFormat format);

} // namespace media
