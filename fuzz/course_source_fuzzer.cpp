// Course sources (the bookmaker's "key: value" text): whatever the text, the
// parser accepts it with no fault told or refuses it with faults that each
// name the source; an accepted course has what "bookmaker sentence" needs to
// compile it, as tools/bookmaker/README.md describes: a book and a sound
// folder usable as names, a voice and pace it knows, and lessons of
// sentences with typeable English and Chinese GBK can store. A course for
// "bookmaker align" also has a recording of its own for every lesson.

#include "CourseSource.h"
#include "FuzzCheck.h"
#include "SourceText.h"
#include "SpeechSynthesizer.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace {

using namespace bookmaker;

const QString kSourceName = QStringLiteral("fuzz.txt");

bool IsStorableName(const QString& name) { return IsPlainName(name) && FitsGbk(name); }

void CheckSentence(const SourceSentence& sentence)
{
    FUZZ_CHECK(!sentence.english.isEmpty() && IsTypeableAscii(sentence.english), "the English is typeable");
    FUZZ_CHECK(!sentence.chinese.isEmpty() && FitsGbk(sentence.chinese), "every sentence has Chinese GBK can store");
    FUZZ_CHECK(FitsGbk(sentence.note), "the note fits GBK");
    FUZZ_CHECK(IsTypeableAscii(sentence.spoken), "what the voice says is ASCII");
    FUZZ_CHECK(sentence.speaker.isEmpty() || EnglishVoices().contains(sentence.speaker), "a known speaker");
    FUZZ_CHECK(sentence.line > 0, "a sentence knows its line");
}

void CheckCourse(const CourseSource& course)
{
    FUZZ_CHECK(IsStorableName(course.bookName) && IsStorableName(course.soundFolder), "book and folder are names");
    FUZZ_CHECK(EnglishVoices().contains(course.voice), "a known voice");
    FUZZ_CHECK(course.pace >= 0.8 && course.pace <= 2.0, "the pace lies in its range");
    FUZZ_CHECK(!course.lessons.isEmpty(), "a course has lessons");
    for (const SourceLesson& lesson : course.lessons) {
        FUZZ_CHECK(!lesson.title.isEmpty() && FitsGbk(lesson.title), "a lesson has a title GBK can store");
        FUZZ_CHECK(IsStorableName(lesson.recording), "a lesson's recording is a file name");
        FUZZ_CHECK(!lesson.sentences.isEmpty(), "a lesson has sentences");
        for (const SourceSentence& sentence : lesson.sentences)
            CheckSentence(sentence);
    }
}

// Every lesson names a recording the bookmaker reads, no two of one file name.
void CheckGivenRecordings(const CourseSource& course)
{
    QStringList names;
    for (const SourceLesson& lesson : course.lessons) {
        FUZZ_CHECK(!lesson.recordingSource.isEmpty(), "every lesson names its recording");
        FUZZ_CHECK(IsRecordingFormat(lesson.recording), "a recording the bookmaker reads");
        FUZZ_CHECK(!names.contains(lesson.recording, Qt::CaseInsensitive), "no two lessons share a recording");
        names.append(lesson.recording);
    }
}

void CheckParse(const QString& text, Recordings recordings)
{
    CourseSource course;
    QStringList errors;
    const bool parsed = ParseCourseSource(text, kSourceName, course, errors, recordings);
    FUZZ_CHECK(parsed == errors.isEmpty(), "a source is accepted exactly when no fault is told");
    for (const QString& error : errors)
        FUZZ_CHECK(error.startsWith(kSourceName + u':'), "every fault names the source");
    if (!parsed)
        return;
    CheckCourse(course);
    if (recordings == Recordings::Given)
        CheckGivenRecordings(course);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    CheckParse(text, Recordings::Spoken);
    CheckParse(text, Recordings::Given);
    return 0;
}
