// Subtitle files (SRT, LRC) for "bookmaker import": whatever the bytes, the
// reader gives cues or faults, never both nor neither, every message naming
// the file; the cues follow one another in time, each with English a learner
// can type and Chinese a book can store. Placed on a recording with a
// sentence every second, the cues get one clip each, inside the recording and
// in order, or faults naming the file.

#include "CuePlacement.h"
#include "FuzzCheck.h"
#include "SourceText.h"
#include "SubtitleFile.h"
#include "platform/GbkDecoder.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace bookmaker;

void CheckMessagesName(const QStringList& messages, const QString& fileName)
{
    for (const QString& message : messages)
        FUZZ_CHECK(message.startsWith(fileName + u':'), "every message names the file");
}

bool IsTidyEnglish(const QString& english)
{
    return !english.isEmpty() && IsTypeableAscii(english) && english == english.simplified();
}

void CheckCues(const Subtitles& subtitles, QByteArrayView bytes)
{
    FUZZ_CHECK(!subtitles.cues.isEmpty(), "subtitles without faults hold cues");
    for (qsizetype i = 0; i < subtitles.cues.size(); ++i) {
        const SubtitleCue& cue = subtitles.cues[i];
        FUZZ_CHECK(IsTidyEnglish(cue.english), "the English is typeable, single-spaced and trimmed");
        FUZZ_CHECK(FitsGbk(cue.chinese), "the Chinese fits GBK");
        FUZZ_CHECK(cue.line >= 1 && cue.line <= bytes.size() + 1, "a cue's line lies in the file");
        FUZZ_CHECK(cue.startMs >= 0, "no cue starts before the recording");
        if (i + 1 == subtitles.cues.size())
            break;
        const SubtitleCue& next = subtitles.cues[i + 1];
        FUZZ_CHECK(!cue.lastsToTheEnd, "only the last cue runs to the recording's end");
        FUZZ_CHECK(cue.startMs < cue.endMs && cue.endMs <= next.startMs, "cues follow one another, apart");
    }
}

// A recording of at most ten minutes, at 1,000 samples a second, sounding
// from 200 to 600 ms of every second.
RecordingSound SentenceEverySecond(const QList<SubtitleCue>& cues)
{
    qint64 lengthMs = 1000;
    for (const SubtitleCue& cue : cues)
        lengthMs = std::max(lengthMs, (cue.lastsToTheEnd ? cue.startMs : cue.endMs) + 1500);
    lengthMs = std::min<qint64>(lengthMs, 600000);
    RecordingSound sound{1000, lengthMs, {}};
    for (qint64 second = 0; second * 1000 + 600 < lengthMs; ++second)
        sound.stretches.push_back({second * 1000 + 200, second * 1000 + 600});
    return sound;
}

void CheckPlacement(const Subtitles& subtitles, const QString& fileName)
{
    const RecordingSound sound = SentenceEverySecond(subtitles.cues);
    const PlacedCues placed = PlaceCues(subtitles.cues, sound, 50, fileName);
    CheckMessagesName(placed.errors, fileName);
    if (!placed.errors.isEmpty()) {
        FUZZ_CHECK(placed.clips.empty(), "faulty cues get no clips");
        return;
    }
    FUZZ_CHECK(placed.clips.size() == std::size_t(subtitles.cues.size()), "one clip per cue");
    qint64 previousEnd = 0;
    for (const CueClip& clip : placed.clips) {
        FUZZ_CHECK(clip.startMs >= previousEnd, "clips follow one another without overlapping");
        FUZZ_CHECK(clip.startMs < clip.endMs && clip.endMs <= sound.LengthMs(), "a clip lies inside the recording");
        previousEnd = clip.endMs;
    }
}

void CheckRead(QByteArrayView bytes, const QString& fileName)
{
    const Subtitles subtitles = ReadSubtitles(bytes, fileName);
    CheckMessagesName(subtitles.errors, fileName);
    CheckMessagesName(subtitles.warnings, fileName);
    if (!subtitles.Ok()) {
        FUZZ_CHECK(subtitles.cues.isEmpty(), "faulty subtitles give no cues");
        return;
    }
    CheckCues(subtitles, bytes);
    CheckPlacement(subtitles, fileName);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::PrepareGbkDecoder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The name decides the format only where the content cannot: both.
    CheckRead(bytes, QStringLiteral("fuzz.srt"));
    CheckRead(bytes, QStringLiteral("fuzz.lrc"));
    return 0;
}
