#include "AudioOutput.h"

#include <SDL.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace media {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kDeviceBufferFrames = 1024; // about 23 ms: short start latency, safe against underruns

class SdlOutput final : public AudioOutput {
public:
    explicit SdlOutput(Render render) : render_(std::move(render)) {}

    ~SdlOutput() override
    {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_); // joins SDL's audio thread
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // Opens a device with the driver SDL picks, or with `driver`. The format is
    // fixed (SDL converts for the hardware), so frames keep one meaning.
    bool Open(const char* driver)
    {
        if (driver)
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return Fail("SDL audio did not start");
        initialised_ = true;
        SDL_AudioSpec wanted{};
        wanted.freq = kOutputRate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = 2;
        wanted.samples = kDeviceBufferFrames;
        wanted.callback = &SdlOutput::Callback;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (device_ == 0)
            return Fail("no SDL audio device opened");
        format_ = {obtained.freq, obtained.samples};
        name_ = QStringLiteral("SDL %1").arg(QString::fromUtf8(SDL_GetCurrentAudioDriver()));
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    OutputFormat Format() const override { return format_; }
    QString Name() const override { return name_; }

private:
    static void Callback(void* self, Uint8* bytes, int length)
    {
        auto* output = static_cast<SdlOutput*>(self);
        output->render_(reinterpret_cast<float*>(bytes), length / static_cast<int>(2 * sizeof(float)));
    }

    bool Fail(const char* what)
    {
        std::fprintf(stderr, "tingdu: %s: %s\n", what, SDL_GetError());
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = false;
        return false;
    }

    Render render_;
    SDL_AudioDeviceID device_ = 0;
    bool initialised_ = false;
    OutputFormat format_;
    QString name_;
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

std::unique_ptr<AudioOutput> OpenAudioOutput(AudioOutput::Render render)
{
    for (const char* driver : {static_cast<const char*>(nullptr), "dummy"}) {
        auto sdl = std::make_unique<SdlOutput>(render);
        if (sdl->Open(driver))
            return sdl;
    }
    return OpenSilentSink(std::move(render), {kOutputRate, kDeviceBufferFrames});
}

} // namespace media
