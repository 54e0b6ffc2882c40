#include "FakeVoice.h"
#include "platform/Errors.h"

struct FakeVoice::Utterance final : media::SpeechConnection {
    explicit Utterance(std::shared_ptr<State> state) : state(std::move(state))
    {
        this->state->commands << QStringLiteral("connect");
    }

    ~Utterance() override
    {
        state->commands << QStringLiteral("release");
        if (state->current == this)
            state->current = nullptr;
    }

    void Speak(const QString& text, EndOfStream end) override
    {
        if (!state->failure.isEmpty())
            throw Exception(state->failure);
        state->commands << QStringLiteral("speak %1").arg(text);
        state->spoken << text;
        onEnd = std::move(end);
        paused = false;
        state->current = this;
    }

    void Pause() override
    {
        state->commands << QStringLiteral("pause");
        paused = true;
    }

    std::shared_ptr<State> state;
    EndOfStream onEnd;
    bool paused = false;
};

FakeVoice::FakeVoice() { media::InstallSpeechVoices(this); }

FakeVoice::~FakeVoice() { media::InstallSpeechVoices(nullptr); }

bool FakeVoice::IsSpeaking() const { return state_->current && !state_->current->paused; }

bool FakeVoice::FinishSpeaking(int streamPosition)
{
    if (!IsSpeaking())
        return false;
    // The handler may speak again and release this utterance: detach first.
    Utterance* finished = state_->current;
    state_->current = nullptr;
    const auto onEnd = std::move(finished->onEnd);
    finished->onEnd = nullptr;
    if (onEnd)
        onEnd(streamPosition);
    return true;
}

std::unique_ptr<media::SpeechConnection> FakeVoice::Connect() { return std::make_unique<Utterance>(state_); }
