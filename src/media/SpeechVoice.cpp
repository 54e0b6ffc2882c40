#include "SpeechVoice.h"
#include "AudioEngine.h"
#include "SpeechSynthesizer.h"
#include "platform/Errors.h"
#include "platform/SeamSlot.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <functional>
#include <mutex>
#include <vector>

namespace media {
namespace {

// Ends of speech on their way from the decoding thread to the GUI thread.
// They cross under our own lock, and the queued call that delivers them
// carries nothing of its own: Qt hands its queued calls over with atomics and
// futexes that a thread checker cannot see into, so no data of ours may ride
// inside one.
class EndsOfSpeech {
public:
    static void Post(std::function<void()> end)
    {
        QCoreApplication* application = QCoreApplication::instance();
        if (!application)
            return;
        {
            std::lock_guard lock(mutex_);
            pending_.push_back(std::move(end));
        }
        QMetaObject::invokeMethod(application, [] { DeliverAll(); }, Qt::QueuedConnection);
    }

private:
    static void DeliverAll()
    {
        std::vector<std::function<void()>> ready;
        {
            std::lock_guard lock(mutex_);
            ready.swap(pending_);
        }
        for (const auto& end : ready)
            end();
    }

    static inline std::mutex mutex_;
    static inline std::vector<std::function<void()>> pending_;
};

// An utterance synthesised by espeak-ng and played through the audio engine.
// Its end of stream is posted to the GUI thread; `alive_` is only read and
// written there, so a connection released before the posted call runs
// silently drops it.
class EspeakConnection final : public SpeechConnection {
public:
    ~EspeakConnection() override
    {
        *alive_ = false;
        if (job_)
            job_->Cancel();
        if (stream_)
            AudioEngine::Instance().Detach(stream_);
    }

    void Speak(const QString& text, EndOfStream onEnd) override
    {
        auto& synthesizer = SpeechSynthesizer::Instance();
        QString problem;
        if (!synthesizer.ReadyForChinese(&problem))
            throw Exception(QStringLiteral("无法朗读中文：%1。").arg(problem));
        auto& engine = AudioEngine::Instance();
        job_ = synthesizer.Start(text, [&engine] { engine.WakeDecoder(); });
        stream_ = engine.Attach(std::make_unique<SpeechSource>(job_, synthesizer.SampleRate()));
        stream_->SetFinishedHandler([alive = alive_, job = job_, onEnd = std::move(onEnd)] {
            PostEndOfStream(alive, static_cast<int>(job->BytesMade()), onEnd);
        });
        stream_->Play(0, PlaybackStream::kToEnd);
    }

    void Pause() override
    {
        if (stream_)
            stream_->Stop();
    }

private:
    // Runs on the engine's decoding thread.
    static void PostEndOfStream(std::shared_ptr<bool> alive, int bytes, EndOfStream onEnd)
    {
        EndsOfSpeech::Post([alive = std::move(alive), bytes, onEnd = std::move(onEnd)] {
            if (!*alive)
                return;
            *alive = false; // one end of stream per utterance
            platform::CallGuarded([&] { onEnd(bytes); });
        });
    }

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::shared_ptr<SpeechJob> job_;
    std::shared_ptr<PlaybackStream> stream_;
};

class EspeakVoices final : public SpeechVoices {
public:
    std::unique_ptr<SpeechConnection> Connect() override { return std::make_unique<EspeakConnection>(); }
};

platform::SeamSlot<SpeechVoices, EspeakVoices> slot;

} // namespace

SpeechVoices& speechVoices() { return slot.Get(); }
void InstallSpeechVoices(SpeechVoices* voices) { slot.Install(voices); }

} // namespace media

TSpVoice::TSpVoice() = default;

TSpVoice::~TSpVoice() = default;

void TSpVoice::Speak(const QString& text)
{
    connection_.reset();
    connection_ = media::speechVoices().Connect();
    const int streamNumber = ++streamNumber_;
    connection_->Speak(text, [this, streamNumber](int streamPosition) { EndOfStream(streamNumber, streamPosition); });
}

void TSpVoice::Silence()
{
    if (!connection_)
        return;
    connection_->Pause();
    connection_.reset();
}

void TSpVoice::EndOfStream(int streamNumber, int streamPosition)
{
    // A handler may speak again, which replaces OnEndStream's connection: call a copy.
    const auto handler = OnEndStream;
    if (handler)
        handler(streamNumber, streamPosition);
}
