#pragma once
// What compiling a course source into a sentence book takes, whether the
// bookmaker speaks the recordings or finds the sentences in given ones:
// reading the source, checking the book's fields before any time goes into
// speech, and the book's voices.

#include "CourseSource.h"
#include "SpeechSynthesizer.h"
#include "sentence/SentenceBookWriter.h"

#include <map>
#include <memory>

namespace bookmaker {

// Reads and parses the source; false with every fault told.
bool ReadCourse(const QString& sourcePath, Recordings recordings, CourseSource& course);
// Whether every title, text and name fits a book; false with every fault told.
bool BookFits(const CourseSource& course, const QString& sourcePath);
// OUTDIR/Sound/<folder>, made if need be; empty (with the fault told) if it cannot be.
QString MadeSoundFolder(const CourseSource& course, const QString& outputFolder);
// Copies a recording into a book's sound folder, whole or not at all (a
// recording already there stays as it is); false with the fault told.
bool CopyWhole(const QString& from, const QString& to);
// Writes OUTDIR/EnglishBook/<book>.jz, last of all: a build that sees it
// newer than its source knows the recordings are done too. Its path, or
// empty with the fault told.
QString WrittenBook(const sentence::SentenceBookWriter& writer, const CourseSource& course, const QString& outputFolder);

// The book's voices, each started when a sentence first needs it; all at
// the book's pace.
class Voices {
public:
    explicit Voices(const CourseSource& course) : course_(course) {}

    // The voice of `sentence`; null (with the fault told) if it cannot start
    // or speaks at another rate than the book's voice, whose recording it
    // shares.
    SpeechSynthesizer* For(const SourceSentence& sentence);

private:
    SpeechSynthesizer* Started(const QString& name);

    const CourseSource& course_;
    std::map<QString, std::unique_ptr<SpeechSynthesizer>> started_;
};

} // namespace bookmaker
