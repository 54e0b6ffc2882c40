#include "SoundTarget.h"

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "media/SoundFile.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// An odd size, so reads end in the middle of decoder frames and blocks.
constexpr int kChunkFrames = 1000;
// A file source has all its data at hand: a read that gives nothing and
// does not end either would leave the engine asking forever.
constexpr int kMaxEmptyReads = 64;

// A buffer of exactly `frames` frames, so that a decoder writing past what
// it was asked for lands outside it.
std::vector<float> FrameBuffer(const media::SoundSource& source, int frames)
{
    return std::vector<float>(std::size_t(frames) * std::size_t(source.Format().channels));
}

void CheckFormat(const media::SoundSource& source)
{
    // The engine sizes its buffers from the format: anything else must have
    // been refused when the file was opened.
    FUZZ_CHECK(media::IsPlayable(source.Format()), "an opened recording has a format the engine plays");
    FUZZ_CHECK(source.LengthFrames() > 0, "an opened recording has sound");
}

// Reads to the end, as a play to the end would.
void ReadToEnd(media::SoundSource& source)
{
    std::vector<float> buffer = FrameBuffer(source, kChunkFrames);
    for (int emptyReads = 0;;) {
        const media::ReadResult got = source.Read(buffer.data(), kChunkFrames);
        FUZZ_CHECK(got.frames >= 0 && got.frames <= kChunkFrames, "a read gives at most the frames asked for");
        if (got.ended)
            return;
        emptyReads = got.frames == 0 ? emptyReads + 1 : 0;
        FUZZ_CHECK(emptyReads < kMaxEmptyReads, "a recording either gives frames or ends");
    }
}

void ReadSomeAt(media::SoundSource& source, std::int64_t frame)
{
    if (!source.Seek(frame))
        return;
    std::vector<float> buffer = FrameBuffer(source, kChunkFrames);
    const media::ReadResult got = source.Read(buffer.data(), kChunkFrames);
    FUZZ_CHECK(got.frames >= 0 && got.frames <= kChunkFrames, "a read after a seek gives at most the frames asked for");
}

} // namespace

void FuzzSoundFile(ScratchFile& file, const std::uint8_t* data, std::size_t size)
{
    file.Write(data, size);
    std::unique_ptr<media::SoundSource> source;
    try {
        source = media::OpenSoundFile(file.Path());
    } catch (const media::SoundFileError&) {
        return;
    }
    CheckFormat(*source);
    // A damaged mp3 can decode to more frames than its scan counted; the
    // stream stops decoding at the announced length, so the rest is never
    // heard and is not held against the source.
    ReadToEnd(*source);
    const std::int64_t length = source->LengthFrames();

    // The player rewinds after every play; the opening proved that it can.
    FUZZ_CHECK(source->Seek(0), "an opened recording can be rewound");
    for (const std::int64_t frame : {length / 3, length - 1, std::max<std::int64_t>(0, length - kChunkFrames / 2),
                                     length, length + 1, std::int64_t(0)})
        ReadSomeAt(*source, frame);
}
