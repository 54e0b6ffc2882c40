#include "SpeechSynthesizer.h"

#include <QStringList>

extern "C" {
#include <flite/flite.h>
cst_voice* register_cmu_us_rms(const char* voxdir);
cst_voice* register_cmu_us_slt(const char* voxdir);
}

#include <algorithm>
#include <cstdlib>

namespace bookmaker {

QStringList EnglishVoices() { return {QStringLiteral("rms"), QStringLiteral("slt")}; }

std::vector<short> AroundTheSound(const std::vector<short>& samples, int sampleRate, int marginMs)
{
    const auto loud = [](short sample) { return std::abs(int(sample)) > kQuietLevel; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const std::ptrdiff_t margin = std::ptrdiff_t(sampleRate) * marginMs / 1000;
    const std::ptrdiff_t before = std::min(margin, first - samples.begin());
    const std::ptrdiff_t after = std::min(margin, samples.end() - last);
    std::vector<short> cut(std::size_t(margin - before), 0);
    cut.insert(cut.end(), first - before, last + after);
    cut.resize(cut.size() + std::size_t(margin - after), 0);
    return cut;
}

std::unique_ptr<SpeechSynthesizer> SpeechSynthesizer::Create(const QString& voiceName, double pace, QString& error)
{
    static const bool started = (flite_init(), true);
    (void)started;
    cst_voice* voice = nullptr;
    if (voiceName == QLatin1String("rms"))
        voice = register_cmu_us_rms(nullptr);
    else if (voiceName == QLatin1String("slt"))
        voice = register_cmu_us_slt(nullptr);
    if (voice == nullptr) {
        error = QStringLiteral("flite has no voice \"%1\" (voices: %2)").arg(voiceName, EnglishVoices().join(", "));
        return nullptr;
    }
    feat_set_float(voice->features, "duration_stretch", float(pace));
    std::unique_ptr<SpeechSynthesizer> synthesizer(new SpeechSynthesizer(voice, 0));
    // The voice's rate, told by what it makes of a word.
    std::vector<short> probe;
    if (!synthesizer->Synthesise(QStringLiteral("Hello."), probe, synthesizer->sampleRate_) ||
        synthesizer->sampleRate_ <= 0) {
        error = QStringLiteral("flite's voice \"%1\" produced no sound").arg(voiceName);
        return nullptr;
    }
    return synthesizer;
}

bool SpeechSynthesizer::Synthesise(const QString& text, std::vector<short>& samples, int& sampleRate) const
{
    const QByteArray utf8 = text.toUtf8();
    cst_wave* wave = flite_text_to_wave(utf8.constData(), voice_);
    if (wave == nullptr)
        return false;
    samples.assign(wave->samples, wave->samples + std::max(0, wave->num_samples) * std::max(1, wave->num_channels));
    sampleRate = wave->sample_rate;
    delete_wave(wave);
    return true;
}

bool SpeechSynthesizer::Speak(const QString& text, std::vector<short>& samples, QString& error)
{
    std::vector<short> spoken;
    int rate = 0;
    if (!Synthesise(text, spoken, rate) || rate != sampleRate_) {
        error = QStringLiteral("flite failed on \"%1\"").arg(text);
        return false;
    }
    samples = AroundTheSound(spoken, sampleRate_, kClipMarginMs);
    if (samples.empty()) {
        error = QStringLiteral("flite produced no sound for \"%1\"").arg(text);
        return false;
    }
    return true;
}

} // namespace bookmaker
