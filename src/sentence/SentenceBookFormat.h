#pragma once
// The layout of a sentence book (.jz) file, shared by the reader and the
// writer. A book is a run of fixed 784-byte records; every record, whatever it
// holds, has the sentence record layout below. Integers are little-endian.

#include <QByteArray>
#include <QByteArrayView>

namespace sentence::jz {

inline constexpr qsizetype kRecordSize = 784;

// Where the parts of a book live, in records counted from 0.
inline constexpr qsizetype kHeaderRecord = 4;
inline constexpr qsizetype kFirstLessonRecord = 10;      // lesson k is record 9 + k
inline constexpr qsizetype kFirstSentenceRecord = 200;   // sentence k is record 199 + k
inline constexpr qsizetype kMinimumRecordCount = kFirstSentenceRecord;
inline constexpr qsizetype kMaxLessons = kFirstSentenceRecord - kFirstLessonRecord;  // 190
inline constexpr qsizetype kMaxSentences = 65535;

// Field offsets inside a record. A short string field is a length byte
// followed by that many bytes of GBK text.
inline constexpr qsizetype kEnglishOffset = 0;        // lesson: title; header: sound folder
inline constexpr qsizetype kChineseOffset = 256;      // lesson: text nobody shows
inline constexpr qsizetype kStartOffset = 512;        // lesson: first sentence; header: u16 lesson count
inline constexpr qsizetype kEndOffset = 516;          // lesson: last sentence
inline constexpr qsizetype kAnnotationOffset = 520;   // lesson: recording name
inline constexpr qsizetype kMemoryMarkOffset = 776;
inline constexpr qsizetype kNoteNumberOffset = 780;

// Text capacity of the short string fields, in bytes.
inline constexpr qsizetype kTextCapacity = 255;
inline constexpr qsizetype kMemoryMarkCapacity = 3;

// The byte-pair exchange that text fields are stored under: bytes 1 and 2
// stay, then the pairs (3,4), (5,6), ... are swapped while at least two more
// bytes follow the pair. The step is its own inverse, so it both decodes a
// stored value and encodes a plain one. It works on bytes, before any GBK
// conversion, because the exchange may split a Chinese character.
inline void ExchangeBookTextPairs(char* bytes, qsizetype length)
{
    for (qsizetype i = 2; i + 3 < length; i += 2) {
        const char first = bytes[i];
        bytes[i] = bytes[i + 1];
        bytes[i + 1] = first;
    }
}

inline QByteArray DecodeBookText(QByteArrayView stored)
{
    QByteArray text(stored.data(), stored.size());
    ExchangeBookTextPairs(text.data(), text.size());
    return text;
}

inline QByteArray EncodeBookText(QByteArrayView plain)
{
    return DecodeBookText(plain);
}

} // namespace sentence::jz
