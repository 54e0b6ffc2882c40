#pragma once
// Speech synthesis with espeak-ng. The library keeps global state, so one
// synthesis thread owns it: utterances are synthesised there, one at a time,
// into PCM that the audio engine plays while the rest is still being made.

#include "SoundSource.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace media {

// One utterance: filled by the synthesis thread, drained by the engine.
class SpeechJob {
public:
    SpeechJob(std::string utf8Text, std::function<void()> onSound);

    const std::string& Text() const { return text_; }
    // Stops the synthesis at its next chunk. Once this returns, `onSound` is
    // not called again.
    void Cancel();
    bool Cancelled() const { return cancelled_; }

    // Synthesis thread.
    void Append(const short* samples, int count);
    void Finish();

    // Reading side: 16-bit samples as floats. Nothing yet and not finished
    // reads as zero frames without `ended`.
    ReadResult Read(float* out, int frames);
    // Bytes of 16-bit sound made so far.
    std::int64_t BytesMade() const;

private:
    const std::string text_;
    const std::function<void()> onSound_;
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    std::deque<short> pending_;
    std::int64_t made_ = 0;
    bool finished_ = false;
};

// The voice that reads Chinese characters as Mandarin. espeak-ng's "cmn"
// voice reads most of them as English-spelled pinyin instead.
extern const char* const kChineseVoice;

// espeak-ng as seen by the speech-engine check.
struct SpeechEngineInfo {
    bool loaded = false;     // the library and its data loaded
    QString version;         // e.g. "1.51"
    QString problem;         // why it did not load
    QStringList languages;   // the language of every installed voice, e.g. "cmn", "en-us"
};

struct EspeakLibrary;

class SpeechSynthesizer {
public:
    static SpeechSynthesizer& Instance();
    ~SpeechSynthesizer();

    // Loads espeak-ng on first use; later calls return the same answer.
    SpeechEngineInfo Describe();
    // Starts loading espeak-ng on the synthesis thread now, so that the
    // first call above finds it loaded (or waits only for the rest).
    void LoadAhead();
    // True when espeak-ng loaded and its Mandarin voice could be chosen;
    // otherwise `problem` tells why.
    bool ReadyForChinese(QString* problem);
    int SampleRate();
    // What the Chinese voice would say for `text`, in espeak-ng's phoneme
    // notation; with `voice`, what that voice would say. Empty when espeak-ng
    // or the voice is missing.
    QString Phonemes(const QString& text);
    QString Phonemes(const QString& text, const QString& voice);

    // Queues `text` for synthesis; `onSound` is called (on the synthesis
    // thread) whenever more sound or the end is there.
    std::shared_ptr<SpeechJob> Start(const QString& text, std::function<void()> onSound);

private:
    SpeechSynthesizer();
    void LoadLocked();
    // Chooses the Mandarin voice unless it is already the one speaking.
    bool ChooseChineseVoiceLocked();
    QString PhonemesLocked(const QString& text);
    void Run();
    void Synthesise(SpeechJob& job);

    std::mutex engineMutex_; // every espeak-ng call holds it
    bool attempted_ = false;
    const EspeakLibrary* espeak_ = nullptr; // set by the load, when the library is there
    SpeechEngineInfo info_;
    int sampleRate_ = 0;
    bool chineseAvailable_ = false; // the Mandarin voice is installed
    bool voiceChosen_ = false;      // and espeak-ng speaks with it now

    std::mutex queueMutex_;
    std::condition_variable queueCondition_;
    std::deque<std::shared_ptr<SpeechJob>> queue_;
    bool quitting_ = false;
    bool loadAhead_ = false;
    std::thread thread_;
};

// A speech job as a sound source for the engine (mono at espeak's rate).
class SpeechSource final : public SoundSource {
public:
    SpeechSource(std::shared_ptr<SpeechJob> job, int sampleRate) : job_(std::move(job)), sampleRate_(sampleRate) {}
    SoundFormat Format() const override { return {sampleRate_, 1}; }
    std::int64_t LengthFrames() const override { return kUnknownLength; }
    // An utterance is only ever played from its start.
    bool Seek(std::int64_t frame) override { return frame == 0; }
    ReadResult Read(float* out, int frames) override { return job_->Read(out, frames); }

private:
    std::shared_ptr<SpeechJob> job_;
    int sampleRate_;
};

} // namespace media
