#include "ImportCommand.h"

#include "ClipRule.h"
#include "Console.h"
#include "CourseCompiling.h"
#include "CuePlacement.h"
#include "SourceText.h"
#include "SpeechSynthesizer.h"
#include "SubtitleFile.h"
#include "platform/TextEncoding.h"
#include "sentence/SentenceBookFormat.h"
#include "sentence/SentenceBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bookmaker {
namespace {

// Far more than hours of subtitles take: a larger file is something else.
constexpr qint64 kMostSubtitleBytes = 16 * 1024 * 1024;

qsizetype GbkSize(const QString& text) { return platform::UnicodeToGbk(text).size(); }

// The book, its sound folder and its lesson are named after the subtitles.
bool NameOfBook(const QString& subtitlesPath, QString& name)
{
    name = QFileInfo(subtitlesPath).completeBaseName();
    const QString fileName = QFileInfo(subtitlesPath).fileName();
    if (!IsPlainName(name) || !FitsGbk(name) || GbkSize(name) > sentence::jz::kTextCapacity) {
        Err(QStringLiteral("%1: the book and its sound folder are named after the subtitle file, and \"%2\" cannot "
                           "name them: rename the file (a name GBK can store, at most %3 bytes)")
                .arg(fileName, name).arg(sentence::jz::kTextCapacity));
        return false;
    }
    return true;
}

bool ReadSubtitleFile(const QString& path, Subtitles& subtitles)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > kMostSubtitleBytes) {
        Err(QStringLiteral("%1: %2 bytes are far too many for subtitles").arg(path).arg(file.size()));
        return false;
    }
    subtitles = ReadSubtitles(file.readAll(), QFileInfo(path).fileName());
    for (const QString& warning : subtitles.warnings)
        Err(warning);
    for (const QString& error : subtitles.errors)
        Err(error);
    return subtitles.Ok();
}

bool ReadLessonRecording(const QString& path, Recording& sound)
{
    if (!QFileInfo(path).isFile()) {
        Err(QStringLiteral("cannot read %1: no such file").arg(path));
        return false;
    }
    if (!ReadRecording(path, sound)) {
        Err(QStringLiteral("%1 is not a recording that can be read (WAV, FLAC, Ogg Vorbis or MP3)").arg(path));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    if (!FitsGbk(name) || GbkSize(name) > sentence::jz::kTextCapacity) {
        Err(QStringLiteral("%1: the book keeps the recording's file name, which must be one GBK can store, at most "
                           "%2 bytes").arg(name).arg(sentence::jz::kTextCapacity));
        return false;
    }
    return true;
}

RecordingSound SoundOf(const Recording& recording)
{
    return FindSound(recording.rate, qint64(recording.samples.size()),
                     [&recording](qint64 i) { return recording.Loud(qsizetype(i)); });
}

bool PlaceOnTheSound(const QList<SubtitleCue>& cues, const Recording& recording, const QString& sourceName,
                     std::vector<CueClip>& clips)
{
    PlacedCues placed = PlaceCues(cues, SoundOf(recording), kClipMarginMs, sourceName);
    for (const QString& error : placed.errors)
        Err(error);
    clips = std::move(placed.clips);
    return placed.errors.isEmpty();
}

// The texts fit their fields of the book, each fault naming its cue.
bool CuesFitTheBook(const QList<SubtitleCue>& cues, const QString& sourceName)
{
    bool fit = true;
    const auto fault = [&](const SubtitleCue& cue, const QString& what, qsizetype bytes) {
        Err(SourceFault(sourceName, cue.line, QStringLiteral("the %1 takes %2 bytes; a book holds %3")
                                                  .arg(what).arg(bytes).arg(sentence::jz::kTextCapacity)));
        fit = false;
    };
    for (const SubtitleCue& cue : cues) {
        if (cue.english.size() > sentence::jz::kTextCapacity)
            fault(cue, QStringLiteral("English"), cue.english.size());
        if (const qsizetype bytes = GbkSize(cue.chinese); bytes > sentence::jz::kTextCapacity)
            fault(cue, QStringLiteral("Chinese (in GBK)"), bytes);
    }
    return fit;
}

sentence::SentenceBookWriter BookOf(const QString& name, const QList<SubtitleCue>& cues,
                                    const std::vector<CueClip>& clips, const QString& recordingName)
{
    sentence::SentenceBookWriter writer(name);
    for (qsizetype i = 0; i < cues.size(); ++i)
        writer.AddSentence({cues[i].english, cues[i].chinese, qint32(clips[std::size_t(i)].startMs),
                            qint32(clips[std::size_t(i)].endMs)});
    writer.AddLesson({name, 1, int(writer.SentenceCount()), recordingName});
    return writer;
}

// What "bookmaker check" will find wrong with the clips, told now with the
// cue's line: the book is still written, with the best clips there are.
void WarnOfClipRule(const QList<SubtitleCue>& cues, const std::vector<CueClip>& clips, const Recording& recording,
                    const QString& sourceName, const QString& recordingName)
{
    std::vector<LabelledClip> labelled;
    for (qsizetype i = 0; i < cues.size(); ++i)
        labelled.push_back({SourceFault(sourceName, cues[i].line, QString()), clips[std::size_t(i)].startMs,
                            clips[std::size_t(i)].endMs});
    QStringList problems;
    CheckClipRule(labelled, recording, QStringLiteral("%1: %2: ").arg(sourceName, recordingName), problems);
    for (const QString& problem : problems)
        Err(problem);
    if (!problems.isEmpty())
        Err(QStringLiteral("%1: the book is written, but \"bookmaker check\" will refuse these clips").arg(sourceName));
}

// Copies the recording whole into `folder`, or not at all.
bool CopyRecording(const QString& recordingPath, const QString& folder, QString& copy)
{
    if (folder.isEmpty())
        return false;
    copy = QDir(folder).filePath(QFileInfo(recordingPath).fileName());
    return CopyWhole(recordingPath, copy);
}

} // namespace

int ImportSubtitles(const QString& subtitlesPath, const QString& recordingPath, const QString& outputFolder)
{
    const QString sourceName = QFileInfo(subtitlesPath).fileName();
    const QString recordingName = QFileInfo(recordingPath).fileName();
    QString name;
    Subtitles subtitles;
    Recording recording;
    std::vector<CueClip> clips;
    if (!NameOfBook(subtitlesPath, name) || !ReadSubtitleFile(subtitlesPath, subtitles) ||
        !ReadLessonRecording(recordingPath, recording) || !CuesFitTheBook(subtitles.cues, sourceName) ||
        !PlaceOnTheSound(subtitles.cues, recording, sourceName, clips))
        return 1;
    const sentence::SentenceBookWriter writer = BookOf(name, subtitles.cues, clips, recordingName);
    if (const QStringList problems = writer.Problems(); !problems.isEmpty()) {
        for (const QString& problem : problems)
            Err(sourceName + QStringLiteral(": ") + problem);
        return 1;
    }
    WarnOfClipRule(subtitles.cues, clips, recording, sourceName, recordingName);

    // The recording first, the book last: a book that is there has its sound.
    CourseSource book;
    book.bookName = name;
    book.soundFolder = name;
    QString copy;
    if (!CopyRecording(recordingPath, MadeSoundFolder(book, outputFolder), copy))
        return 1;
    const QString bookPath = WrittenBook(writer, book, outputFolder);
    if (bookPath.isEmpty())
        return 1;
    Out(QStringLiteral("%1: 1 lesson, %2 sentences, recording %3").arg(bookPath).arg(writer.SentenceCount()).arg(copy));
    return 0;
}

} // namespace bookmaker
