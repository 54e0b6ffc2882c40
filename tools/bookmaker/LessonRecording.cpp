#include "LessonRecording.h"

#include <QFile>

#include <sndfile.h>

namespace bookmaker {
namespace {

// Silence before the first sentence, and after each one. The pause must be
// longer than the 200 ms at which the players poll for a clip's end, so that
// a clip stopped late never lets the next sentence be heard.
constexpr int kLeadInMs = 300;
constexpr int kPauseMs = 800;

// How hard an MP3 recording is squeezed (0 best quality, 1 smallest): a
// voice at 16 kHz stays clear well below libsndfile's default.
constexpr double kMp3CompressionLevel = 0.2;

bool IsMp3Path(const QString& path) { return path.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive); }

} // namespace

LessonRecording::LessonRecording(int sampleRate) : sampleRate_(sampleRate)
{
    AddSilence(kLeadInMs);
}

void LessonRecording::AddSilence(int milliseconds)
{
    samples_.resize(samples_.size() + size_t(qint64(sampleRate_) * milliseconds / 1000), 0);
}

Clip LessonRecording::AddSentence(const std::vector<short>& samples)
{
    const qint64 first = SampleCount();
    samples_.insert(samples_.end(), samples.begin(), samples.end());
    const qint64 end = SampleCount();
    AddSilence(kPauseMs);
    return {int(first * 1000 / sampleRate_), int((end * 1000 + sampleRate_ - 1) / sampleRate_)};
}

bool LessonRecording::Write(const QString& path, QString& error) const
{
    const QString partial = path + QStringLiteral(".part");
    SF_INFO format{};
    format.samplerate = sampleRate_;
    format.channels = 1;
    // libsndfile writes an MP3 with the encoder's delay and padding noted in
    // its header, so gapless decoders give back exactly these samples and
    // the clips keep their places.
    format.format = IsMp3Path(path) ? SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III : SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(partial).constData(), SFM_WRITE, &format);
    if (file == nullptr) {
        error = QStringLiteral("cannot write %1: %2").arg(partial, QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    if (IsMp3Path(path)) {
        double level = kMp3CompressionLevel;
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    const sf_count_t written = sf_write_short(file, samples_.data(), sf_count_t(samples_.size()));
    const bool closed = sf_close(file) == 0;
    if (written != sf_count_t(samples_.size()) || !closed) {
        QFile::remove(partial);
        error = QStringLiteral("cannot write %1").arg(partial);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        error = QStringLiteral("cannot move %1 into place").arg(path);
        return false;
    }
    return true;
}

bool ReadRecording(const QString& path, std::vector<short>& samples, int& sampleRate)
{
    SF_INFO format{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &format);
    if (file == nullptr)
        return false;
    const bool usable = format.samplerate > 0 && format.channels > 0 && format.frames >= 0;
    std::vector<short> frames(usable ? std::size_t(format.frames) * std::size_t(format.channels) : 0);
    const sf_count_t read = usable ? sf_readf_short(file, frames.data(), format.frames) : 0;
    sf_close(file);
    if (!usable || read != format.frames)
        return false;
    samples.resize(std::size_t(format.frames));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = frames[i * std::size_t(format.channels)];
    sampleRate = format.samplerate;
    return true;
}

} // namespace bookmaker
