#include "WordCommands.h"

#include "BookCommands.h"
#include "ClipRule.h"
#include "Console.h"
#include "LessonRecording.h"
#include "SpeechSynthesizer.h"
#include "WordSource.h"
#include "word/WordBook.h"
#include "word/WordBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace bookmaker {
namespace {

// How far from a planned clip its word's sound is looked for once encoded:
// well inside the pause between two words.
constexpr int kWordSearchMs = 300;

bool ReadText(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

void ErrAll(const QStringList& errors)
{
    for (const QString& error : errors)
        Err(error);
}

// Whole or not at all, and never over a file that is there: a source whose
// meanings are half written would be lost.
bool WriteNewFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo there(path);
    if (there.exists() || there.isSymLink()) {
        Err(QStringLiteral("%1 is there already; nothing was written (move it away, or give another OUTDIR)").arg(path));
        return false;
    }
    if (!QDir().mkpath(there.absolutePath())) {
        Err(QStringLiteral("cannot make the folder %1").arg(there.absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Err(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

// A plain word list becomes OUTDIR/<list>.txt, the word source its author
// completes with the meanings before it is compiled.
int WriteSourceForList(const QString& listPath, const QString& text, const QString& outputFolder)
{
    const QString listName = QFileInfo(listPath).fileName();
    WordSource list;
    QStringList errors;
    if (!ParseWordList(text, listName, list, errors)) {
        ErrAll(errors);
        return 1;
    }
    const QString sourcePath = QDir(outputFolder).filePath(list.bookName + QStringLiteral(".txt"));
    if (QFileInfo(sourcePath).canonicalFilePath() == QFileInfo(listPath).canonicalFilePath()) {
        Err(QStringLiteral("%1 is the word list itself: give another OUTDIR for its word source").arg(sourcePath));
        return 1;
    }
    const QString source = WordSourceToComplete(list, listName, QFileInfo(sourcePath).fileName());
    if (!WriteNewFile(sourcePath, source.toUtf8()))
        return 1;
    Out(QStringLiteral("%1: %2 words from %3, with the voice's IPA; write in their meanings, then run \"bookmaker word\" on it")
            .arg(sourcePath, QString::number(list.words.size()), listName));
    return 0;
}

// Speaks every word into one recording, one clip each; null (with the
// fault told) when the voice fails.
std::unique_ptr<LessonRecording> RecordWords(const WordSource& source, std::vector<Clip>& clips)
{
    QString error;
    const std::unique_ptr<SpeechSynthesizer> voice = SpeechSynthesizer::Create(source.voice, source.pace, error);
    if (!voice) {
        Err(error);
        return nullptr;
    }
    auto recording = std::make_unique<LessonRecording>(voice->SampleRate());
    std::vector<short> samples;
    for (const SourceWord& entry : source.words) {
        if (!voice->Speak(entry.english, samples, error)) {
            Err(error);
            return nullptr;
        }
        clips.push_back(recording->AddSentence(samples));
    }
    return recording;
}

word::WordBookLoadResult LoadOrComplain(const QString& bookPath)
{
    word::WordBookLoadResult loaded = word::LoadWordBook(bookPath);
    if (!loaded.Ok())
        Err(QStringLiteral("%1: %2 (%3)").arg(QFileInfo(bookPath).fileName(), loaded.message, loaded.detail));
    return loaded;
}

// Each word's clip as its book table holds it; a clip that is no number
// shows as -1, which the clip rule reports.
std::vector<LabelledClip> WordClips(const word::WordBook& book)
{
    std::vector<LabelledClip> clips;
    for (qsizetype row = 0; row < book.WordCount(); ++row) {
        bool startOk = false;
        bool endOk = false;
        const qint64 start = book.words.Cell(row, word::kStartColumn).toLongLong(&startOk);
        const qint64 end = book.words.Cell(row, word::kEndColumn).toLongLong(&endOk);
        clips.push_back({QStringLiteral("word %1 (%2): ").arg(row + 1).arg(book.words.Cell(row, word::kWordColumn)),
                         startOk ? start : -1, endOk ? end : -1});
    }
    return clips;
}

// Faults of the texts a learner sees and types.
void CheckWordTexts(const word::WordBook& book, QStringList& problems)
{
    for (qsizetype row = 0; row < book.WordCount(); ++row) {
        const QString where = QStringLiteral("word %1: ").arg(row + 1);
        if (book.words.Cell(row, word::kWordColumn).trimmed().isEmpty())
            problems.append(where + QStringLiteral("no English"));
        if (book.words.Cell(row, word::kMeaningColumn).trimmed().isEmpty())
            problems.append(where + QStringLiteral("no meaning"));
    }
}

} // namespace

int DumpWordBook(const QString& bookPath)
{
    const word::WordBookLoadResult loaded = LoadOrComplain(bookPath);
    if (!loaded.Ok())
        return 1;
    for (qsizetype row = 0; row < loaded.book.WordCount(); ++row) {
        QStringList cells;
        for (int column = word::kNumberColumn; column <= word::kEndColumn; ++column)
            cells.append(EscapeDumpCell(loaded.book.words.Cell(row, column)));
        Out(cells.join(u'\t'));
    }
    return 0;
}

int CheckWordBook(const QString& bookPath)
{
    const word::WordBookLoadResult loaded = LoadOrComplain(bookPath);
    if (!loaded.Ok())
        return 1;
    QStringList problems;
    // The book lies in bdcBook/, its recording in the bdcSound/ beside it.
    const QString name = QFileInfo(bookPath).completeBaseName();
    const QString recordingPath =
        QDir::cleanPath(word::WordRecordingPath(QFileInfo(bookPath).absolutePath() + QStringLiteral("/.."), name));
    Recording sound;
    if (!QFileInfo(recordingPath).isFile())
        problems.append(QStringLiteral("recording %1 is missing").arg(recordingPath));
    else if (!ReadRecording(recordingPath, sound))
        problems.append(QStringLiteral("recording %1 cannot be read").arg(recordingPath));
    else
        CheckClipRule(WordClips(loaded.book), sound, QString(), problems);
    CheckWordTexts(loaded.book, problems);

    const QString fileName = QFileInfo(bookPath).fileName();
    for (const QString& problem : problems)
        Out(fileName + QStringLiteral(": ") + problem);
    if (!problems.isEmpty())
        return 1;
    Out(QStringLiteral("%1: %2 words, recording found").arg(fileName).arg(loaded.book.WordCount()));
    return 0;
}

int CompileWordBook(const QString& sourcePath, const QString& outputFolder)
{
    QString text;
    if (!ReadText(sourcePath, text))
        return 1;
    if (IsWordList(text))
        return WriteSourceForList(sourcePath, text, outputFolder);
    WordSource source;
    QStringList errors;
    if (!ParseWordSource(text, QFileInfo(sourcePath).fileName(), source, errors)) {
        ErrAll(errors);
        return 1;
    }
    const QDir output(outputFolder);
    if (!QDir().mkpath(output.filePath(QStringLiteral("bdcBook"))) ||
        !QDir().mkpath(output.filePath(QStringLiteral("bdcSound")))) {
        Err(QStringLiteral("cannot make the book folders in %1").arg(outputFolder));
        return 1;
    }
    std::vector<Clip> clips;
    const std::unique_ptr<LessonRecording> recording = RecordWords(source, clips);
    if (!recording)
        return 1;
    QString error;
    const QString soundPath = word::WordRecordingPath(outputFolder, source.bookName);
    if (!recording->Write(soundPath, error)) {
        Err(error);
        return 1;
    }
    // The clips go where the learner hears each word: on the recording as
    // it decodes, not on the samples before encoding.
    Recording heard;
    if (!ReadRecording(soundPath, heard)) {
        Err(QStringLiteral("cannot read back %1").arg(soundPath));
        return 1;
    }
    clips = ClipsAroundSound(heard, clips, kWordSearchMs, kClipMarginMs);
    word::WordBookWriter writer;
    for (std::size_t i = 0; i < clips.size(); ++i) {
        const SourceWord& entry = source.words[qsizetype(i)];
        writer.AddWord({entry.english, entry.stored, entry.meaning, clips[i].startMs, clips[i].endMs});
    }
    const QStringList problems = writer.Problems();
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            Err(QFileInfo(sourcePath).fileName() + QStringLiteral(": ") + problem);
        return 1;
    }
    // The book is written last: a build that sees it newer than its source
    // knows the recording is done too.
    const QString bookPath = output.filePath(QStringLiteral("bdcBook/") + source.bookName + QStringLiteral(".wd"));
    if (!writer.WriteFile(bookPath, &error)) {
        Err(error);
        return 1;
    }
    Out(QStringLiteral("%1: %2 words, recording %3").arg(bookPath).arg(source.words.size()).arg(soundPath));
    return 0;
}

} // namespace bookmaker
