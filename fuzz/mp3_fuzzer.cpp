// mp3 recordings: a file ending in .mp3 always goes to libmpg123, whatever
// its first bytes are.

#include "ScratchFile.h"
#include "SoundTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(QStringLiteral("recording.mp3"));
    FuzzSoundFile(file, data, size);
    return 0;
}
