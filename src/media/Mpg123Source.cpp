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

QString LibraryText(mpg123_handle* handle, int code)
{
    if (code == MPG123_ERR && handle)
        return QString::fromUtf8(mpg123_strerror(handle));
    return QString::fromUtf8(mpg123_plain_strerror(code));
}

} // namespace

Mpg123Source::Mpg123Source(const QString& path) : path_(path)
{
    InitLibraryOnce();
    int code = MPG123_OK;
    handle_ = mpg123_new(nullptr, &code);
    if (!handle_)
        throw SoundFileError(QStringLiteral("the mp3 decoder could not start (%1)").arg(LibraryText(nullptr, code)));
    try {
        Configure();
        code = mpg123_open(handle_, QFile::encodeName(path).constData());
        if (code != MPG123_OK)
            throw SoundFileError(QStringLiteral("the file could not be read as mp3 (%1)").arg(LibraryText(handle_, code)));
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
        throw SoundFileError(QStringLiteral("no MPEG audio was found in it (%1)").arg(LibraryText(handle_, code)));
    // Fix the output format so that a damaged frame further on cannot switch it.
    mpg123_format_none(handle_);
    mpg123_format(handle_, rate, channels, MPG123_ENC_FLOAT_32);
    format_ = {static_cast<int>(rate), channels};
}

void Mpg123Source::IndexFrames()
{
    // A LAME tag (known encoder delay) comes with an Info header that states
    // the frame count; before the scan mpg123 reports that count, after it the
    // count really present. Files without the tag cannot be checked this way.
    // One frame of slack keeps writers that count the header frame itself
    // from being taken for cut files; a cut file lacks far more.
    long encoderDelay = -1;
    double unused = 0;
    mpg123_getstate(handle_, MPG123_ENC_DELAY, &encoderDelay, &unused);
    const off_t announcedFrames = mpg123_framelength(handle_);

    const int code = mpg123_scan(handle_);
    if (code != MPG123_OK)
        throw SoundFileError(QStringLiteral("its frames could not be indexed (%1)").arg(LibraryText(handle_, code)));
    const off_t presentFrames = mpg123_framelength(handle_);
    if (encoderDelay >= 0 && announcedFrames > 0 && presentFrames + 1 < announcedFrames)
        throw SoundFileError(QStringLiteral("it is truncated: its header announces %1 MPEG frames, only %2 are present")
                                 .arg(announcedFrames)
                                 .arg(presentFrames));

    const off_t length = mpg123_length(handle_);
    if (length <= 0)
        throw SoundFileError(QStringLiteral("it contains no sound"));
    length_ = length;
    if (!Seek(0))
        throw SoundFileError(QStringLiteral("it cannot be rewound (%1)").arg(LibraryText(handle_, MPG123_ERR)));
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
