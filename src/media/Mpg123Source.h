#pragma once
// mp3 recordings, decoded by libmpg123 with a full frame index so that a
// seek lands on the exact sample a straight decode would give there.

#include "SoundSource.h"

#include <QString>
#include <memory>
#include <sys/types.h>

struct mpg123_handle_struct;

namespace media {

class Mpg123Source final : public SoundSource {
public:
    // Raises SoundFileError when the file holds no MPEG audio or is truncated.
    explicit Mpg123Source(const QString& path);
    ~Mpg123Source() override;

    SoundFormat Format() const override { return format_; }
    std::int64_t LengthFrames() const override { return length_; }
    bool Seek(std::int64_t frame) override;
    ReadResult Read(float* out, int frames) override;

private:
    void Configure();
    void ReadFormat();
    void IndexFrames();
    bool EndsInAPartFrame(off_t wholeFrames);

    QString path_;
    mpg123_handle_struct* handle_ = nullptr;
    SoundFormat format_;
    std::int64_t length_ = 0;
};

} // namespace media
