// Recordings that are not mp3 (wav, flac, ogg, and whatever else libsndfile
// recognises), opened through the player's path. An input starting with an
// ID3 tag goes to the mp3 decoder, as it would in the program.

#include "ScratchFile.h"
#include "SoundTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(QStringLiteral("recording.wav"));
    FuzzSoundFile(file, data, size);
    return 0;
}
