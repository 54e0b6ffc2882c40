#pragma once
// wav, flac, ogg and the other formats libsndfile reads.

#include "SoundSource.h"

#include <QString>

struct sf_private_tag;

namespace media {

class SndfileSource final : public SoundSource {
public:
    // Raises SoundFileError when the file is not sound or is cut short.
    explicit SndfileSource(const QString& path);
    ~SndfileSource() override;

    SoundFormat Format() const override { return format_; }
    std::int64_t LengthFrames() const override { return length_; }
    bool Seek(std::int64_t frame) override;
    ReadResult Read(float* out, int frames) override;

private:
    void CheckLastFramesReadable();

    sf_private_tag* file_ = nullptr;
    SoundFormat format_;
    std::int64_t length_ = 0;
};

// For a RIFF/WAVE file: how many bytes of its sound data, as its header
// announces them, are missing from the file (0 when complete, or when the
// header leaves the size open as streaming writers do). Raises
// SoundFileError when the chunk structure itself is damaged.
std::int64_t WavDataShortfall(const QString& path);

} // namespace media
