// Plays clips of a ten-minute mp3 the way the spelling test does (seek,
// end mark, play) and looks at what reached the output: where each clip
// started and ended against a straight decode, and how long after the call to
// Play its first sample was handed over, also when the output had closed
// after standing idle.
//
//   bench_media            30 clips, then 3 after the output closed
//   bench_media MINUTES    clips one after another for MINUTES: the long run,
//                          which also watches the player's position at each
//                          clip's end, the memory and the open files
#include "media/AudioEngine.h"
#include "media/MediaPlayer.h"
#include "media/SoundFile.h"

#include <QProcess>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr int kTrials = 30;
constexpr int kIdleTrials = 3;
constexpr long kMatchFrames = 256;

bool Run(const QString& program, const QStringList& arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

// Ten minutes of pink noise, mono, through the lame encoder.
bool MakeRecording(const QString& wav, const QString& mp3)
{
    return Run(QStringLiteral("sox"), {"-n", "-r", "44100", "-c", "1", "-b", "16", wav, "synth", "600",
                                       "pinknoise", "vol", "0.3"}) &&
           Run(QStringLiteral("lame"), {"--quiet", "-b", "64", wav, mp3});
}

std::vector<float> DecodeMono(const QString& path)
{
    const auto source = media::OpenSoundFile(path);
    std::vector<float> samples;
    std::vector<float> chunk(1 << 16);
    for (;;) {
        const media::ReadResult read = source->Read(chunk.data(), static_cast<int>(chunk.size()));
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + read.frames);
        if (read.ended)
            return samples;
    }
}

// The left channel of everything mixed while recording, and when the first
// sound was handed to the output.
class Capture {
public:
    Capture()
    {
        media::AudioEngine::Instance().SetOutputTap([this](const float* stereo, int frames) {
            std::lock_guard lock(mutex_);
            if (!recording_)
                return;
            for (int i = 0; i < frames; ++i)
                left_.push_back(stereo[2 * i]);
            if (!firstSound_ && std::any_of(stereo, stereo + 2 * frames, [](float s) { return s != 0.0f; }))
                firstSound_ = Clock::now();
        });
    }
    ~Capture() { media::AudioEngine::Instance().SetOutputTap({}); }

    void Start()
    {
        std::lock_guard lock(mutex_);
        left_.clear();
        firstSound_.reset();
        recording_ = true;
    }
    std::vector<float> Sound(std::optional<Clock::time_point>* firstSound)
    {
        std::lock_guard lock(mutex_);
        recording_ = false;
        *firstSound = firstSound_;
        const auto first = std::find_if(left_.begin(), left_.end(), [](float s) { return s != 0.0f; });
        const auto last = std::find_if(left_.rbegin(), left_.rend(), [](float s) { return s != 0.0f; });
        return first == left_.end() ? std::vector<float>{} : std::vector<float>(first, last.base());
    }

private:
    std::mutex mutex_;
    bool recording_ = false;
    std::vector<float> left_;
    std::optional<Clock::time_point> firstSound_;
};

// The frame of the straight decode where `sound` begins, searched outward
// from `expected`; nothing when it is not within a second.
std::optional<long> LocateStart(const std::vector<float>& sound, const std::vector<float>& reference, long expected)
{
    const auto matchesAt = [&](long frame) {
        if (frame < 0 || frame + kMatchFrames > static_cast<long>(reference.size()))
            return false;
        for (long i = 0; i < kMatchFrames; ++i)
            if (std::abs(sound[i] - reference[frame + i]) > 1e-5f)
                return false;
        return true;
    };
    for (long distance = 0; distance <= kRate; ++distance) {
        if (matchesAt(expected - distance))
            return expected - distance;
        if (matchesAt(expected + distance))
            return expected + distance;
    }
    return std::nullopt;
}

// The resident memory of this process, in kilobytes.
long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

int OpenFiles()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Clips one after another for `minutes`, with a line every five minutes.
// Memory and open files are compared with those after the first minute, when
// every buffer the run needs has been made.
template <typename PlayClip>
int Soak(int minutes, PlayClip playClip, const double& seekErrorMax, const double& stopErrorMax,
         const int& positionErrorMax)
{
    const auto began = Clock::now();
    const auto elapsedMinutes = [&] { return std::chrono::duration<double>(Clock::now() - began).count() / 60; };
    long settledKb = -1;
    int settledFiles = -1;
    long clips = 0;
    int reported = 0;
    while (elapsedMinutes() < minutes) {
        playClip();
        ++clips;
        if (settledKb < 0 && elapsedMinutes() >= 1) {
            settledKb = ResidentKb();
            settledFiles = OpenFiles();
        }
        if (elapsedMinutes() >= 5 * (reported + 1)) {
            ++reported;
            std::printf("minute %d: %ld clips, seek error max %.3f ms, stop error max %.3f ms, position error "
                        "max %d ms, %ld kB resident, %d open files\n",
                        5 * reported, clips, seekErrorMax, stopErrorMax, positionErrorMax, ResidentKb(), OpenFiles());
            std::fflush(stdout);
        }
    }
    std::printf("media_soak: minutes=%d clips=%ld seek_error_ms_max=%.3f stop_error_ms_max=%.3f "
                "position_error_ms_max=%d resident_growth_kb=%ld open_files_growth=%d\n",
                minutes, clips, seekErrorMax, stopErrorMax, positionErrorMax, ResidentKb() - settledKb,
                OpenFiles() - settledFiles);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int soakMinutes = argc > 1 ? std::atoi(argv[1]) : 0;
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("long.wav"));
    const QString mp3 = dir.filePath(QStringLiteral("long.mp3"));
    if (!MakeRecording(wav, mp3)) {
        std::fprintf(stderr, "bench_media: could not make the recording (sox and lame are needed)\n");
        return 1;
    }
    const std::vector<float> reference = DecodeMono(mp3);

    Capture capture;
    TMediaPlayer player;
    player.FileName = mp3;
    player.Open();
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> start(1000, player.Length() - 2000);
    std::uniform_int_distribution<int> duration(150, 700);
    std::uniform_int_distribution<int> phase(0, 50'000);
    double seekErrorMax = 0;
    double stopErrorMax = 0;
    int positionErrorMax = 0;
    // One clip as the spelling test plays it; its start latency goes to `latencies`.
    const auto playClip = [&](std::vector<double>& latencies) {
        const int from = start(random);
        const int to = from + duration(random);
        // A learner's click comes at any moment of the output's cycle, not
        // just after the callback that ended the last clip.
        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        player.SetPosition(from);
        player.SetEndPos(to);
        capture.Start();
        const auto called = Clock::now();
        player.Play();
        while (player.IsPlaying())
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        positionErrorMax = std::max(positionErrorMax, std::abs(player.Position() - to));
        std::optional<Clock::time_point> firstSound;
        const std::vector<float> sound = capture.Sound(&firstSound);

        const auto startFrame = static_cast<long>(sound.size()) >= kMatchFrames
                                    ? LocateStart(sound, reference, std::lround(from * (kRate / 1000.0)))
                                    : std::nullopt;
        if (!startFrame || !firstSound) {
            std::printf("clip %d-%d ms: not found at the output\n", from, to);
            seekErrorMax = stopErrorMax = 1e9;
            return;
        }
        const double startMs = *startFrame * 1000.0 / kRate;
        const double endMs = (*startFrame + static_cast<long>(sound.size())) * 1000.0 / kRate;
        seekErrorMax = std::max(seekErrorMax, std::abs(startMs - from));
        stopErrorMax = std::max(stopErrorMax, std::abs(endMs - to));
        latencies.push_back(std::chrono::duration<double, std::milli>(*firstSound - called).count());
    };

    std::vector<double> latencies;
    if (soakMinutes > 0)
        return Soak(soakMinutes, [&] { playClip(latencies); }, seekErrorMax, stopErrorMax, positionErrorMax);
    for (int trial = 0; trial < kTrials; ++trial)
        playClip(latencies);
    // The output closes when nothing has played for a while; the first clip
    // after that opens it again.
    std::vector<double> idleLatencies;
    for (int trial = 0; trial < kIdleTrials; ++trial) {
        while (media::AudioEngine::Instance().OutputOpen())
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        playClip(idleLatencies);
    }
    std::printf("output: %s; recording: %d ms\n", qPrintable(media::AudioEngine::Instance().OutputName()),
                player.Length());

    std::printf("media: seek_error_ms_max=%.3f stop_error_ms_max=%.3f start_latency_ms_median=%.1f "
                "idle_start_latency_ms_median=%.1f\n",
                seekErrorMax, stopErrorMax, Median(latencies), Median(idleLatencies));
    return 0;
}
