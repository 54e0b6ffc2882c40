#include "SpeechSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstdlib>

namespace bookmaker {
namespace {

// espeak-ng hands synthesised audio to this callback in pieces; the sample
// vector of the current Speak call travels in the event's user data.
int CollectSamples(short* samples, int count, espeak_EVENT* events)
{
    if (samples != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
        auto* collected = static_cast<std::vector<short>*>(events->user_data);
        collected->insert(collected->end(), samples, samples + count);
    }
    return 0;   // go on
}

// Samples quieter than this count as silence when trimming.
constexpr int kSilenceLevel = 300;

// The spoken part of `samples`, with a few milliseconds of margin kept so the
// first and last sounds are not clipped.
void TrimSilence(std::vector<short>& samples, int sampleRate)
{
    const auto loud = [](short sample) { return std::abs(int(sample)) > kSilenceLevel; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        samples.clear();
        return;
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const std::ptrdiff_t margin = sampleRate / 100;   // 10 ms
    const auto begin = first - std::min(margin, first - samples.begin());
    const auto end = last + std::min(margin, samples.end() - last);
    samples = std::vector<short>(begin, end);
}

} // namespace

std::unique_ptr<SpeechSynthesizer> SpeechSynthesizer::Create(const QString& voice, int wordsPerMinute, QString& error)
{
    const int sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (sampleRate <= 0) {
        error = QStringLiteral("espeak-ng could not start (is espeak-ng-data installed?)");
        return nullptr;
    }
    espeak_SetSynthCallback(CollectSamples);
    if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK) {
        error = QStringLiteral("espeak-ng has no voice \"%1\"").arg(voice);
        espeak_Terminate();
        return nullptr;
    }
    espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    return std::unique_ptr<SpeechSynthesizer>(new SpeechSynthesizer(sampleRate));
}

SpeechSynthesizer::~SpeechSynthesizer()
{
    espeak_Terminate();
}

bool SpeechSynthesizer::Speak(const QString& text, std::vector<short>& samples, QString& error)
{
    samples.clear();
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &samples);
    if (result != EE_OK) {
        error = QStringLiteral("espeak-ng failed on \"%1\"").arg(text);
        return false;
    }
    TrimSilence(samples, sampleRate_);
    if (samples.empty()) {
        error = QStringLiteral("espeak-ng produced no sound for \"%1\"").arg(text);
        return false;
    }
    return true;
}

} // namespace bookmaker
