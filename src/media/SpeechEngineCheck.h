#pragma once
// The speech-engine check of the help dialog: which engine version is
// installed, and whether it can speak Chinese (espeak-ng with its Mandarin
// voice "cmn-latn-pinyin"). The read-along speaks only when the check said so.

#include "SpeechSynthesizer.h"

#include <QString>
#include <cstdint>

namespace media {

struct SpeechEngineStatus {
    QString version;          // the engine's version text, e.g. "1.51"; "0.0" when it cannot speak Chinese
    bool speaksChinese = false;
};

// Judges a described engine: Chinese-capable when it loaded and one of its
// voices speaks Mandarin.
SpeechEngineStatus CheckSpeechEngine(const SpeechEngineInfo& engine);
// Checks the installed espeak-ng.
SpeechEngineStatus CheckSpeechEngine();

// The version text of the installed engine, as the version button shows it:
// "0.0" unless it can speak Chinese.
QString SpeechEngineVersion();

// Fills the help dialog's two fields: 1 and "True" when the engine speaks
// Chinese, else 0 and "False".
void FillSpeechReady(const SpeechEngineStatus& status, std::uint8_t& speechReady, QString& speechReadyText);

} // namespace media
