#include "SoundFixtures.h"
#include "ChildProcess.h"
#include "media/SoundFile.h"

#include <random>
#include <sndfile.h>
#include <stdexcept>

namespace fixtures {

std::vector<float> Noise(int frames, int channels, unsigned seed)
{
    std::mt19937 random(seed);
    // Quiet enough that a lossy copy never goes past full scale.
    std::uniform_real_distribution<float> level(0.02f, 0.25f);
    std::bernoulli_distribution negative(0.5);
    std::vector<float> samples(static_cast<size_t>(frames) * channels);
    for (float& sample : samples)
        sample = negative(random) ? -level(random) : level(random);
    return samples;
}

std::vector<float> SmoothNoise(int frames, int channels, unsigned seed)
{
    constexpr int kWidth = 6;
    const std::vector<float> noise = Noise(frames + kWidth, channels, seed);
    std::vector<float> smooth(static_cast<size_t>(frames) * channels, 0.0f);
    for (size_t i = 0; i < smooth.size(); ++i)
        for (int k = 0; k < kWidth; ++k)
            smooth[i] += noise[i + static_cast<size_t>(k * channels)] / kWidth;
    return smooth;
}

void WriteWav(const QString& path, int rate, int channels, const std::vector<float>& samples)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toUtf8().constData(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error(sf_strerror(nullptr));
    sf_writef_float(file, samples.data(), static_cast<sf_count_t>(samples.size() / channels));
    sf_close(file);
}

void EncodeMp3(const QString& wavPath, const QString& mp3Path)
{
    const auto end = testsupport::RunChild("lame", {"--quiet", "-b", "128", wavPath.toStdString(), mp3Path.toStdString()});
    if (!end.finished || end.exitCode != 0)
        throw std::runtime_error("lame failed");
}

Decoded DecodeWhole(const QString& path)
{
    const auto source = media::OpenSoundFile(path);
    Decoded decoded{source->Format().sampleRate, source->Format().channels, {}};
    std::vector<float> chunk(static_cast<size_t>(4096 * decoded.channels));
    for (;;) {
        const media::ReadResult read = source->Read(chunk.data(), 4096);
        decoded.samples.insert(decoded.samples.end(), chunk.begin(), chunk.begin() + read.frames * decoded.channels);
        if (read.ended)
            return decoded;
    }
}

Recordings::Recordings(int seconds, int rate, int channels)
    : wav(dir.filePath(QStringLiteral("noise.wav"))), mp3(dir.filePath(QStringLiteral("noise.mp3")))
{
    WriteWav(wav, rate, channels, Noise(seconds * rate, channels, 7));
    EncodeMp3(wav, mp3);
}

} // namespace fixtures
