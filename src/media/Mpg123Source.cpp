#include "Mpg123Source.h"
#include "SoundFile.h"

#include <QFile>
#include <mpg123.h>
#include <mutex>

namespace media {
namespace {

// After a seek, layer III needs the bit reservoir of earlier frames. With
// mpg123's default of 4 primed frames, LAME files decode to silence for up
// to a few thousand samples after a seek; 8 gives the straight-decode result.
constexpr long kPrimingFrames = 8;

constexpr int kMaxEmptyReads = 64;

constexpr long kStandardRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

void InitLibraryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

} // namespace

Mpg123Source::Mpg123Source(const QString& path) : path_(path)
{
    InitLibraryOnce();
    int code = MPG123_OK;
    handle_ = mpg123_new(nullptr, &code);
    if (!handle_)
        throw SoundFileError(QStringLiteral("mp3 解码器无法启动"));
    try {
        Configure();
        code = mpg123_open(handle_, QFile::encodeName(path).constData());
        if (code != MPG123_OK)
            throw SoundFileError(QStringLiteral("无法作为 mp3 文件读取"));
        ReadFormat();
        IndexFrames();
    } catch (...) {
        mpg123_delete(handle_);
        throw;
    }
}

Mpg123Source::~Mpg123Source()
{
    mpg123_close(handle_);
    mpg123_delete(handle_);
}

void Mpg123Source::Configure()
{
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_FORCE_FLOAT, 0);
    mpg123_param(handle_, MPG123_PREFRAMES, kPrimingFrames, 0);
    mpg123_format_none(handle_);
    for (long rate : kStandardRates)
        mpg123_format(handle_, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
}

void Mpg123Source::ReadFormat()
{
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    const int code = mpg123_getformat(handle_, &rate, &channels, &encoding);
    if (code != MPG123_OK)
        throw SoundFileError(QStringLiteral("文件里找不到 MPEG 音频"));
    // Fix the output format so that a damaged frame further on cannot switch it.
    mpg123_format_none(handle_);
    mpg123_format(handle_, rate, channels, MPG123_ENC_FLOAT_32);
    format_ = {static_cast<int>(rate), channels};
    RequirePlayableFormat(format_);
}

void Mpg123Source::IndexFrames()
{
    // A LAME tag (known encoder delay) comes with an Info header that states
    // the frame count; before the scan mpg123 reports that count, after it the
    // count really present. Files without the tag cannot be checked this way.
    // One frame short is what writers that count the header frame itself
    // give; it means a cut file only when part of the missing frame is
    // still there.
    long encoderDelay = -1;
    double unused = 0;
    mpg123_getstate(handle_, MPG123_ENC_DELAY, &encoderDelay, &unused);
    const off_t announcedFrames = mpg123_framelength(handle_);

    const int code = mpg123_scan(handle_);
    if (code != MPG123_OK)
        throw SoundFileError(QStringLiteral("无法为它的 MPEG 帧建立索引"));
    const off_t presentFrames = mpg123_framelength(handle_);
    const bool checkable = encoderDelay >= 0 && announcedFrames > 0;
    const bool cut = checkable && (presentFrames + 1 < announcedFrames ||
                                   (presentFrames + 1 == announcedFrames && EndsInAPartFrame(presentFrames)));
    if (cut)
        throw SoundFileError(QStringLiteral("文件不完整：文件头说有 %1 个 MPEG 帧，实际只有 %2 个")
                                 .arg(announcedFrames)
                                 .arg(presentFrames));

    const off_t length = mpg123_length(handle_);
    if (length <= 0)
        throw SoundFileError(QStringLiteral("文件里没有声音"));
    length_ = length;
    if (!Seek(0))
        throw SoundFileError(QStringLiteral("无法回到文件开头"));
}

// Whether the bytes after the last whole frame begin another frame, which
// the file then ends inside. A tag or nothing may follow the last frame.
bool Mpg123Source::EndsInAPartFrame(off_t wholeFrames)
{
    off_t number = 0;
    unsigned char* audio = nullptr;
    size_t bytes = 0;
    mpg123_frameinfo info{};
    if (wholeFrames <= 0 || mpg123_seek_frame(handle_, wholeFrames - 1, SEEK_SET) < 0)
        return false;
    const int decoded = mpg123_decode_frame(handle_, &number, &audio, &bytes);
    if ((decoded != MPG123_OK && decoded != MPG123_NEW_FORMAT) || mpg123_info(handle_, &info) != MPG123_OK)
        return false;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(mpg123_framepos(handle_) + info.framesize))
        return false;
    const QByteArray next = file.read(2);
    // Every MPEG audio frame starts with eleven set bits.
    return next.size() == 2 && quint8(next[0]) == 0xFF && (quint8(next[1]) & 0xE0) == 0xE0;
}

bool Mpg123Source::Seek(std::int64_t frame)
{
    return mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) >= 0;
}

ReadResult Mpg123Source::Read(float* out, int frames)
{
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(format_.channels);
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    const size_t wanted = frameBytes * static_cast<size_t>(frames);
    size_t filled = 0;
    int emptyReads = 0; // guards against a decoder that keeps answering "fine, nothing"
    while (filled < wanted) {
        size_t done = 0;
        const int code = mpg123_read(handle_, bytes + filled, wanted - filled, &done);
        filled += done;
        emptyReads = done == 0 ? emptyReads + 1 : 0;
        const bool goesOn = (code == MPG123_OK || code == MPG123_NEW_FORMAT) && emptyReads < kMaxEmptyReads;
        // MPG123_DONE at the end; anything else is a damaged rest that cannot be played.
        if (!goesOn)
            return {static_cast<int>(filled / frameBytes), true};
    }
    return {static_cast<int>(filled / frameBytes), false};
}

} // namespace media
