// Sentence books (.jz): a book that loads must hold in its tables what its
// records say, by the format's plain definition (undo the byte-pair
// exchange, then decode GBK), whichever fast path the reader took; every
// lesson's sentence table must be the lesson's slice of the book. A book
// that does not load must say why and carry no table.

#include "FuzzCheck.h"
#include "platform/GbkDecoder.h"
#include "sentence/SentenceBook.h"
#include "sentence/SentenceBookFormat.h"

#include <QByteArrayView>
#include <QtEndian>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace sentence;
namespace jz = sentence::jz;

const char* Record(QByteArrayView book, qsizetype record)
{
    return book.data() + record * jz::kRecordSize;
}

qint32 Int32At(const char* record, qsizetype offset)
{
    return qFromLittleEndian<qint32>(record + offset);
}

// A text field as the format defines it: a length byte, then that many
// bytes under the pair exchange (at most the field's capacity).
QString StoredText(const char* record, qsizetype offset)
{
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(record[offset]), jz::kTextCapacity);
    const QByteArray plain = jz::DecodeBookText(QByteArrayView(record + offset + 1, length));
    return platform::DecodeGbk(plain.constData(), plain.size());
}

QString PlainText(const char* record, qsizetype offset, qsizetype capacity)
{
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(record[offset]), capacity);
    return platform::DecodeGbk(record + offset + 1, length);
}

void CheckRefusal(const BookLoadResult& result)
{
    FUZZ_CHECK(!result.message.isEmpty(), "a book that does not load says why");
    FUZZ_CHECK(result.book.lessons.RowCount() == 0 && result.book.sentences.RowCount() == 0,
               "a book that does not load carries no table");
}

void CheckSentences(QByteArrayView bytes, const SentenceBook& book)
{
    const StringTable& sentences = book.sentences;
    FUZZ_CHECK(sentences.ColumnCount() == SentenceCaptions().size(), "the sentence table has its columns");
    FUZZ_CHECK(sentences.RowList(0) == SentenceCaptions(), "row 0 holds the captions");
    FUZZ_CHECK(book.SentenceCount() >= 1 && book.SentenceCount() <= jz::kMaxSentences, "a loaded book has sentences");
    FUZZ_CHECK(jz::kFirstSentenceRecord + book.SentenceCount() <= bytes.size() / jz::kRecordSize,
               "every sentence comes from a whole record");
    for (qsizetype k = 1; k <= book.SentenceCount(); ++k) {
        const char* record = Record(bytes, jz::kFirstSentenceRecord + k - 1);
        FUZZ_CHECK(sentences.CellNumber(k, kNumberColumn) == k, "sentences are numbered in order");
        FUZZ_CHECK(sentences.CellView(k, kEnglishColumn) == StoredText(record, jz::kEnglishOffset), "English text");
        FUZZ_CHECK(sentences.CellView(k, kChineseColumn) == StoredText(record, jz::kChineseOffset), "Chinese text");
        FUZZ_CHECK(sentences.CellView(k, kAnnotationColumn) == StoredText(record, jz::kAnnotationOffset), "annotation");
        FUZZ_CHECK(sentences.CellView(k, kMemoryMarkColumn) ==
                       PlainText(record, jz::kMemoryMarkOffset, jz::kMemoryMarkCapacity),
                   "memory mark");
        FUZZ_CHECK(sentences.CellNumber(k, kStartColumn) == Int32At(record, jz::kStartOffset), "clip start");
        FUZZ_CHECK(sentences.CellNumber(k, kEndColumn) == Int32At(record, jz::kEndOffset), "clip end");
        FUZZ_CHECK(sentences.CellNumber(k, kNoteNumberColumn) == Int32At(record, jz::kNoteNumberOffset), "note number");
    }
}

void CheckLessons(QByteArrayView bytes, const SentenceBook& book)
{
    const StringTable& lessons = book.lessons;
    FUZZ_CHECK(lessons.ColumnCount() == LessonCaptions().size(), "the lesson table has its columns");
    FUZZ_CHECK(lessons.RowList(0) == LessonCaptions(), "row 0 holds the captions");
    FUZZ_CHECK(book.LessonCount() >= 1, "a loaded book has lessons");
    for (qsizetype k = 1; k <= book.LessonCount(); ++k) {
        const char* record = Record(bytes, jz::kFirstLessonRecord + k - 1);
        FUZZ_CHECK(lessons.CellNumber(k, kLessonNumberColumn) == k, "lessons are numbered in order");
        FUZZ_CHECK(lessons.CellView(k, kTitleColumn) == StoredText(record, jz::kEnglishOffset), "lesson title");
        FUZZ_CHECK(lessons.CellView(k, kRecordingColumn) == StoredText(record, jz::kAnnotationOffset),
                   "lesson recording");
        const LessonRange range = ClampLessonRange(Int32At(record, jz::kStartOffset), Int32At(record, jz::kEndOffset),
                                                   book.SentenceCount());
        FUZZ_CHECK(lessons.CellNumber(k, kFirstSentenceColumn) == range.first, "first sentence, clamped");
        FUZZ_CHECK(lessons.CellNumber(k, kLastSentenceColumn) == range.last, "last sentence, clamped");
        FUZZ_CHECK(range.first >= 1 && range.first <= range.last && range.last <= book.SentenceCount(),
                   "every lesson keeps at least one sentence of the book");
    }
}

// The lesson's table as the chooser builds it: its rows are the lesson's
// sentences, renumbered, each naming its sentence in the book.
void CheckLessonTable(const SentenceBook& book, qsizetype lessonRow)
{
    const int first = book.lessons.CellNumber(lessonRow, kFirstSentenceColumn);
    const int last = book.lessons.CellNumber(lessonRow, kLastSentenceColumn);
    const StringTable table = LessonSentenceTable(book.sentences, book.lessons, lessonRow);
    FUZZ_CHECK(table.ColumnCount() == LessonSentenceCaptions().size(), "the lesson's table has its columns");
    FUZZ_CHECK(table.RowCount() - 1 == qsizetype(last) - first + 1, "one row per sentence of the lesson");
    for (qsizetype r = 1; r < table.RowCount(); ++r) {
        const qsizetype bookRow = first + r - 1;
        FUZZ_CHECK(table.CellNumber(r, kNumberColumn) == r, "rows are numbered from 1");
        FUZZ_CHECK(table.CellNumber(r, kBookSentenceColumn) == bookRow, "each row names its sentence in the book");
        for (qsizetype column = kEnglishColumn; column <= kNoteNumberColumn; ++column)
            FUZZ_CHECK(table.CellView(r, column) == book.sentences.CellView(bookRow, column),
                       "each row copies its sentence");
    }
}

void CheckRowsOutsideTheLessonTable(const SentenceBook& book)
{
    for (const qsizetype row : {qsizetype(0), book.LessonCount() + 1}) {
        const StringTable table = LessonSentenceTable(book.sentences, book.lessons, row);
        FUZZ_CHECK(table.RowCount() == 1, "a row outside the lesson table gives captions only");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::PrepareGbkDecoder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const BookLoadResult result = ParseSentenceBook(bytes);
    if (!result.Ok()) {
        CheckRefusal(result);
        return 0;
    }
    const SentenceBook& book = result.book;
    FUZZ_CHECK(result.message.isEmpty(), "a book that loads has no message");
    FUZZ_CHECK(book.soundFolder == PlainText(Record(bytes, jz::kHeaderRecord), jz::kEnglishOffset, jz::kTextCapacity),
               "the sound folder is the header's text");
    CheckSentences(bytes, book);
    CheckLessons(bytes, book);
    for (qsizetype row = 1; row <= book.LessonCount(); ++row)
        CheckLessonTable(book, row);
    CheckRowsOutsideTheLessonTable(book);
    return 0;
}
