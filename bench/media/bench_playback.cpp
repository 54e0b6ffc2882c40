// Playback: the CPU the whole process uses per second while a clip of a
// bundled word recording plays (16 kHz MP3, resampled to the output's
// 44.1 kHz, decoded and mixed), against the same stretch of time with the
// recording open and nothing playing. For scale, it first measures SDL's
// output alone as long: a device of the engine's format whose callback only
// writes silence, which is what SDL's own thread costs under any player.
//
// Prints: playback: cpu_ms_per_s=X idle_cpu_ms_per_s=Y sdl_output_alone_cpu_ms_per_s=Z

#include "media/AudioEngine.h"
#include "media/MediaPlayer.h"

#include <SDL.h>

#include <QDir>
#include <cstring>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>

namespace {

constexpr int kSeconds = 10;

double ProcessCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double CpuPerSecondOver(int seconds)
{
    const double before = ProcessCpuMs();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return (ProcessCpuMs() - before) / seconds;
}

// SDL's own output thread with nothing of ours in it; negative when no
// SDL device opens.
double SdlOutputAlone(int seconds)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return -1;
    SDL_AudioSpec wanted{};
    wanted.freq = media::kOutputFormat.sampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = static_cast<Uint16>(media::kOutputFormat.latencyFrames);
    wanted.callback = [](void*, Uint8* bytes, int length) { std::memset(bytes, 0, size_t(length)); };
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    double cpu = -1;
    if (device != 0) {
        SDL_PauseAudioDevice(device, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        cpu = CpuPerSecondOver(seconds);
        SDL_CloseAudioDevice(device);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return cpu;
}

} // namespace

int main()
{
    const QStringList recordings =
        QDir(QStringLiteral(TINGDU_PROGRAM_DIR "/bdcSound")).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
    if (recordings.isEmpty()) {
        std::fprintf(stderr, "bench_playback: no word recording in %s/bdcSound\n", TINGDU_PROGRAM_DIR);
        return 1;
    }
    const double sdlAlone = SdlOutputAlone(kSeconds);
    media::AudioEngine::Instance(); // the engine starts before anything is timed
    TMediaPlayer player;
    player.FileName = QStringLiteral(TINGDU_PROGRAM_DIR "/bdcSound/") + recordings.front();
    player.Open();
    if (player.Length() < (kSeconds + 1) * 1000) {
        std::fprintf(stderr, "bench_playback: the recording is shorter than %d s\n", kSeconds + 1);
        return 1;
    }
    const double idle = CpuPerSecondOver(kSeconds);
    PlayClip(player, 0, (kSeconds + 1) * 1000);
    const double playing = CpuPerSecondOver(kSeconds);
    if (!player.IsPlaying()) {
        std::fprintf(stderr, "bench_playback: the clip stopped early\n");
        return 1;
    }
    player.Stop();
    std::printf("output: %s\n", qPrintable(media::AudioEngine::Instance().OutputName()));
    std::printf("playback: cpu_ms_per_s=%.2f idle_cpu_ms_per_s=%.2f sdl_output_alone_cpu_ms_per_s=%.2f\n", playing,
                idle, sdlAlone);
    return 0;
}
