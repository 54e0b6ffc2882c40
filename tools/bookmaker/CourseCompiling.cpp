#include "CourseCompiling.h"

#include "Console.h"
#include "sentence/SentenceBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bookmaker {

bool ReadCourse(const QString& sourcePath, Recordings recordings, CourseSource& course)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("cannot read %1: %2").arg(sourcePath, file.errorString()));
        return false;
    }
    QStringList errors;
    if (!ParseCourseSource(QString::fromUtf8(file.readAll()), QFileInfo(sourcePath).fileName(), course, errors,
                           recordings)) {
        for (const QString& error : errors)
            Err(error);
        return false;
    }
    return true;
}

bool BookFits(const CourseSource& course, const QString& sourcePath)
{
    sentence::SentenceBookWriter writer(course.soundFolder);
    for (const SourceLesson& lesson : course.lessons) {
        const int first = int(writer.SentenceCount()) + 1;
        for (const SourceSentence& sentence : lesson.sentences)
            writer.AddSentence({sentence.english, sentence.chinese, 0, 0, sentence.note});
        writer.AddLesson({lesson.title, first, int(writer.SentenceCount()), lesson.recording});
    }
    const QStringList problems = writer.Problems();
    for (const QString& problem : problems)
        Err(QFileInfo(sourcePath).fileName() + QStringLiteral(": ") + problem);
    return problems.isEmpty();
}

QString MadeSoundFolder(const CourseSource& course, const QString& outputFolder)
{
    const QString soundFolder = QDir(outputFolder).filePath(QStringLiteral("Sound/") + course.soundFolder);
    if (QDir().mkpath(soundFolder))
        return soundFolder;
    Err(QStringLiteral("cannot make %1").arg(soundFolder));
    return {};
}

bool CopyWhole(const QString& from, const QString& to)
{
    if (QFileInfo(to).canonicalFilePath() == QFileInfo(from).canonicalFilePath())
        return true;
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(from, partial)) {
        QFile::remove(partial);
        Err(QStringLiteral("cannot copy %1 to %2").arg(from, partial));
        return false;
    }
    QFile::remove(to);
    if (!QFile::rename(partial, to)) {
        QFile::remove(partial);
        Err(QStringLiteral("cannot move %1 into place").arg(to));
        return false;
    }
    return true;
}

QString WrittenBook(const sentence::SentenceBookWriter& writer, const CourseSource& course, const QString& outputFolder)
{
    const QString bookPath =
        QDir(outputFolder).filePath(QStringLiteral("EnglishBook/") + course.bookName + QStringLiteral(".jz"));
    QString error;
    if (writer.WriteFile(bookPath, &error))
        return bookPath;
    Err(error);
    return {};
}

SpeechSynthesizer* Voices::For(const SourceSentence& sentence)
{
    SpeechSynthesizer* book = Started(course_.voice);
    if (book == nullptr || sentence.speaker.isEmpty() || sentence.speaker == course_.voice)
        return book;
    SpeechSynthesizer* own = Started(sentence.speaker);
    if (own != nullptr && own->SampleRate() != book->SampleRate()) {
        Err(QStringLiteral("voice \"%1\" speaks at %2 Hz, the book's voice at %3 Hz")
                .arg(sentence.speaker).arg(own->SampleRate()).arg(book->SampleRate()));
        return nullptr;
    }
    return own;
}

SpeechSynthesizer* Voices::Started(const QString& name)
{
    std::unique_ptr<SpeechSynthesizer>& voice = started_[name];
    if (!voice) {
        QString error;
        voice = SpeechSynthesizer::Create(name, course_.pace, error);
        if (!voice)
            Err(error);
    }
    return voice.get();
}

} // namespace bookmaker
