#pragma once
// Stands in for espeak-ng under TSpVoice in screen tests. Constructing it
// installs it; destroying it returns to espeak-ng.
//
// Nothing ends by itself: the test calls FinishSpeaking() when the utterance
// being spoken should reach its end, and the end of stream is delivered right
// there, on the calling (GUI) thread. Every step is recorded, in order:
//   "connect", "speak <text>", "pause", "release"

#include "media/SpeechVoice.h"

#include <QString>
#include <QStringList>
#include <memory>

class FakeVoice final : public media::SpeechVoices {
public:
    FakeVoice();
    ~FakeVoice() override;

    const QStringList& Commands() const { return state_->commands; }
    void ClearCommands() { state_->commands.clear(); }
    // The texts spoken so far, in order.
    const QStringList& Spoken() const { return state_->spoken; }
    // An utterance is connected, started, and has not ended.
    bool IsSpeaking() const;
    // Ends the utterance being spoken, delivering its end of stream with
    // `streamPosition`; false when nothing is being spoken.
    bool FinishSpeaking(int streamPosition = 0);
    // From now on Speak raises Exception with `reason` (no Chinese engine).
    void FailSpeaking(const QString& reason) { state_->failure = reason; }

    std::unique_ptr<media::SpeechConnection> Connect() override;

    struct Utterance;
    struct State {
        QStringList commands;
        QStringList spoken;
        QString failure;
        Utterance* current = nullptr; // the connection speaking now, if any
    };

private:
    std::shared_ptr<State> state_ = std::make_shared<State>();
};
