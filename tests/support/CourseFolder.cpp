#include "CourseFolder.h"

#include "word/WordBook.h"

#include <QDir>
#include <QFile>

CourseFolder::CourseFolder() { QDir(dir_.path()).mkpath(QStringLiteral("EnglishBook")); }

void CourseFolder::AddBook(const QString& fileName, const sentence::SentenceBookWriter& writer)
{
    QString error;
    if (!writer.WriteFile(Path() + QStringLiteral("EnglishBook/") + fileName, &error))
        qFatal("cannot write test book %s: %s", qPrintable(fileName), qPrintable(error));
}

void CourseFolder::AddRecording(const QString& soundFolder, const QString& recording)
{
    QDir(Path()).mkpath(QStringLiteral("Sound/") + soundFolder);
    QFile file(RecordingPath(soundFolder, recording));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write test recording %s", qPrintable(recording));
}

void CourseFolder::AddSimpleBook(const QString& fileName, const QString& soundFolder, int lessons,
                                 int sentencesPerLesson, bool withRecordings)
{
    AddBook(fileName, SimpleBook(soundFolder, lessons, sentencesPerLesson));
    for (int lesson = 1; withRecordings && lesson <= lessons; ++lesson)
        AddRecording(soundFolder, QStringLiteral("lesson%1.mp3").arg(lesson));
}

void CourseFolder::AddRawBook(const QString& fileName, const QByteArray& bytes)
{
    QFile file(Path() + QStringLiteral("EnglishBook/") + fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test book %s", qPrintable(fileName));
}

QString CourseFolder::RecordingPath(const QString& soundFolder, const QString& recording) const
{
    return Path() + QStringLiteral("Sound/") + soundFolder + QLatin1Char('/') + recording;
}

sentence::SentenceBookWriter CourseFolder::SimpleBook(const QString& soundFolder, int lessons, int sentencesPerLesson,
                                                      const QString& word)
{
    sentence::SentenceBookWriter writer(soundFolder);
    for (int lesson = 1; lesson <= lessons; ++lesson) {
        const int first = int(writer.SentenceCount()) + 1;
        for (int i = 1; i <= sentencesPerLesson; ++i) {
            sentence::BookSentence s;
            s.english = QStringLiteral("%1 %2.%3").arg(word).arg(lesson).arg(i);
            s.chinese = QStringLiteral("第%1课第%2句").arg(lesson).arg(i);
            s.start = (i - 1) * 1000 + 100;
            s.end = (i - 1) * 1000 + 900;
            writer.AddSentence(s);
        }
        writer.AddLesson({QStringLiteral("Lesson %1").arg(lesson), first, first + sentencesPerLesson - 1,
                          QStringLiteral("lesson%1.mp3").arg(lesson)});
    }
    return writer;
}

void CourseFolder::AddWordBook(const QString& bookName, const word::WordBookWriter& writer, bool withRecording)
{
    QString error;
    if (!writer.WriteFile(Path() + QStringLiteral("bdcBook/") + bookName + QStringLiteral(".wd"), &error))
        qFatal("cannot write test word book %s: %s", qPrintable(bookName), qPrintable(error));
    if (!withRecording)
        return;
    QDir(Path()).mkpath(QStringLiteral("bdcSound"));
    QFile file(WordRecordingPath(bookName));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write test word recording %s", qPrintable(bookName));
}

void CourseFolder::AddRawWordBook(const QString& fileName, const QByteArray& bytes)
{
    QDir(Path()).mkpath(QStringLiteral("bdcBook"));
    QFile file(Path() + QStringLiteral("bdcBook/") + fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test word book %s", qPrintable(fileName));
}

QString CourseFolder::WordRecordingPath(const QString& bookName) const
{
    return word::WordRecordingPath(Path(), bookName);
}
