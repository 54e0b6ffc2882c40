#pragma once
// The plain-text source of a sentence book (format in README.md beside this
// file): a book name, a sound folder and lessons of sentences.

#include <QList>
#include <QString>
#include <QStringList>

namespace bookmaker {

struct SourceSentence {
    QString english;
    QString chinese;
    QString note;
    QString spoken;    // what the voice says instead of `english` (a name it would get wrong); empty: `english`
    QString speaker;   // the voice of this sentence; empty: the book's
    int line = 0;   // where it starts in the source, for messages
};

struct SourceLesson {
    QString title;
    QString recording;   // file name inside the sound folder
    QString recordingSource;   // a given recording: its path as the source names it (relative to the source)
    QList<SourceSentence> sentences;
    int line = 0;
};

struct CourseSource {
    QString bookName;      // the book file is bookName + ".jz"
    QString soundFolder;   // sub-folder of Sound/
    QString voice = QStringLiteral("rms"); // one of bookmaker's English voices
    double pace = 1.0;                      // how much slower than the voice's own pace

    QList<SourceLesson> lessons;
};

// Where a book's recordings come from: spoken by the bookmaker's voice, or
// recordings of real speech that every lesson names ("recording: a path",
// relative to the source), whose sentences the bookmaker finds in them.
enum class Recordings { Spoken, Given };

// The sound files a given recording may be.
bool IsRecordingFormat(const QString& fileName);

// Parses `text`; on failure returns false with one message per fault, each
// naming its line ("daily.txt:12: ...").
bool ParseCourseSource(const QString& text, const QString& sourceName, CourseSource& course, QStringList& errors,
                       Recordings recordings = Recordings::Spoken);

} // namespace bookmaker
