#include "CourseSource.h"
#include "SourceText.h"
#include "SpeechSynthesizer.h"

#include <QFileInfo>
#include <QHash>

namespace bookmaker {
namespace {

QString DefaultRecordingName(qsizetype lessonNumber)
{
    return QStringLiteral("lesson%1.wav").arg(lessonNumber, 2, 10, QLatin1Char('0'));
}

class Parser {
public:
    Parser(const QString& sourceName, CourseSource& course, QStringList& errors, Recordings recordings)
        : sourceName_(sourceName), course_(course), errors_(errors), recordings_(recordings)
    {
    }

    void Line(int number, const QString& line)
    {
        lineNumber_ = number;
        SourceLine parsed;
        if (!SplitSourceLine(line, parsed)) {
            Error(QStringLiteral("expected \"key: value\", found \"%1\"").arg(line));
            return;
        }
        Field(parsed.key, parsed.value);
    }

    void Finish()
    {
        if (course_.bookName.isEmpty())
            Error(QStringLiteral("the source names no book (\"book: NAME\")"), 0);
        if (course_.soundFolder.isEmpty())
            Error(QStringLiteral("the source names no sound folder (\"sound: FOLDER\")"), 0);
        if (course_.lessons.isEmpty())
            Error(QStringLiteral("the source has no lesson (\"lesson: TITLE\")"), 0);
        for (const SourceLesson& lesson : course_.lessons) {
            if (lesson.sentences.isEmpty())
                Error(QStringLiteral("lesson \"%1\" has no sentences").arg(lesson.title), lesson.line);
        }
        if (recordings_ == Recordings::Given)
            FinishGivenRecordings();
        for (const SourceLesson& lesson : course_.lessons) {
            for (const SourceSentence& sentence : lesson.sentences) {
                if (sentence.chinese.isEmpty())
                    Error(QStringLiteral("sentence \"%1\" has no Chinese (\"zh:\")").arg(sentence.english), sentence.line);
            }
        }
    }

private:
    // Every lesson names its recording, and no two share a file name in the
    // book's one sound folder.
    void FinishGivenRecordings()
    {
        QHash<QString, int> lineOfName;
        for (const SourceLesson& lesson : course_.lessons) {
            if (lesson.recordingSource.isEmpty()) {
                Error(QStringLiteral("lesson \"%1\" names no recording (\"recording: FILE\")").arg(lesson.title), lesson.line);
                continue;
            }
            const QString name = lesson.recording.toLower();
            if (lineOfName.contains(name))
                Error(QStringLiteral("lesson \"%1\" has the recording file name of line %2: they would share one file")
                          .arg(lesson.title).arg(lineOfName.value(name)),
                      lesson.line);
            else
                lineOfName.insert(name, lesson.line);
        }
    }

    void Field(const QString& key, const QString& value)
    {
        if (key == "book")
            Header(course_.bookName, value, true);
        else if (key == "sound")
            Header(course_.soundFolder, value, true);
        else if (key == "voice")
            Voice(value);
        else if (key == "pace")
            Pace(value);
        else if (key == "lesson")
            Lesson(value);
        else if (key == "recording")
            Recording(value);
        else if (key == "en")
            English(value);
        else if (key == "zh")
            SentenceText(value, &SourceSentence::chinese, QStringLiteral("zh"));
        else if (key == "note")
            SentenceText(value, &SourceSentence::note, QStringLiteral("note"));
        else if (key == "say")
            Spoken(value);
        else if (key == "speaker")
            Speaker(value);
        else
            Error(QStringLiteral("unknown key \"%1\"").arg(key));
    }

    void Header(QString& field, const QString& value, bool isName)
    {
        if (!course_.lessons.isEmpty())
            Error(QStringLiteral("book settings belong before the first lesson"));
        else if (isName && !IsPlainName(value))
            Error(QStringLiteral("\"%1\" cannot be a file or folder name").arg(value));
        else if (!FitsGbk(value))
            Error(QStringLiteral("\"%1\" holds characters GBK cannot store").arg(value));
        else
            field = value;
    }

    void Voice(const QString& value)
    {
        if (!EnglishVoices().contains(value))
            Error(QStringLiteral("voice must be one of: %1").arg(EnglishVoices().join(", ")));
        else
            Header(course_.voice, value, false);
    }

    void Pace(const QString& value)
    {
        double pace = 0;
        if (!ParsePace(value, pace))
            Error(QString::fromLatin1(kPaceFault));
        else if (!course_.lessons.isEmpty())
            Error(QStringLiteral("book settings belong before the first lesson"));
        else
            course_.pace = pace;
    }

    void Lesson(const QString& title)
    {
        if (title.isEmpty() || !FitsGbk(title)) {
            Error(QStringLiteral("a lesson needs a title GBK can store"));
            return;
        }
        SourceLesson lesson;
        lesson.title = title;
        lesson.recording = DefaultRecordingName(course_.lessons.size() + 1);
        lesson.line = lineNumber_;
        course_.lessons.append(lesson);
    }

    void Recording(const QString& value)
    {
        if (course_.lessons.isEmpty() || !course_.lessons.last().sentences.isEmpty()) {
            Error(QStringLiteral("\"recording:\" belongs right after its \"lesson:\" line"));
            return;
        }
        SourceLesson& lesson = course_.lessons.last();
        if (!lesson.recordingSource.isEmpty()) {
            Error(QStringLiteral("a second \"recording:\" line for one lesson"));
            return;
        }
        // A given recording is a path; in the book it keeps its file name.
        const QString name = recordings_ == Recordings::Given ? QFileInfo(value).fileName() : value;
        if (!IsPlainName(name) || !FitsGbk(name))
            Error(QStringLiteral("\"%1\" cannot be a recording's file name").arg(value));
        else if (recordings_ == Recordings::Given && !IsRecordingFormat(name))
            Error(QStringLiteral("\"%1\" is not a recording the bookmaker reads (mp3, wav, flac or ogg)").arg(value));
        else {
            lesson.recording = name;
            lesson.recordingSource = value;
        }
    }

    void English(const QString& text)
    {
        if (course_.lessons.isEmpty()) {
            Error(QStringLiteral("a sentence before the first lesson"));
            return;
        }
        if (text.isEmpty() || !IsTypeableAscii(text)) {
            Error(QStringLiteral("English text must be plain typeable ASCII (the learner types it in dictation)"));
            return;
        }
        SourceSentence sentence;
        sentence.english = text;
        sentence.line = lineNumber_;
        course_.lessons.last().sentences.append(sentence);
    }

    void SentenceText(const QString& text, QString SourceSentence::*field, const QString& key)
    {
        if (course_.lessons.isEmpty() || course_.lessons.last().sentences.isEmpty()) {
            Error(QStringLiteral("\"%1:\" belongs after its sentence's \"en:\" line").arg(key));
            return;
        }
        SourceSentence& sentence = course_.lessons.last().sentences.last();
        if (!(sentence.*field).isEmpty())
            Error(QStringLiteral("a second \"%1:\" line for one sentence").arg(key));
        else if (text.isEmpty() || !FitsGbk(text))
            Error(QStringLiteral("\"%1:\" needs text GBK can store").arg(key));
        else
            sentence.*field = text;
    }

    // The sentence an "en:" line started, or null (with the fault told).
    SourceSentence* CurrentSentence(const QString& key)
    {
        if (course_.lessons.isEmpty() || course_.lessons.last().sentences.isEmpty()) {
            Error(QStringLiteral("\"%1:\" belongs after its sentence's \"en:\" line").arg(key));
            return nullptr;
        }
        return &course_.lessons.last().sentences.last();
    }

    void Spoken(const QString& text)
    {
        SourceSentence* sentence = CurrentSentence(QStringLiteral("say"));
        if (sentence == nullptr)
            return;
        if (!sentence->spoken.isEmpty())
            Error(QStringLiteral("a second \"say:\" line for one sentence"));
        else if (text.isEmpty() || !IsTypeableAscii(text))
            Error(QStringLiteral("\"say:\" needs plain ASCII text for the English voice"));
        else
            sentence->spoken = text;
    }

    void Speaker(const QString& voice)
    {
        SourceSentence* sentence = CurrentSentence(QStringLiteral("speaker"));
        if (sentence == nullptr)
            return;
        if (!sentence->speaker.isEmpty())
            Error(QStringLiteral("a second \"speaker:\" line for one sentence"));
        else if (!EnglishVoices().contains(voice))
            Error(QStringLiteral("speaker must be one of: %1").arg(EnglishVoices().join(", ")));
        else
            sentence->speaker = voice;
    }

    void Error(const QString& message, int line = -1)
    {
        errors_.append(SourceFault(sourceName_, line < 0 ? lineNumber_ : line, message));
    }

    const QString& sourceName_;
    CourseSource& course_;
    QStringList& errors_;
    const Recordings recordings_;
    int lineNumber_ = 0;
};

} // namespace

bool IsRecordingFormat(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == "mp3" || suffix == "wav" || suffix == "flac" || suffix == "ogg";
}

bool ParseCourseSource(const QString& text, const QString& sourceName, CourseSource& course, QStringList& errors,
                       Recordings recordings)
{
    course = CourseSource{};
    errors.clear();
    Parser parser(sourceName, course, errors, recordings);
    ForEachSourceLine(text, [&parser](int number, const QString& line) { parser.Line(number, line); });
    parser.Finish();
    return errors.isEmpty();
}

} // namespace bookmaker
