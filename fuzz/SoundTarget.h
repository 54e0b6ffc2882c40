#pragma once
// The body both sound targets share: open a recording as the player does,
// then read it through to its end and seek about in it, as the engine would
// while a learner jumps between sentences.

#include <cstddef>
#include <cstdint>

class ScratchFile;

// Writes the input to `file` and runs it through media::OpenSoundFile. A
// file refused with SoundFileError is the right answer to a damaged input;
// any other exception escapes and is a finding.
void FuzzSoundFile(ScratchFile& file, const std::uint8_t* data, std::size_t size);
