#include "SndfileSource.h"
#include "SoundFile.h"

#include <QFile>
#include <algorithm>
#include <sndfile.h>
#include <vector>

namespace media {
namespace {

// Frames read from the end of a file to prove it is all there: libsndfile
// announces the length from the header (flac, for one), not from the data.
constexpr sf_count_t kEndProbeFrames = 4096;

constexpr int kMaxRiffChunks = 4096;
constexpr quint32 kOpenSize = 0xFFFFFFFFu; // data size left open by streaming writers

quint32 LittleEndian32(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

bool IsWav(int format) { return (format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV; }

} // namespace

std::int64_t WavDataShortfall(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SoundFileError(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    const std::int64_t fileSize = file.size();
    char header[12];
    if (file.read(header, 12) != 12 || QByteArray(header, 4) != "RIFF" || QByteArray(header + 8, 4) != "WAVE")
        throw SoundFileError(QStringLiteral("it is not a RIFF/WAVE file"));
    for (int chunk = 0; chunk < kMaxRiffChunks; ++chunk) {
        char chunkHeader[8];
        if (file.read(chunkHeader, 8) != 8)
            throw SoundFileError(QStringLiteral("it is truncated: it ends before its sound data"));
        const quint32 size = LittleEndian32(chunkHeader + 4);
        const std::int64_t bodyStart = file.pos();
        if (QByteArray(chunkHeader, 4) == "data") {
            if (size == kOpenSize || size == 0)
                return 0;
            return std::max<std::int64_t>(0, bodyStart + size - fileSize);
        }
        // RIFF chunks are padded to an even length.
        const std::int64_t next = bodyStart + size + (size & 1u);
        if (next > fileSize || !file.seek(next))
            throw SoundFileError(QStringLiteral("it is truncated: its \"%1\" chunk is cut short")
                                     .arg(QString::fromLatin1(chunkHeader, 4)));
    }
    throw SoundFileError(QStringLiteral("its chunk structure is damaged (no sound data found)"));
}

SndfileSource::SndfileSource(const QString& path)
{
    SF_INFO info{};
    file_ = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file_)
        throw SoundFileError(QStringLiteral("it is not a sound file this program can read (%1)")
                                 .arg(QString::fromUtf8(sf_strerror(nullptr))));
    try {
        if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0)
            throw SoundFileError(QStringLiteral("it contains no sound"));
        if (!info.seekable)
            throw SoundFileError(QStringLiteral("it cannot be searched for a position"));
        format_ = {info.samplerate, info.channels};
        length_ = info.frames;
        if (IsWav(info.format)) {
            if (const std::int64_t missing = WavDataShortfall(path); missing > 0)
                throw SoundFileError(QStringLiteral("it is truncated: %1 bytes of its sound data are missing").arg(missing));
        }
        CheckLastFramesReadable();
    } catch (...) {
        sf_close(file_);
        throw;
    }
}

SndfileSource::~SndfileSource() { sf_close(file_); }

void SndfileSource::CheckLastFramesReadable()
{
    const sf_count_t probe = std::min<sf_count_t>(kEndProbeFrames, length_);
    std::vector<float> scratch(static_cast<size_t>(probe * format_.channels));
    const bool complete = sf_seek(file_, length_ - probe, SEEK_SET) >= 0 &&
                          sf_readf_float(file_, scratch.data(), probe) == probe;
    if (!complete)
        throw SoundFileError(QStringLiteral("it is truncated or damaged: its last frames cannot be read"));
    if (sf_seek(file_, 0, SEEK_SET) < 0)
        throw SoundFileError(QStringLiteral("it cannot be rewound"));
}

bool SndfileSource::Seek(std::int64_t frame) { return sf_seek(file_, frame, SEEK_SET) >= 0; }

ReadResult SndfileSource::Read(float* out, int frames)
{
    const sf_count_t got = sf_readf_float(file_, out, frames);
    return {static_cast<int>(std::max<sf_count_t>(0, got)), got < frames};
}

} // namespace media
