#pragma once
// Opening recordings: mp3 through libmpg123, everything else (wav, flac, ogg)
// through libsndfile. A file that cannot be opened, is not sound, is cut
// short or has a format the engine cannot play (sample rate outside
// 8,000 to 192,000 Hz, more than 8 channels) raises SoundFileError with a
// reason in Chinese that a learner's helper can act on.

#include "SoundSource.h"

#include <QString>
#include <memory>
#include <stdexcept>

namespace media {

class SoundFileError : public std::runtime_error {
public:
    explicit SoundFileError(const QString& reason)
        : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString& Reason() const { return reason_; }

private:
    QString reason_;
};

// Raises SoundFileError when the engine cannot play `format`. Sources call it
// as soon as they know the format, before anything is sized from it.
void RequirePlayableFormat(const SoundFormat& format);

// Opens `path` for streaming. The whole file is checked for truncation here,
// so a source that opens can be read to its announced end.
std::unique_ptr<SoundSource> OpenSoundFile(const QString& path);

} // namespace media
