#pragma once
// English speech for the lesson recordings, from espeak-ng's library in its
// synchronous mode: each sentence is synthesised whole before Speak returns,
// so the exact number of samples of every sentence is known.

#include <QString>

#include <memory>
#include <vector>

namespace bookmaker {

class SpeechSynthesizer {
public:
    // One per process: espeak-ng keeps its state globally. Null on failure,
    // with the reason in `error`.
    static std::unique_ptr<SpeechSynthesizer> Create(const QString& voice, int wordsPerMinute, QString& error);
    ~SpeechSynthesizer();
    SpeechSynthesizer(const SpeechSynthesizer&) = delete;
    SpeechSynthesizer& operator=(const SpeechSynthesizer&) = delete;

    int SampleRate() const { return sampleRate_; }
    // The spoken `text` as 16-bit mono samples, without the silence espeak-ng
    // leaves before and after it. False if nothing could be synthesised.
    bool Speak(const QString& text, std::vector<short>& samples, QString& error);

private:
    explicit SpeechSynthesizer(int sampleRate) : sampleRate_(sampleRate) {}
    int sampleRate_;
};

} // namespace bookmaker
