#pragma once
// English speech for the lesson recordings, from flite: each sentence is
// synthesised whole, so the exact number of samples of every sentence is
// known, and the same text gives the same samples on every build.

#include <QString>

#include <memory>
#include <vector>

struct cst_voice_struct;

namespace bookmaker {

// The voices a book may name; the first is the default.
QStringList EnglishVoices();

// The stretch of `samples` that holds all of its sound (every sample above
// -50 dBFS), with `marginMs` of quiet kept before the first sound and after
// the last; samples of quiet are added where the speech has fewer. Empty when
// nothing is louder than -50 dBFS.
std::vector<short> AroundTheSound(const std::vector<short>& samples, int sampleRate, int marginMs);

// The level below which a sample counts as quiet: -50 dBFS of 16-bit sound.
inline constexpr int kQuietLevel = 103;
// The quiet a clip keeps before its first sound and after its last.
inline constexpr int kClipMarginMs = 50;

class SpeechSynthesizer {
public:
    // `voice` one of EnglishVoices(); `pace` stretches every sound (1 is the
    // voice's own pace, 1.2 a little slower). Null on failure, with the
    // reason in `error`.
    static std::unique_ptr<SpeechSynthesizer> Create(const QString& voice, double pace, QString& error);
    SpeechSynthesizer(const SpeechSynthesizer&) = delete;
    SpeechSynthesizer& operator=(const SpeechSynthesizer&) = delete;

    int SampleRate() const { return sampleRate_; }
    // The spoken `text` as 16-bit mono samples, cut around its sound with
    // kClipMarginMs of quiet on each side. False if nothing was spoken.
    bool Speak(const QString& text, std::vector<short>& samples, QString& error);

private:
    SpeechSynthesizer(cst_voice_struct* voice, int sampleRate) : voice_(voice), sampleRate_(sampleRate) {}
    bool Synthesise(const QString& text, std::vector<short>& samples, int& sampleRate) const;

    cst_voice_struct* voice_;
    int sampleRate_;
};

} // namespace bookmaker
