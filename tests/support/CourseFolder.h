#pragma once
// A program folder built for a test: sentence books written by the same
// writer the bookmaker uses, and recordings as files (their contents matter
// only to the real engine; the fake media device opens any name).

#include "sentence/SentenceBookWriter.h"
#include "word/WordBookWriter.h"

#include <QString>
#include <QTemporaryDir>
#include <vector>

class CourseFolder {
public:
    CourseFolder();

    // The folder with a trailing "/".
    QString Path() const { return dir_.path() + QLatin1Char('/'); }

    // Writes EnglishBook/<fileName>.
    void AddBook(const QString& fileName, const sentence::SentenceBookWriter& writer);
    // Creates Sound/<soundFolder>/<recording>.
    void AddRecording(const QString& soundFolder, const QString& recording);
    // Writes raw bytes as a book file (for damaged books).
    void AddRawBook(const QString& fileName, const QByteArray& bytes);
    // A recording file's full path.
    QString RecordingPath(const QString& soundFolder, const QString& recording) const;

    // A book of `lessons` lessons, lesson k holding sentences "Sentence k.i"
    // (i from 1 to sentencesPerLesson) whose clips run from (i-1)*1000+100 to
    // (i-1)*1000+900 ms in "lesson<k>.mp3" under sound folder `soundFolder`;
    // the recordings are created too when `withRecordings`.
    void AddSimpleBook(const QString& fileName, const QString& soundFolder, int lessons, int sentencesPerLesson,
                       bool withRecordings = true);
    // `word` stands first in every sentence ("Sentence 1.1").
    static sentence::SentenceBookWriter SimpleBook(const QString& soundFolder, int lessons, int sentencesPerLesson,
                                                   const QString& word = QStringLiteral("Sentence"));

    // Writes bdcBook/<bookName>.wd, and creates bdcSound/<bookName>.mp3
    // when `withRecording`.
    void AddWordBook(const QString& bookName, const word::WordBookWriter& writer, bool withRecording = true);
    // Writes raw bytes as bdcBook/<fileName> (for damaged word books).
    void AddRawWordBook(const QString& fileName, const QByteArray& bytes);
    QString WordRecordingPath(const QString& bookName) const;

private:
    QTemporaryDir dir_;
};
