#include "SpeechEngineCheck.h"

namespace media {
namespace {

// What the version button shows when nothing can speak Chinese.
const QString kNoEngineVersion = QStringLiteral("0.0");

} // namespace

SpeechEngineStatus CheckSpeechEngine(const SpeechEngineInfo& engine)
{
    // An installed library without its data or without the Mandarin voice
    // cannot say a word, so it counts as no engine at all.
    const bool speaksChinese = engine.loaded && engine.languages.contains(QLatin1String(kChineseVoice));
    return {speaksChinese ? engine.version : kNoEngineVersion, speaksChinese};
}

SpeechEngineStatus CheckSpeechEngine() { return CheckSpeechEngine(SpeechSynthesizer::Instance().Describe()); }

QString SpeechEngineVersion() { return CheckSpeechEngine().version; }

void FillSpeechReady(const SpeechEngineStatus& status, std::uint8_t& speechReady, QString& speechReadyText)
{
    speechReady = status.speaksChinese ? 1 : 0;
    speechReadyText = status.speaksChinese ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace media
