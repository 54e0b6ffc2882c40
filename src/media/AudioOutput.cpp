#include "AudioOutput.h"

#include "platform/SharedLibrary.h"

#include <QFileInfo>
#include <SDL.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace media {
namespace {

// The part of SDL2 the output uses, loaded on first use.
struct SdlLibrary {
    platform::SharedLibrary library{"libSDL2-2.0.so.0"};
    TINGDU_LIBRARY_FUNCTION(InitSubSystem, SDL_InitSubSystem);
    TINGDU_LIBRARY_FUNCTION(QuitSubSystem, SDL_QuitSubSystem);
    TINGDU_LIBRARY_FUNCTION(SetHintWithPriority, SDL_SetHintWithPriority);
    TINGDU_LIBRARY_FUNCTION(OpenAudioDevice, SDL_OpenAudioDevice);
    TINGDU_LIBRARY_FUNCTION(CloseAudioDevice, SDL_CloseAudioDevice);
    TINGDU_LIBRARY_FUNCTION(PauseAudioDevice, SDL_PauseAudioDevice);
    TINGDU_LIBRARY_FUNCTION(GetAudioDeviceStatus, SDL_GetAudioDeviceStatus);
    TINGDU_LIBRARY_FUNCTION(GetCurrentAudioDriver, SDL_GetCurrentAudioDriver);
    TINGDU_LIBRARY_FUNCTION(GetError, SDL_GetError);
};

class SdlOutput final : public AudioOutput {
public:
    SdlOutput(const SdlLibrary& sdl, Render render) : sdl_(sdl), render_(std::move(render)) {}

    ~SdlOutput() override
    {
        if (device_ != 0)
            sdl_.CloseAudioDevice(device_); // joins SDL's audio thread
        if (initialised_)
            sdl_.QuitSubSystem(SDL_INIT_AUDIO);
    }

    // Opens a device with the driver SDL picks, or with `driver`. The format is
    // fixed (SDL converts for the hardware), so frames keep one meaning.
    bool Open(const char* driver, OutputFormat format)
    {
        if (driver)
            sdl_.SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
        if (sdl_.InitSubSystem(SDL_INIT_AUDIO) != 0)
            return Fail("SDL audio did not start");
        initialised_ = true;
        SDL_AudioSpec wanted{};
        wanted.freq = format.sampleRate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = 2;
        wanted.samples = static_cast<Uint16>(format.latencyFrames);
        wanted.callback = &SdlOutput::Callback;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        device_ = sdl_.OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (device_ == 0)
            return Fail("no SDL audio device opened");
        format_ = {obtained.freq, obtained.samples};
        const char* driverName = sdl_.GetCurrentAudioDriver();
        name_ = QStringLiteral("SDL %1").arg(QString::fromUtf8(driverName));
        // SDL's disk driver writes a new file each time it opens; kept open,
        // its file holds everything a learner heard in one run, pauses included.
        staysOpen_ = driverName && std::strcmp(driverName, "disk") == 0;
        sdl_.PauseAudioDevice(device_, 0);
        return true;
    }

    OutputFormat Format() const override { return format_; }
    QString Name() const override { return name_; }
    bool StaysOpenWhenIdle() const override { return staysOpen_; }
    // SDL stops a device it lost and calls its callback no more.
    bool Lost() const override { return sdl_.GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED; }

private:
    static void Callback(void* self, Uint8* bytes, int length)
    {
        auto* output = static_cast<SdlOutput*>(self);
        output->render_(reinterpret_cast<float*>(bytes), length / static_cast<int>(2 * sizeof(float)));
    }

    bool Fail(const char* what)
    {
        std::fprintf(stderr, "tingdu: %s: %s\n", what, sdl_.GetError());
        if (initialised_)
            sdl_.QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = false;
        return false;
    }

    const SdlLibrary& sdl_;
    Render render_;
    SDL_AudioDeviceID device_ = 0;
    bool initialised_ = false;
    OutputFormat format_;
    QString name_;
    bool staysOpen_ = false;
};

class SilentSink final : public AudioOutput {
public:
    SilentSink(Render render, OutputFormat format)
        : render_(std::move(render)), format_(format), thread_([this] { Run(); }) {}

    ~SilentSink() override
    {
        stop_ = true;
        thread_.join();
    }

    OutputFormat Format() const override { return format_; }
    QString Name() const override { return QStringLiteral("silent sink"); }

private:
    void Run()
    {
        using Clock = std::chrono::steady_clock;
        std::vector<float> buffer(static_cast<size_t>(2 * format_.latencyFrames));
        const std::int64_t start = Clock::now().time_since_epoch().count();
        for (std::int64_t served = 0; !stop_; served += format_.latencyFrames) {
            std::fill(buffer.begin(), buffer.end(), 0.0f);
            render_(buffer.data(), format_.latencyFrames);
            // Paced from the start, so sleeping late never makes the sink slow.
            const auto due = std::chrono::nanoseconds(
                (served + format_.latencyFrames) * 1'000'000'000 / format_.sampleRate);
            std::this_thread::sleep_until(Clock::time_point(Clock::duration(start)) + due);
        }
    }

    Render render_;
    OutputFormat format_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace

std::unique_ptr<AudioOutput> OpenSilentSink(AudioOutput::Render render, OutputFormat format)
{
    return std::make_unique<SilentSink>(std::move(render), format);
}

namespace {

// Whether a PulseAudio (or PipeWire's PulseAudio) server can be reached
// without starting one: a server named in the environment, or its socket in
// the session's runtime folder.
bool PulseServerVisible()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH",
                                                 qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse"));
    return QFileInfo::exists(runtime + QStringLiteral("/native"));
}

// SDL's own choice of driver, unless the learner chose one. Without a
// PulseAudio server SDL's PulseAudio driver cannot open, but trying it makes
// libpulse create a folder of its own in the session's runtime folder; so
// then SDL starts from ALSA.
const char* SdlOwnChoice()
{
    if (!qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER") || PulseServerVisible())
        return nullptr;
    return "alsa";
}

} // namespace

std::unique_ptr<AudioOutput> AudioOutputOpener::Open(AudioOutput::Render render, OutputFormat format)
{
    const char* const kSdlDrivers[] = {SdlOwnChoice(), "dummy"};
    if (const auto* sdl = platform::LoadedOnce<SdlLibrary>("no sound through SDL2")) {
        for (int way = firstTry_; way < int(std::size(kSdlDrivers)); ++way) {
            auto output = std::make_unique<SdlOutput>(*sdl, render);
            if (output->Open(kSdlDrivers[way], format)) {
                firstTry_ = way;
                return output;
            }
        }
    }
    firstTry_ = int(std::size(kSdlDrivers));
    return OpenSilentSink(std::move(render), format);
}

} // namespace media
