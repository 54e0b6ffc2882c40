#pragma once
// Writes sentence books (.jz): the bookmaker compiles the bundled course with
// it, and tests build books in temporary folders with it.
//
//   sentence::SentenceBookWriter writer("daily");           // sound folder
//   writer.AddSentence({"Hello.", "你好。", 0, 900});        // English, Chinese, clip in ms
//   writer.AddSentence({"Thank you.", "谢谢。", 1500, 2300, "注解"});
//   writer.AddLesson({"问候", 1, 2, "lesson01.wav"});        // title, sentences 1 to 2, recording
//   writer.WriteFile(folder + "/EnglishBook/日常会话.jz");
//
// Texts are given as Unicode and stored as GBK under the byte-pair exchange;
// the sound folder and the memory mark are stored plain. The writer writes
// what it is given, faults included, so tests can build damaged books too;
// Problems() lists everything that keeps the result from loading cleanly.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace sentence {

struct BookSentence {
    BookSentence() = default;
    BookSentence(QString english, QString chinese, qint32 start = 0, qint32 end = 0, QString annotation = QString(),
                 QString memoryMark = QString(), qint32 noteNumber = 0)
        : english(std::move(english)), chinese(std::move(chinese)), start(start), end(end),
          annotation(std::move(annotation)), memoryMark(std::move(memoryMark)), noteNumber(noteNumber)
    {
    }

    QString english;
    QString chinese;
    qint32 start = 0;        // clip start in the lesson recording, ms
    qint32 end = 0;          // clip end, ms
    QString annotation;
    QString memoryMark;      // at most 3 bytes of GBK
    qint32 noteNumber = 0;
};

struct BookLesson {
    BookLesson() = default;
    BookLesson(QString title, qint32 first, qint32 last, QString recording)
        : title(std::move(title)), first(first), last(last), recording(std::move(recording))
    {
    }

    QString title;
    qint32 first = 1;        // 1-based sentence numbers, inclusive
    qint32 last = 0;
    QString recording;       // file name inside the sound folder, with its extension
};

class SentenceBookWriter {
public:
    explicit SentenceBookWriter(QString soundFolder = QString());

    void SetSoundFolder(const QString& soundFolder) { soundFolder_ = soundFolder; }
    // Each returns the 1-based number of what it added.
    int AddSentence(const BookSentence& sentence);
    int AddLesson(const BookLesson& lesson);

    qsizetype SentenceCount() const { return sentences_.size(); }
    qsizetype LessonCount() const { return lessons_.size(); }

    // Faults in what was added, one line each, in Chinese; empty when the
    // book will load cleanly. Texts longer than their field are cut at a
    // character boundary when written.
    QStringList Problems() const;

    // The whole file. At most 190 lessons and 65,535 sentences fit; more are
    // left out.
    QByteArray ToBytes() const;
    // Writes the file whole or not at all, making its folder if needed.
    bool WriteFile(const QString& path, QString* error = nullptr) const;

private:
    QString soundFolder_;
    QList<BookSentence> sentences_;
    QList<BookLesson> lessons_;
};

} // namespace sentence
