// Playback: the CPU the whole process uses per second while a clip of a
// bundled word recording plays (16 kHz MP3, resampled to the output's
// 44.1 kHz, decoded and mixed), against the same stretch of time with the
// recording open and nothing playing.
//
// Prints: playback: cpu_ms_per_s=X idle_cpu_ms_per_s=Y

#include "media/AudioEngine.h"
#include "media/MediaPlayer.h"

#include <QDir>
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

} // namespace

int main()
{
    const QStringList recordings =
        QDir(QStringLiteral(TINGDU_PROGRAM_DIR "/bdcSound")).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
    if (recordings.isEmpty()) {
        std::fprintf(stderr, "bench_playback: no word recording in %s/bdcSound\n", TINGDU_PROGRAM_DIR);
        return 1;
    }
    media::AudioEngine::Instance(); // the engine and its output start before anything is timed
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
    std::printf("playback: cpu_ms_per_s=%.2f idle_cpu_ms_per_s=%.2f\n", playing, idle);
    return 0;
}
