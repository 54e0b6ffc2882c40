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
        throw SoundFileError(QStringLiteral("文件无法读取"));
    const std::int64_t fileSize = file.size();
    char header[12];
    if (file.read(header, 12) != 12 || QByteArray(header, 4) != "RIFF" || QByteArray(header + 8, 4) != "WAVE")
        throw SoundFileError(QStringLiteral("它不是 RIFF/WAVE 格式的 wav 文件"));
    for (int chunk = 0; chunk < kMaxRiffChunks; ++chunk) {
        char chunkHeader[8];
        if (file.read(chunkHeader, 8) != 8)
            throw SoundFileError(QStringLiteral("文件不完整：还没到声音数据就结束了"));
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
            throw SoundFileError(QStringLiteral("文件不完整：其中的“%1”数据块被截断了")
                                     .arg(QString::fromLatin1(chunkHeader, 4)));
    }
    throw SoundFileError(QStringLiteral("文件结构已损坏，找不到声音数据"));
}

SndfileSource::SndfileSource(const QString& path)
{
    SF_INFO info{};
    file_ = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file_)
        throw SoundFileError(QStringLiteral("它不是本程序能读取的声音文件"));
    try {
        if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0)
            throw SoundFileError(QStringLiteral("文件里没有声音"));
        format_ = {info.samplerate, info.channels};
        RequirePlayableFormat(format_);
        if (!info.seekable)
            throw SoundFileError(QStringLiteral("无法在文件中定位播放位置"));
        length_ = info.frames;
        if (IsWav(info.format)) {
            if (const std::int64_t missing = WavDataShortfall(path); missing > 0)
                throw SoundFileError(QStringLiteral("文件不完整：缺少 %1 字节的声音数据").arg(missing));
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
        throw SoundFileError(QStringLiteral("文件不完整或已损坏：最后一段声音无法读取"));
    if (sf_seek(file_, 0, SEEK_SET) < 0)
        throw SoundFileError(QStringLiteral("无法回到文件开头"));
}

bool SndfileSource::Seek(std::int64_t frame) { return sf_seek(file_, frame, SEEK_SET) >= 0; }

ReadResult SndfileSource::Read(float* out, int frames)
{
    const sf_count_t got = sf_readf_float(file_, out, frames);
    return {static_cast<int>(std::max<sf_count_t>(0, got)), got < frames};
}

} // namespace media
