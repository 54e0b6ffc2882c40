#pragma once
// Finds each sentence of a lesson in a recording of real speech.
//
// The recording is cut where it pauses (and, where a speaker runs on, where
// its loudness dips); the lesson's sentences are then laid over those pieces
// in order so that each sentence's length matches what a synthetic voice
// takes to say it (at the speaker's own pace, measured from the whole
// lesson), pauses fall between sentences rather than inside them, and no
// sentence ends where the speaker did not stop. Where two sentences run into
// each other, their boundary is found by dynamic time warping of the pair's
// synthetic rendering against the recording. Each clip is then placed
// around the sound of its span by the clip rule.

#include "ClipRule.h"
#include "LessonRecording.h"

#include <QString>

#include <vector>

namespace bookmaker {

// A sentence as the bookmaker's voice says it: mono samples cut around its
// sound with kClipMarginMs of quiet at each end (SpeechSynthesizer::Speak).
struct SentenceRendering {
    std::vector<short> samples;
    int rate = 0;
    int breaks = 0;   // where a speaker may pause inside it: PlacesToPause(its text)
};

// The places inside a sentence where a reader may pause: after a full stop,
// question or exclamation mark, colon, semicolon or comma that more words
// follow. A reader pauses there as long as between sentences, sometimes;
// the bookmaker's voice hardly does.
int PlacesToPause(const QString& text);

struct AlignedSentence {
    Clip clip;
    bool found = false;
    // Why the clip may be wrong, for the author to listen to; empty if sure.
    QString doubt;
};

// One entry per rendering, in order; sentences the recording does not hold
// have found == false.
std::vector<AlignedSentence> AlignSentences(const Recording& recording, const std::vector<SentenceRendering>& renderings);

} // namespace bookmaker
