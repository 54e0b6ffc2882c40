#include "BookCommands.h"

#include "Console.h"
#include "ClipRule.h"
#include "CourseCompiling.h"
#include "CourseSource.h"
#include "EnglishWords.h"
#include "LessonRecording.h"
#include "SpeechSynthesizer.h"
#include "controls/Look.h"
#include "sentence/DictationRules.h"
#include "sentence/SentenceBook.h"
#include "sentence/SentenceBookWriter.h"
#include "sentence/SentenceWords.h"
#include "sentence/bjzTypeSenLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <cstdlib>
#include <map>

namespace bookmaker {
namespace {

// ---------------------------------------------------------------------------
// sentence SOURCE OUTDIR

// Speaks one lesson into its recording; adds its sentences and the lesson,
// with their clips, to `writer`.
bool RecordLesson(Voices& voices, const SourceLesson& lesson, const QString& soundFolder,
                  sentence::SentenceBookWriter& writer)
{
    SpeechSynthesizer* bookVoice = voices.For(SourceSentence{});
    if (bookVoice == nullptr)
        return false;
    LessonRecording recording(bookVoice->SampleRate());
    const int first = int(writer.SentenceCount()) + 1;
    std::vector<short> samples;
    for (const SourceSentence& sentence : lesson.sentences) {
        SpeechSynthesizer* voice = voices.For(sentence);
        if (voice == nullptr)
            return false;
        QString error;
        if (!voice->Speak(sentence.spoken.isEmpty() ? sentence.english : sentence.spoken, samples, error)) {
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
    if (!ReadCourse(sourcePath, Recordings::Spoken, course) || !BookFits(course, sourcePath))
        return 1;

    const QString soundFolder = MadeSoundFolder(course, outputFolder);
    if (soundFolder.isEmpty())
        return 1;
    Voices voices(course);
    sentence::SentenceBookWriter writer(course.soundFolder);
    for (const SourceLesson& lesson : course.lessons) {
        if (!RecordLesson(voices, lesson, soundFolder, writer))
            return 1;
    }
    const QString bookPath = WrittenBook(writer, course, outputFolder);
    if (bookPath.isEmpty())
        return 1;
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

// Faults of one lesson's clips against its recording (see ClipRule.h).
void CheckClips(const sentence::SentenceBook& book, qsizetype lesson, const Recording& sound, QStringList& problems)
{
    const StringTable table = sentence::LessonSentenceTable(book.sentences, book.lessons, lesson);
    std::vector<LabelledClip> clips;
    for (qsizetype row = 1; row < table.RowCount(); ++row)
        clips.push_back({QStringLiteral("lesson %1, sentence %2: ").arg(lesson).arg(table.Cell(row, sentence::kBookSentenceColumn)),
                         table.CellNumber(row, sentence::kStartColumn), table.CellNumber(row, sentence::kEndColumn)});
    CheckClipRule(clips, sound, QStringLiteral("lesson %1: ").arg(lesson), problems);
}

// The lesson holding sentence `number`, 0 if none does.
qsizetype LessonOf(const sentence::SentenceBook& book, qsizetype number)
{
    for (qsizetype lesson = 1; lesson <= book.LessonCount(); ++lesson)
        if (number >= book.lessons.CellNumber(lesson, sentence::kFirstSentenceColumn) &&
            number <= book.lessons.CellNumber(lesson, sentence::kLastSentenceColumn))
            return lesson;
    return 0;
}

// A run of two or more Latin letters: English words inside a Chinese text.
bool HoldsLatinWord(QStringView text)
{
    int run = 0;
    for (const QChar c : text) {
        run = (c.unicode() < 0x80 && c.isLetter()) ? run + 1 : 0;
        if (run >= 2)
            return true;
    }
    return false;
}

bool HoldsNonAscii(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; });
}

// What dictation makes of an English sentence: how many lines it takes on
// the input, typed in the screen's own font.
class DictationFit {
public:
    DictationFit() : metrics_(look::SansFont(bjzTypeSenLayout::TypedTextPixels)) {}

    bool Fits(const QString& english, int& lines) const
    {
        lines = sentence::TypedLineCount(sentence::SplitWords(english),
                                         [this](const QString& text) { return metrics_.horizontalAdvance(text); },
                                         bjzTypeSenLayout::EnglishInput.Width);
        return lines <= bjzTypeSenLayout::RuledLines;
    }

private:
    QFontMetrics metrics_;
};

// Faults of the texts a learner reads, hears and types: every sentence has
// its English and its Chinese, each in its own language, no two words of the
// English run together, dictation has room for it, and no sentence of the
// book is there twice.
void CheckTexts(const sentence::SentenceBook& book, QStringList& problems)
{
    EnglishWords dictionary;
    QString error;
    const bool haveWords = dictionary.Load(QString::fromLatin1(kWordListPath), error);
    if (!haveWords)
        problems.append(error);
    const DictationFit dictation;
    QHash<QString, qsizetype> seen;
    for (qsizetype number = 1; number <= book.SentenceCount(); ++number) {
        const QString english = book.sentences.CellView(number, sentence::kEnglishColumn).trimmed().toString();
        const QStringView chinese = book.sentences.CellView(number, sentence::kChineseColumn).trimmed();
        const QString where = QStringLiteral("lesson %1, sentence %2: ").arg(LessonOf(book, number)).arg(number);
        if (english.isEmpty())
            problems.append(where + QStringLiteral("no English"));
        else if (HoldsNonAscii(english))
            problems.append(where + QStringLiteral("the English holds characters that are not plain ASCII"));
        if (chinese.isEmpty())
            problems.append(where + QStringLiteral("no Chinese"));
        else if (HoldsLatinWord(chinese))
            problems.append(where + QStringLiteral("the Chinese holds English words"));
        if (english.isEmpty())
            continue;
        for (const QString& word : LetterWords(english)) {
            if (const QString parts = haveWords ? dictionary.RunTogether(word) : QString(); !parts.isEmpty())
                problems.append(where + QStringLiteral("\"%1\" looks like two words run together (\"%2\")").arg(word, parts));
        }
        if (int lines = 0; !dictation.Fits(english, lines))
            problems.append(where + QStringLiteral("dictation shows %1 lines, the sentence takes %2")
                                        .arg(bjzTypeSenLayout::RuledLines).arg(lines));
        const QString key = english.toLower();
        if (const auto earlier = seen.constFind(key); earlier != seen.constEnd())
            problems.append(where + QStringLiteral("the same as sentence %1").arg(*earlier));
        else
            seen.insert(key, number);
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
        Recording sound;
        if (!QFileInfo(recording).isFile()) {
            problems.append(QStringLiteral("lesson %1: recording %2 is missing").arg(lesson).arg(recording));
        } else if (!ReadRecording(recording, sound)) {
            problems.append(QStringLiteral("lesson %1: recording %2 cannot be read").arg(lesson).arg(recording));
        } else {
            ++found;
            CheckClips(book, lesson, sound, problems);
        }
    }
    CheckTexts(book, problems);

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
