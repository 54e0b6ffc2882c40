#pragma once
// The speech voice of the sentence read-along: speaks Chinese text
// asynchronously and tells when it has finished.
//
// Speak releases the voice connection in use (which silences it) and speaks
// on a new connection; Silence pauses the connection, then releases it. The
// end of stream arrives on the GUI thread once per utterance that was spoken
// to its end; a released connection never delivers one.
//
// Underneath sits the voice seam: the program's voices speak with espeak-ng
// through the audio engine, tests install a fake whose end of stream they
// trigger. GUI thread only.

#include <QString>
#include <functional>
#include <memory>

namespace media {

// One connected voice. Destroying it releases it: it falls silent and never
// delivers its end of stream.
class SpeechConnection {
public:
    using EndOfStream = std::function<void(int streamPosition)>;
    virtual ~SpeechConnection() = default;
    // Starts speaking and returns at once. `onEnd` is called on the GUI thread
    // when the utterance has been spoken to its end, with its length in bytes
    // of 16-bit sound. Raises Exception when the engine cannot speak Chinese.
    virtual void Speak(const QString& text, EndOfStream onEnd) = 0;
    virtual void Pause() = 0;
};

class SpeechVoices {
public:
    virtual ~SpeechVoices() = default;
    virtual std::unique_ptr<SpeechConnection> Connect() = 0;
};

// The installed voices; espeak-ng's unless a test installed others.
SpeechVoices& speechVoices();
// Installs `voices` (not owned); nullptr returns to espeak-ng.
void InstallSpeechVoices(SpeechVoices* voices);

} // namespace media

class TSpVoice {
public:
    // Stream numbers count this voice's utterances from 1.
    std::function<void(int streamNumber, int streamPosition)> OnEndStream;

    TSpVoice();
    ~TSpVoice();
    TSpVoice(const TSpVoice&) = delete;
    TSpVoice& operator=(const TSpVoice&) = delete;

    // Asynchronous; raises Exception when no Chinese speech engine is there.
    void Speak(const QString& text);
    // Pauses the current utterance and releases it; it never ends its stream.
    void Silence();
    // The stream number of the utterance started last (0 before the first).
    int StreamNumber() const { return streamNumber_; }

private:
    void EndOfStream(int streamNumber, int streamPosition);

    std::unique_ptr<media::SpeechConnection> connection_;
    int streamNumber_ = 0;
};
