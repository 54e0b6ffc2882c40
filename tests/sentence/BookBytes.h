#pragma once
// Building sentence books byte by byte for tests: the writer makes a valid
// book, these helpers then damage or hand-craft single fields.

#include "sentence/SentenceBookFormat.h"
#include "sentence/SentenceBookWriter.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

namespace booktest {

namespace jz = sentence::jz;

inline char* RecordAt(QByteArray& book, qsizetype record)
{
    return book.data() + record * jz::kRecordSize;
}

inline char* SentenceRecord(QByteArray& book, qsizetype sentence)
{
    return RecordAt(book, jz::kFirstSentenceRecord + sentence - 1);
}

inline char* LessonRecord(QByteArray& book, qsizetype lesson)
{
    return RecordAt(book, jz::kFirstLessonRecord + lesson - 1);
}

inline char* HeaderRecord(QByteArray& book)
{
    return RecordAt(book, jz::kHeaderRecord);
}

// Stores `bytes` exactly as given (no exchange, no conversion).
inline void PutRawString(char* record, qsizetype offset, const QByteArray& bytes)
{
    record[offset] = char(bytes.size());
    std::memcpy(record + offset + 1, bytes.constData(), size_t(bytes.size()));
}

inline void PutInt32(char* record, qsizetype offset, qint32 value)
{
    qToLittleEndian<qint32>(value, record + offset);
}

inline void PutLessonCount(QByteArray& book, quint16 count)
{
    qToLittleEndian<quint16>(count, HeaderRecord(book) + jz::kStartOffset);
}

// A valid book: sentences "Sentence k." / "第k句。", clip k at k*1000 ms, and
// lessons of `perLesson` sentences each covering the book in order.
inline sentence::SentenceBookWriter NumberedBook(int sentences, int perLesson, const QString& soundFolder = "snd")
{
    sentence::SentenceBookWriter writer(soundFolder);
    for (int k = 1; k <= sentences; ++k) {
        writer.AddSentence({QString("Sentence %1.").arg(k), QString::fromUtf8("第%1句。").arg(k), k * 1000,
                            k * 1000 + 800});
    }
    for (int first = 1, lesson = 1; first <= sentences; first += perLesson, ++lesson) {
        writer.AddLesson({QString::fromUtf8("第%1课").arg(lesson), first, std::min(first + perLesson - 1, sentences),
                          QString("lesson%1.wav").arg(lesson)});
    }
    return writer;
}

} // namespace booktest
