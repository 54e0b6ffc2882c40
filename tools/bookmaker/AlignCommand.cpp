#include "AlignCommand.h"

#include "ClipRule.h"
#include "Console.h"
#include "CourseCompiling.h"
#include "SourceText.h"
#include "SpeechAligner.h"
#include "sentence/SentenceBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace bookmaker {
namespace {

// One line on standard error that tells how far a long lesson has got; on a
// terminal it is rewritten in place, elsewhere a line is written per tenth.
class Progress {
public:
    Progress() : terminal_(isatty(fileno(stderr)) != 0) {}

    void Show(const QString& what, qsizetype done, qsizetype all)
    {
        const int percent = all > 0 ? int(done * 100 / all) : 100;
        if (terminal_) {
            const QByteArray line = (QStringLiteral("\rbookmaker: %1 %2%").arg(what).arg(percent)).toUtf8();
            std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
            std::fflush(stderr);
            shown_ = true;
        } else if (percent / 10 != lastTenth_ || what != lastWhat_) {
            Err(QStringLiteral("%1 %2%").arg(what).arg(percent));
        }
        lastTenth_ = percent / 10;
        lastWhat_ = what;
    }

    void End()
    {
        if (terminal_ && shown_)
            std::fputc('\n', stderr);
        shown_ = false;
        lastTenth_ = -1;
    }

private:
    bool terminal_;
    bool shown_ = false;
    int lastTenth_ = -1;
    QString lastWhat_;
};

QString Minutes(qint64 ms)
{
    return QStringLiteral("%1:%2").arg(ms / 60000).arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'));
}

// The bookmaker's voice saying each sentence of the lesson: what the
// recording is compared with.
bool RenderLesson(Voices& voices, const SourceLesson& lesson, const QString& where, Progress& progress,
                  std::vector<SentenceRendering>& renderings)
{
    renderings.clear();
    for (const SourceSentence& sentence : lesson.sentences) {
        progress.Show(where + QStringLiteral(": speaking its sentences"), qsizetype(renderings.size()), lesson.sentences.size());
        SpeechSynthesizer* voice = voices.For(sentence);
        if (voice == nullptr)
            return false;
        SentenceRendering rendering;
        QString error;
        if (!voice->Speak(sentence.spoken.isEmpty() ? sentence.english : sentence.spoken, rendering.samples, error)) {
            progress.End();
            Err(error);
            return false;
        }
        rendering.rate = voice->SampleRate();
        rendering.breaks = PlacesToPause(sentence.english);
        renderings.push_back(std::move(rendering));
    }
    progress.Show(where + QStringLiteral(": speaking its sentences"), 1, 1);
    progress.End();
    return true;
}

class LessonAligner {
public:
    LessonAligner(const CourseSource& course, const QString& sourcePath, const QString& soundFolder)
        : course_(course), sourcePath_(sourcePath), sourceName_(QFileInfo(sourcePath).fileName()),
          soundFolder_(soundFolder), voices_(course)
    {
    }

    // Finds the lesson's sentences in its recording and adds them, with the
    // lesson, to `writer`; false with every fault told.
    bool Align(qsizetype index, sentence::SentenceBookWriter& writer)
    {
        const SourceLesson& lesson = course_.lessons[index];
        const QString where = QStringLiteral("lesson %1 of %2 (%3)").arg(index + 1).arg(course_.lessons.size()).arg(lesson.title);
        const QString path = QFileInfo(sourcePath_).dir().filePath(lesson.recordingSource);
        Recording recording;
        if (!QFileInfo(path).isFile()) {
            Err(SourceFault(sourceName_, lesson.line, QStringLiteral("recording %1 is missing").arg(path)));
            return false;
        }
        if (!ReadRecording(path, recording) || recording.samples.empty()) {
            Err(SourceFault(sourceName_, lesson.line, QStringLiteral("recording %1 cannot be read as sound").arg(path)));
            return false;
        }
        std::vector<SentenceRendering> renderings;
        if (!RenderLesson(voices_, lesson, where, progress_, renderings))
            return false;
        Err(QStringLiteral("%1: finding %2 sentences in %3 of recording").arg(where).arg(renderings.size()).arg(Minutes(recording.LengthMs())));
        const std::vector<AlignedSentence> aligned = AlignSentences(recording, renderings);
        if (!Report(lesson, aligned, path))
            return false;
        if (!CopyWhole(path, QDir(soundFolder_).filePath(lesson.recording)))
            return false;
        const int first = int(writer.SentenceCount()) + 1;
        for (qsizetype i = 0; i < lesson.sentences.size(); ++i) {
            const SourceSentence& sentence = lesson.sentences[i];
            const Clip& clip = aligned[std::size_t(i)].clip;
            writer.AddSentence({sentence.english, sentence.chinese, clip.startMs, clip.endMs, sentence.note});
        }
        writer.AddLesson({lesson.title, first, int(writer.SentenceCount()), lesson.recording});
        return true;
    }

    int Doubts() const { return doubts_; }

private:
    // Tells the sentences not found (faults) and those whose clip may be
    // wrong (warnings); false if any was not found.
    bool Report(const SourceLesson& lesson, const std::vector<AlignedSentence>& aligned, const QString& path)
    {
        bool allFound = true;
        for (qsizetype i = 0; i < lesson.sentences.size(); ++i) {
            const SourceSentence& sentence = lesson.sentences[i];
            const AlignedSentence& result = aligned[std::size_t(i)];
            const QString named = QStringLiteral("sentence %1 \"%2\"").arg(i + 1).arg(sentence.english);
            if (!result.found) {
                Err(SourceFault(sourceName_, sentence.line, named + QStringLiteral(" cannot be found in %1").arg(path)));
                allFound = false;
            } else if (!result.doubt.isEmpty()) {
                ++doubts_;
                Err(SourceFault(sourceName_, sentence.line,
                                QStringLiteral("warning: %1 at %2-%3 ms: %4")
                                    .arg(named).arg(result.clip.startMs).arg(result.clip.endMs).arg(result.doubt)));
            }
        }
        return allFound;
    }

    const CourseSource& course_;
    const QString sourcePath_;
    const QString sourceName_;
    const QString soundFolder_;
    Voices voices_;
    Progress progress_;
    int doubts_ = 0;
};

} // namespace

int AlignSentenceBook(const QString& sourcePath, const QString& outputFolder)
{
    CourseSource course;
    if (!ReadCourse(sourcePath, Recordings::Given, course) || !BookFits(course, sourcePath))
        return 1;
    const QString soundFolder = MadeSoundFolder(course, outputFolder);
    if (soundFolder.isEmpty())
        return 1;
    LessonAligner aligner(course, sourcePath, soundFolder);
    sentence::SentenceBookWriter writer(course.soundFolder);
    bool aligned = true;
    for (qsizetype lesson = 0; lesson < course.lessons.size(); ++lesson)
        aligned = aligner.Align(lesson, writer) && aligned;
    if (!aligned)
        return 1;
    const QString bookPath = WrittenBook(writer, course, outputFolder);
    if (bookPath.isEmpty())
        return 1;
    Out(QStringLiteral("%1: %2 lessons, %3 sentences (%4 to listen to), recordings in %5")
            .arg(bookPath).arg(writer.LessonCount()).arg(writer.SentenceCount()).arg(aligner.Doubts()).arg(soundFolder));
    return 0;
}

} // namespace bookmaker
