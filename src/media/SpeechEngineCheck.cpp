#include "SpeechEngineCheck.h"

#include <espeak-ng/speak_lib.h>

namespace media {
namespace {

const QString kMandarin = QStringLiteral("cmn");

} // namespace

SpeechEngineStatus CheckSpeechEngine(const SpeechEngineInfo& engine)
{
    return {engine.version, engine.loaded && engine.languages.contains(kMandarin)};
}

SpeechEngineStatus CheckSpeechEngine() { return CheckSpeechEngine(SpeechSynthesizer::Instance().Describe()); }

QString SpeechEngineVersion() { return QString::fromUtf8(espeak_Info(nullptr)); }

void FillSpeechReady(const SpeechEngineStatus& status, std::uint8_t& speechReady, QString& speechReadyText)
{
    speechReady = status.speaksChinese ? 1 : 0;
    speechReadyText = status.speaksChinese ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace media
