#include "SpeechSynthesizer.h"

#include "platform/SharedLibrary.h"

#include <QDir>
#include <QDirIterator>
#include <cstring>
#include <espeak-ng/speak_lib.h>

// espeak-ng 1.51 opens an audio device of its own while it initialises, in
// every output mode, although we only take its PCM: it probes PulseAudio,
// whose client creates ~/.config/pulse, a runtime folder under /tmp or
// XDG_RUNTIME_DIR and a link between them when no sound server runs. The
// library asks pcaudiolib for that device through this one function; our
// definition comes first in the program's symbol lookup and offers none,
// which espeak-ng takes as a machine without sound. Nothing is lost: the
// audio engine plays the PCM, espeak-ng never plays anything itself.
extern "C" struct audio_object* create_audio_device_object(const char* /*device*/, const char* /*application*/,
                                                           const char* /*description*/)
{
    return nullptr;
}

namespace media {

const char* const kChineseVoice = "cmn-latn-pinyin";

// The part of espeak-ng the synthesizer uses, loaded when speech is first
// looked at: the library brings its own sound libraries along, which no
// start-up should wait for.
struct EspeakLibrary {
    platform::SharedLibrary library{"libespeak-ng.so.1"};
    TINGDU_LIBRARY_FUNCTION(Info, espeak_Info);
    TINGDU_LIBRARY_FUNCTION(Initialize, espeak_Initialize);
    TINGDU_LIBRARY_FUNCTION(Terminate, espeak_Terminate);
    TINGDU_LIBRARY_FUNCTION(SetSynthCallback, espeak_SetSynthCallback);
    TINGDU_LIBRARY_FUNCTION(SetVoiceByName, espeak_SetVoiceByName);
    TINGDU_LIBRARY_FUNCTION(TextToPhonemes, espeak_TextToPhonemes);
    TINGDU_LIBRARY_FUNCTION(Synth, espeak_Synth);
};

namespace {

constexpr int kSynthesisChunkMs = 100; // sound handed over in pieces of this length

int OnSynthesised(short* samples, int count, espeak_EVENT* events)
{
    auto* job = static_cast<SpeechJob*>(events ? events->user_data : nullptr);
    if (!job)
        return 0;
    if (samples && count > 0)
        job->Append(samples, count);
    return job->Cancelled() ? 1 : 0; // 1 asks espeak-ng to abandon the utterance
}

// Whether espeak-ng's data folder holds a voice file called `voice` (in any
// case) in its lang/ or voices/ tree. Only file names are read.
bool HasVoiceFile(const QString& dataPath, const QString& voice)
{
    if (dataPath.isEmpty())
        return false;
    for (const char* tree : {"lang", "voices"}) {
        QDirIterator files(QDir(dataPath).filePath(QLatin1String(tree)), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            if (files.fileName().compare(voice, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

// --- SpeechJob ---------------------------------------------------------------

SpeechJob::SpeechJob(std::string utf8Text, std::function<void()> onSound)
    : text_(std::move(utf8Text)), onSound_(std::move(onSound))
{
}

void SpeechJob::Cancel()
{
    std::lock_guard lock(mutex_);
    cancelled_ = true;
}

// `onSound_` is called under the lock and never once cancelled: after Cancel()
// returns, the job no longer reaches into the engine.
void SpeechJob::Append(const short* samples, int count)
{
    std::lock_guard lock(mutex_);
    if (cancelled_)
        return;
    pending_.insert(pending_.end(), samples, samples + count);
    made_ += count;
    if (onSound_)
        onSound_();
}

void SpeechJob::Finish()
{
    std::lock_guard lock(mutex_);
    finished_ = true;
    if (onSound_ && !cancelled_)
        onSound_();
}

ReadResult SpeechJob::Read(float* out, int frames)
{
    std::lock_guard lock(mutex_);
    const int count = static_cast<int>(std::min<size_t>(frames, pending_.size()));
    for (int i = 0; i < count; ++i)
        out[i] = pending_[static_cast<size_t>(i)] / 32768.0f;
    pending_.erase(pending_.begin(), pending_.begin() + count);
    return {count, finished_ && pending_.empty()};
}

std::int64_t SpeechJob::BytesMade() const
{
    std::lock_guard lock(mutex_);
    return made_ * static_cast<std::int64_t>(sizeof(short));
}

// --- SpeechSynthesizer -------------------------------------------------------

SpeechSynthesizer& SpeechSynthesizer::Instance()
{
    static SpeechSynthesizer synthesizer;
    return synthesizer;
}

SpeechSynthesizer::SpeechSynthesizer() : thread_([this] { Run(); }) {}

SpeechSynthesizer::~SpeechSynthesizer()
{
    {
        std::lock_guard lock(queueMutex_);
        quitting_ = true;
        for (const auto& job : queue_)
            job->Cancel();
    }
    queueCondition_.notify_all();
    thread_.join();
    std::lock_guard lock(engineMutex_);
    if (info_.loaded)
        espeak_->Terminate();
}

void SpeechSynthesizer::LoadAhead()
{
    {
        std::lock_guard lock(queueMutex_);
        loadAhead_ = true;
    }
    queueCondition_.notify_one();
}

void SpeechSynthesizer::LoadLocked()
{
    if (attempted_)
        return;
    attempted_ = true;
    espeak_ = platform::LoadedOnce<EspeakLibrary>("no speech through espeak-ng");
    if (!espeak_) {
        info_.problem = QStringLiteral("找不到 espeak-ng（libespeak-ng.so.1），请安装 espeak-ng");
        return;
    }
    info_.version = QString::fromUtf8(espeak_->Info(nullptr));
    // Without DONT_EXIT, espeak-ng ends the whole program when its data is missing.
    sampleRate_ = espeak_->Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kSynthesisChunkMs, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (sampleRate_ <= 0) {
        info_.problem = QStringLiteral("espeak-ng 无法载入它的语音数据");
        return;
    }
    info_.loaded = true;
    espeak_->SetSynthCallback(&OnSynthesised);
    // Choosing a voice by name makes espeak-ng read every installed voice
    // (some seven hundred files); at start-up the Mandarin voice is only
    // looked for among the data folder's file names, and chosen when it is
    // first needed. Only when it is not found that way is espeak-ng asked.
    const char* dataPath = nullptr;
    espeak_->Info(&dataPath);
    chineseAvailable_ = HasVoiceFile(QString::fromUtf8(dataPath ? dataPath : ""), QLatin1String(kChineseVoice)) ||
                        ChooseChineseVoiceLocked();
    if (chineseAvailable_)
        info_.languages << QLatin1String(kChineseVoice);
    else
        info_.problem = QStringLiteral("espeak-ng 没有普通话语音“%1”").arg(QLatin1String(kChineseVoice));
}

bool SpeechSynthesizer::ChooseChineseVoiceLocked()
{
    if (!voiceChosen_ && info_.loaded)
        voiceChosen_ = espeak_->SetVoiceByName(kChineseVoice) == EE_OK;
    return voiceChosen_;
}

SpeechEngineInfo SpeechSynthesizer::Describe()
{
    std::lock_guard lock(engineMutex_);
    LoadLocked();
    return info_;
}

bool SpeechSynthesizer::ReadyForChinese(QString* problem)
{
    std::lock_guard lock(engineMutex_);
    LoadLocked();
    if (problem)
        *problem = info_.problem;
    return chineseAvailable_;
}

int SpeechSynthesizer::SampleRate()
{
    std::lock_guard lock(engineMutex_);
    LoadLocked();
    return sampleRate_;
}

QString SpeechSynthesizer::Phonemes(const QString& text) { return Phonemes(text, QLatin1String(kChineseVoice)); }

QString SpeechSynthesizer::Phonemes(const QString& text, const QString& voice)
{
    std::lock_guard lock(engineMutex_);
    LoadLocked();
    QString phonemes;
    if (info_.loaded && espeak_->SetVoiceByName(voice.toUtf8().constData()) == EE_OK)
        phonemes = PhonemesLocked(text);
    // Speech goes on with the Chinese voice whatever voice was asked for here.
    if (voiceChosen_) {
        voiceChosen_ = false;
        ChooseChineseVoiceLocked();
    }
    return phonemes;
}

QString SpeechSynthesizer::PhonemesLocked(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QStringList clauses;
    // espeak-ng hands back one clause at a time and moves `next` past it.
    for (const void* next = utf8.constData(); next;) {
        if (const char* clause = espeak_->TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_SHOW))
            clauses << QString::fromUtf8(clause);
    }
    return clauses.join(QLatin1Char(' '));
}

std::shared_ptr<SpeechJob> SpeechSynthesizer::Start(const QString& text, std::function<void()> onSound)
{
    auto job = std::make_shared<SpeechJob>(text.toStdString(), std::move(onSound));
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back(job);
    }
    queueCondition_.notify_one();
    return job;
}

void SpeechSynthesizer::Run()
{
    for (;;) {
        std::shared_ptr<SpeechJob> job;
        {
            std::unique_lock lock(queueMutex_);
            queueCondition_.wait(lock, [this] { return quitting_ || loadAhead_ || !queue_.empty(); });
            if (quitting_)
                return;
            if (std::exchange(loadAhead_, false)) {
                lock.unlock();
                std::lock_guard engine(engineMutex_);
                LoadLocked();
                continue;
            }
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        Synthesise(*job);
        job->Finish(); // a cancelled or failed utterance ends too, with what it has
    }
}

void SpeechSynthesizer::Synthesise(SpeechJob& job)
{
    if (job.Cancelled())
        return;
    std::lock_guard lock(engineMutex_);
    LoadLocked();
    if (!ChooseChineseVoiceLocked())
        return;
    const std::string& text = job.Text();
    espeak_->Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &job);
}

} // namespace media
