#include "BookCommands.h"

#include "CourseSource.h"
#include "LessonRecording.h"
#include "SpeechSynthesizer.h"
#include "sentence/SentenceBook.h"
#include "sentence/SentenceBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace bookmaker {
namespace {

void Print(FILE* stream, const QString& line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void Out(const QString& line) { Print(stdout, line); }
void Err(const QString& line) { Print(stderr, QStringLiteral("bookmaker: ") + line); }

// ---------------------------------------------------------------------------
// sentence SOURCE OUTDIR

bool ReadCourse(const QString& sourcePath, CourseSource& course)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("cannot read %1: %2").arg(sourcePath, file.errorString()));
        return false;
    }
    QStringList errors;
    if (!ParseCourseSource(QString::fromUtf8(file.readAll()), QFileInfo(sourcePath).fileName(), course, errors)) {
        for (const QString& error : errors)
            Err(error);
        return false;
    }
    return true;
}

// The book's lessons and sentences without clips yet: checked for fields
// that do not fit before any time goes into speech.
sentence::SentenceBookWriter BookWithoutClips(const CourseSource& course)
{
    sentence::SentenceBookWriter writer(course.soundFolder);
    for (const SourceLesson& lesson : course.lessons) {
        const int first = int(writer.SentenceCount()) + 1;
        for (const SourceSentence& sentence : lesson.sentences)
            writer.AddSentence({sentence.english, sentence.chinese, 0, 0, sentence.note});
        writer.AddLesson({lesson.title, first, int(writer.SentenceCount()), lesson.recording});
    }
    return writer;
}

// Speaks one lesson into its recording; adds its sentences and the lesson,
// with their clips, to `writer`.
bool RecordLesson(SpeechSynthesizer& voice, const SourceLesson& lesson, const QString& soundFolder,
                  sentence::SentenceBookWriter& writer)
{
    LessonRecording recording(voice.SampleRate());
    const int first = int(writer.SentenceCount()) + 1;
    std::vector<short> samples;
    for (const SourceSentence& sentence : lesson.sentences) {
        QString error;
        if (!voice.Speak(sentence.english, samples, error)) {
            Err(error);
            return false;
        }
        const Clip clip = recording.AddSentence(samples);
        writer.AddSentence({sentence.english, sentence.chinese, clip.startMs, clip.endMs, sentence.note});
    }
    QString error;
    if (!recording.Write(QDir(soundFolder).filePath(lesson.recording), error)) {
        Err(error);
        return false;
    }
    writer.AddLesson({lesson.title, first, int(writer.SentenceCount()), lesson.recording});
    return true;
}

} // namespace

int CompileSentenceBook(const QString& sourcePath, const QString& outputFolder)
{
    CourseSource course;
    if (!ReadCourse(sourcePath, course))
        return 1;
    const QStringList problems = BookWithoutClips(course).Problems();
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            Err(QFileInfo(sourcePath).fileName() + QStringLiteral(": ") + problem);
        return 1;
    }

    const QDir output(outputFolder);
    const QString soundFolder = output.filePath(QStringLiteral("Sound/") + course.soundFolder);
    if (!QDir().mkpath(soundFolder)) {
        Err(QStringLiteral("cannot make %1").arg(soundFolder));
        return 1;
    }
    QString error;
    const std::unique_ptr<SpeechSynthesizer> voice = SpeechSynthesizer::Create(course.voice, course.wordsPerMinute, error);
    if (voice == nullptr) {
        Err(error);
        return 1;
    }
    sentence::SentenceBookWriter writer(course.soundFolder);
    for (const SourceLesson& lesson : course.lessons) {
        if (!RecordLesson(*voice, lesson, soundFolder, writer))
            return 1;
    }
    // The book is written last: a build that sees it newer than its source
    // knows the recordings are done too.
    const QString bookPath = output.filePath(QStringLiteral("EnglishBook/") + course.bookName + QStringLiteral(".jz"));
    if (!writer.WriteFile(bookPath, &error)) {
        Err(error);
        return 1;
    }
    Out(QStringLiteral("%1: %2 lessons, %3 sentences, recordings in %4")
            .arg(bookPath).arg(writer.LessonCount()).arg(writer.SentenceCount()).arg(soundFolder));
    return 0;
}

// ---------------------------------------------------------------------------
// dump BOOK

QString EscapeDumpCell(QStringView cell)
{
    QString escaped;
    escaped.reserve(cell.size());
    for (const QChar c : cell) {
        switch (c.unicode()) {
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        default:
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
    }
    return escaped;
}

namespace {

QString DumpRow(const StringTable& table, qsizetype row)
{
    QStringList cells;
    for (qsizetype column = 0; column < table.ColumnCount(); ++column)
        cells.append(EscapeDumpCell(table.CellView(row, column)));
    return cells.join(u'\t');
}

void DumpTable(const QString& name, const StringTable& table)
{
    Out(QStringLiteral("[%1]").arg(name));
    for (qsizetype row = 0; row < table.RowCount(); ++row)
        Out(DumpRow(table, row));
}

sentence::BookLoadResult LoadOrComplain(const QString& bookPath)
{
    sentence::BookLoadResult loaded = sentence::LoadSentenceBook(bookPath);
    if (!loaded.Ok())
        Err(QStringLiteral("%1: %2 (%3)").arg(QFileInfo(bookPath).fileName(), loaded.message, loaded.detail));
    return loaded;
}

} // namespace

int DumpBook(const QString& bookPath)
{
    const sentence::BookLoadResult loaded = LoadOrComplain(bookPath);
    if (!loaded.Ok())
        return 1;
    Out(QStringLiteral("FSoundFolder\t") + EscapeDumpCell(loaded.book.soundFolder));
    DumpTable(QStringLiteral("ClassStringGrid"), loaded.book.lessons);
    DumpTable(QStringLiteral("SenStringGrid"), loaded.book.sentences);
    return 0;
}

// ---------------------------------------------------------------------------
// check BOOK

namespace {

// Faults of one lesson's clips against its recording's length.
void CheckClips(const sentence::SentenceBook& book, qsizetype lesson, qint64 lengthMs, QStringList& problems)
{
    const StringTable clips = sentence::LessonSentenceTable(book.sentences, book.lessons, lesson);
    for (qsizetype row = 1; row < clips.RowCount(); ++row) {
        const int start = clips.CellNumber(row, sentence::kStartColumn);
        const int end = clips.CellNumber(row, sentence::kEndColumn);
        if (start < 0 || end <= start || end > lengthMs)
            problems.append(QStringLiteral("sentence %1: clip %2-%3 ms does not fit lesson %4's recording of %5 ms")
                                .arg(clips.Cell(row, sentence::kBookSentenceColumn)).arg(start).arg(end)
                                .arg(lesson).arg(lengthMs));
    }
}

} // namespace

int CheckBook(const QString& bookPath)
{
    const sentence::BookLoadResult loaded = LoadOrComplain(bookPath);
    if (!loaded.Ok())
        return 1;
    const sentence::SentenceBook& book = loaded.book;
    QStringList problems = loaded.repairs;

    // The book lies in EnglishBook/, its recordings in the Sound/ beside it.
    const QDir sounds(QDir::cleanPath(QFileInfo(bookPath).absolutePath() + QStringLiteral("/../Sound/")
                                      + book.soundFolder));
    qsizetype found = 0;
    for (qsizetype lesson = 1; lesson <= book.LessonCount(); ++lesson) {
        const QString recording = sounds.filePath(book.lessons.Cell(lesson, sentence::kRecordingColumn));
        const qint64 lengthMs = QFileInfo(recording).isFile() ? RecordingLengthMs(recording) : -1;
        if (!QFileInfo(recording).isFile()) {
            problems.append(QStringLiteral("lesson %1: recording %2 is missing").arg(lesson).arg(recording));
        } else if (lengthMs < 0) {
            problems.append(QStringLiteral("lesson %1: recording %2 cannot be read").arg(lesson).arg(recording));
        } else {
            ++found;
            CheckClips(book, lesson, lengthMs, problems);
        }
    }
    for (qsizetype sentence = 1; sentence <= book.SentenceCount(); ++sentence) {
        if (book.sentences.CellView(sentence, sentence::kEnglishColumn).trimmed().isEmpty())
            problems.append(QStringLiteral("sentence %1 has no English").arg(sentence));
    }

    const QString name = QFileInfo(bookPath).fileName();
    for (const QString& problem : problems)
        Out(name + QStringLiteral(": ") + problem);
    if (!problems.isEmpty())
        return 1;
    Out(QStringLiteral("%1: %2 lessons, %3 sentences, %4 of %2 lesson recordings found")
            .arg(name).arg(book.LessonCount()).arg(book.SentenceCount()).arg(found));
    return 0;
}

} // namespace bookmaker
