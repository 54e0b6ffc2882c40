#pragma once
// bookmaker import: a sentence book of one lesson from a recording an author
// already has and its subtitles.

#include <QString>

namespace bookmaker {

// Reads SRT or LRC subtitles and their recording, places each cue's clip on
// the speech it surrounds, copies the recording into
// OUTDIR/Sound/<name>/ and writes OUTDIR/EnglishBook/<name>.jz, <name> being
// the subtitle file's base name. Returns the exit status: 0 written, 1 a fault
// of the input (and nothing written).
int ImportSubtitles(const QString& subtitlesPath, const QString& recordingPath, const QString& outputFolder);

} // namespace bookmaker
