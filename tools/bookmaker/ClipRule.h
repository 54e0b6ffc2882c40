#pragma once
// The rule every clip of a bundled recording keeps, for sentence and word
// books alike: the clip fits its recording and holds all of its sound with a
// little quiet at each end, nothing loud lies outside every clip, and clips
// are far enough apart that a clip stopped late never lets the next one be
// heard.

#include "LessonRecording.h"
#include "SpeechSynthesizer.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace bookmaker {

// The silence a clip keeps inside it before its first sound and after its
// last, and the least silence between one clip's end and the next one's start.
inline constexpr int kLeastMarginMs = 30;
inline constexpr int kMostMarginMs = 80;
inline constexpr int kLeastGapMs = 500;

// A recording's first channel as 16-bit samples, and which of them are sound.
//
// A recording the bookmaker made is silent between its sentences, and any
// sample above -50 dBFS is sound. A recording of real speech hisses and hums
// there: its quiet is measured (the level of its quietest stretches), and a
// sample is sound when the level of the 20 ms around it stands clearly above
// the quiet's, which no peak of the noise alone reaches.
struct Recording {
    std::vector<short> samples;
    int rate = 0;
    // Filled by MeasureSound(); empty: every sample above kQuietLevel is sound.
    std::vector<bool> sound;
    int quietLevel = kQuietLevel;   // the level (of a sample, or over a noisy quiet of 20 ms) that is sound

    qint64 LengthMs() const;
    qsizetype At(qint64 ms) const;   // the sample at `ms`, kept inside the recording
    bool Loud(qsizetype i) const;
    bool Noisy() const { return quietLevel > kQuietLevel; }
};

// Measures the recording's quiet and marks its sound (see Recording).
void MeasureSound(Recording& sound);
// Reads and measures a recording; false if it cannot be read.
bool ReadRecording(const QString& path, Recording& sound);

struct LabelledClip {
    QString where;   // "lesson 2, sentence 14: ", put before each finding
    qint64 startMs = 0;
    qint64 endMs = 0;
};

// Appends a finding to `problems` for each break of the rule; `recordingWhere`
// names the recording for sound outside every clip.
void CheckClipRule(const std::vector<LabelledClip>& clips, const Recording& sound, const QString& recordingWhere,
                   QStringList& problems);

// The clips of `planned` moved onto the sound `sound` really holds around
// each (within `searchMs` of it), keeping `marginMs` of quiet at each end. A
// lossy recording (MP3) smears and fades the edges of each sound by some
// milliseconds, so clips planned on the samples that went in are placed
// again on the samples that come out. A clip around which no sound is found
// stays as planned.
std::vector<Clip> ClipsAroundSound(const Recording& sound, const std::vector<Clip>& planned, int searchMs, int marginMs);

} // namespace bookmaker
