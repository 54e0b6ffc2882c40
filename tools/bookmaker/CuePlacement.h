#pragma once
// Where each subtitle cue's speech lies in its recording. Subtitle times are
// set by eye and ear, often some hundred milliseconds early or late; a
// sentence's clip must hold all of its sound and nothing of its neighbours'
// (see ClipRule.h), so each cue is placed again on the sound around it.

#include "SubtitleFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace bookmaker {

// A stretch of loud samples of a recording, both ends loud.
struct SoundStretch {
    qint64 first = 0;
    qint64 last = 0;
};

// The sound of a recording: where its loud samples lie.
struct RecordingSound {
    int rate = 0;
    qint64 sampleCount = 0;
    std::vector<SoundStretch> stretches;   // in order, apart

    qint64 LengthMs() const { return rate > 0 ? sampleCount * 1000 / rate : 0; }
};

// The sound of `sampleCount` samples at `rate`, `loud(i)` telling whether
// sample i is sound.
template <typename IsLoud>
RecordingSound FindSound(int rate, qint64 sampleCount, IsLoud loud)
{
    RecordingSound sound{rate, sampleCount, {}};
    for (qint64 i = 0; i < sampleCount; ++i) {
        if (!loud(i))
            continue;
        if (!sound.stretches.empty() && sound.stretches.back().last == i - 1)
            sound.stretches.back().last = i;
        else
            sound.stretches.push_back({i, i});
    }
    return sound;
}

// How far outside its times a cue's sound is looked for.
inline constexpr int kCueSearchMs = 500;

struct CueClip {
    qint64 startMs = 0;
    qint64 endMs = 0;
};

struct PlacedCues {
    std::vector<CueClip> clips;   // one per cue; empty when there are errors
    QStringList errors;           // "talk.srt:12: ..."
};

// Places each cue of `cues` (in time order, none overlapping the next) on
// the sound around it, with `marginMs` of quiet before its first sound and
// after its last.
//
// Each cue owns its own times and up to kCueSearchMs beyond them, but never
// past the border with its neighbour, which lies in the longest quiet found
// between the two cues' middles near where one ends and the next begins.
// The clip runs from the first sound the cue owns to the last, with the
// margin; where neighbours' sounds lie closer than two margins, the clips
// meet halfway between them. A cue that ends past the recording, or owns no
// sound, is an error naming its line.
PlacedCues PlaceCues(const QList<SubtitleCue>& cues, const RecordingSound& sound, int marginMs,
                     const QString& sourceName);

} // namespace bookmaker
