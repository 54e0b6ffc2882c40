#include "SentenceBook.h"

#include "platform/BookFolder.h"
#include "sentence/SentenceBookFormat.h"
#include "platform/GbkDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sentence {

const QStringList& SentenceCaptions()
{
    static const QStringList captions{"编号", "英语", "中文", "开始点", "结束点", "注解", "记忆", "备注编号"};
    return captions;
}

const QStringList& LessonCaptions()
{
    static const QStringList captions{"编号", "标题", "开始句", "结束句", "音频名"};
    return captions;
}

const QStringList& LessonSentenceCaptions()
{
    static const QStringList captions = SentenceCaptions() + QStringList{"句子编号"};
    return captions;
}

namespace {

using namespace jz;

// ---------------------------------------------------------------------------
// Where the records come from: a file read in large pieces, or bytes already
// in memory. Both hand out whole records only, never beyond the last one.

class RecordSource {
public:
    virtual ~RecordSource() = default;
    // Whole records in the book; a trailing partial record does not count.
    virtual qint64 RecordCount() const = 0;
    // `count` records from record `first` on, valid until the next call;
    // nullptr when they lie beyond the end or cannot be read.
    virtual const char* Records(qint64 first, qint64 count) = 0;
    // Why the last Records() call failed, when the source knows more.
    virtual QString ReadError() const { return QString(); }
    // A second source over the same records, for reading on another thread
    // at the same time; nullptr when there cannot be one.
    virtual std::unique_ptr<RecordSource> Second() const = 0;
};

class MemoryRecords final : public RecordSource {
public:
    explicit MemoryRecords(QByteArrayView bytes) : bytes_(bytes) {}
    qint64 RecordCount() const override { return bytes_.size() / kRecordSize; }
    const char* Records(qint64 first, qint64 count) override
    {
        if (first < 0 || count < 0 || first + count > RecordCount())
            return nullptr;
        return bytes_.data() + first * kRecordSize;
    }
    std::unique_ptr<RecordSource> Second() const override { return std::make_unique<MemoryRecords>(bytes_); }

private:
    QByteArrayView bytes_;
};

class FileRecords final : public RecordSource {
public:
    explicit FileRecords(QFile& file) : file_(file), recordCount_(file.size() / kRecordSize) {}
    // The second reader has a file of its own and knows the same records:
    // should the file shrink meanwhile, its reads past the end fail.
    FileRecords(std::unique_ptr<QFile> own, qint64 recordCount)
        : owned_(std::move(own)), file_(*owned_), recordCount_(recordCount) {}
    qint64 RecordCount() const override { return recordCount_; }
    const char* Records(qint64 first, qint64 count) override
    {
        if (first < 0 || count < 0 || first + count > recordCount_)
            return nullptr;
        const qint64 wanted = count * kRecordSize;
        if (buffer_.size() < wanted)
            buffer_.resize(wanted);
        if (!file_.seek(first * kRecordSize))
            return nullptr;
        for (qint64 done = 0; done < wanted;) {
            const qint64 got = file_.read(buffer_.data() + done, wanted - done);
            if (got <= 0)   // an error, or the file shrank under us
                return nullptr;
            done += got;
        }
        return buffer_.constData();
    }
    QString ReadError() const override { return file_.errorString(); }
    std::unique_ptr<RecordSource> Second() const override
    {
        auto file = std::make_unique<QFile>(file_.fileName());
        if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return nullptr;
        return std::make_unique<FileRecords>(std::move(file), recordCount_);
    }

private:
    std::unique_ptr<QFile> owned_;
    QFile& file_;
    qint64 recordCount_;
    QByteArray buffer_;
};

// Sentences are read this many records at a time: few system calls, and a
// buffer that stays in the processor's cache while it is decoded.
constexpr qint64 kSentencesPerRead = 512;
// A book of this many sentences or more is read in two halves at once, the
// second on a helper thread: a learner switching to a big book waits half as
// long on a machine with a second core.
constexpr qint64 kSentencesForTwoReaders = 16 * kSentencesPerRead;

// ---------------------------------------------------------------------------
// Fields of one record.

qint32 Int32At(const char* record, qsizetype offset)
{
    return qFromLittleEndian<qint32>(record + offset);
}

quint16 UInt16At(const char* record, qsizetype offset)
{
    return qFromLittleEndian<quint16>(record + offset);
}

// A short string stored as is, appended as the next cell. The length byte may
// claim more than the field holds; the field's capacity bounds what is read.
void AppendPlainText(StringTable& table, const char* record, qsizetype offset, qsizetype capacity)
{
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(record[offset]), capacity);
    table.AppendCellWith(length, [&](char16_t* out) { return platform::DecodeGbkTo(record + offset + 1, length, out); });
}

// Plain ASCII needs no table: each byte is its character, so the exchange is
// done while widening. English fields are mostly ASCII and the longest ones,
// so they go sixteen bytes at a time. Returns false, having written an
// unspecified part of `out`, as soon as it meets a byte that is not ASCII.
bool WidenExchangedAscii(const unsigned char* bytes, qsizetype length, char16_t* out)
{
    const qsizetype pairs = length >= 4 ? (length - 4) / 2 : 0;
    // The exchange covers [2, exchangedEnd); a text of fewer than two bytes has
    // no exchanged part at all, and nothing may be written past its end.
    const qsizetype exchangedEnd = std::min<qsizetype>(length, 2 + 2 * pairs);
    unsigned high = 0;
    qsizetype i = 0;
    for (; i < std::min<qsizetype>(2, length); ++i) {
        out[i] = bytes[i];
        high |= bytes[i];
    }
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= exchangedEnd; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        if (_mm_movemask_epi8(chunk) != 0)
            return false;
        // Widen, then swap neighbouring characters: 0xB1 orders lanes 1,0,3,2.
        const __m128i low = _mm_shufflehi_epi16(_mm_shufflelo_epi16(_mm_unpacklo_epi8(chunk, zero), 0xB1), 0xB1);
        const __m128i highHalf = _mm_shufflehi_epi16(_mm_shufflelo_epi16(_mm_unpackhi_epi8(chunk, zero), 0xB1), 0xB1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), low);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), highHalf);
    }
#endif
    for (; i < exchangedEnd; i += 2) {
        out[i] = bytes[i + 1];
        out[i + 1] = bytes[i];
        high |= bytes[i] | bytes[i + 1];
    }
    for (; i < length; ++i) {
        out[i] = bytes[i];
        high |= bytes[i];
    }
    return high < 0x80;
}

// A short string stored under the byte-pair exchange: undone on the raw bytes
// first, then converted, since the exchange may split a Chinese character.
qsizetype DecodeExchangedText(const unsigned char* stored, qsizetype length, char16_t* out)
{
    if (WidenExchangedAscii(stored, length, out))
        return length;
    char bytes[kTextCapacity];
    std::memcpy(bytes, stored, size_t(length));
    ExchangeBookTextPairs(bytes, length);
    return platform::DecodeGbkTo(bytes, length, out);
}

void AppendEncodedText(StringTable& table, const char* record, qsizetype offset)
{
    const qsizetype length = static_cast<unsigned char>(record[offset]);   // at most kTextCapacity
    const auto* stored = reinterpret_cast<const unsigned char*>(record + offset + 1);
    table.AppendCellWith(length, [&](char16_t* out) { return DecodeExchangedText(stored, length, out); });
}

void AppendNumber(StringTable& table, qint64 value)
{
    table.AppendCellWith(20, [value](char16_t* out) { return WriteNumber(value, out); });
}

// ---------------------------------------------------------------------------
// Results.

BookLoadResult Failure(BookLoadStatus status, const QString& message, const QString& detail)
{
    BookLoadResult result;
    result.status = status;
    result.message = message;
    result.detail = detail;
    return result;
}

BookLoadResult Damaged(const QString& what, const QString& detail)
{
    return Failure(BookLoadStatus::Damaged, QStringLiteral("书本文件已损坏：") + what, detail);
}

BookLoadResult Empty(const QString& what, const QString& detail)
{
    return Failure(BookLoadStatus::Empty, QStringLiteral("书本文件已损坏：") + what, detail);
}

BookLoadResult Unreadable(const QString& detail)
{
    return Failure(BookLoadStatus::Unreadable, QStringLiteral("书本文件无法读取"),
                   detail.isEmpty() ? QStringLiteral("文件在读取时出错或变短了") : detail);
}

// ---------------------------------------------------------------------------
// The tables.

struct BookHeader {
    QString soundFolder;
    qint64 lessonCount = 0;
};

BookHeader ReadHeader(const char* record)
{
    const qsizetype length = static_cast<unsigned char>(record[kEnglishOffset]);
    return {platform::DecodeGbk(record + kEnglishOffset + 1, length), UInt16At(record, kStartOffset)};
}

QString RepairNote(qint64 lesson, qint32 first, qint32 last, LessonRange range, qsizetype sentenceCount)
{
    return QStringLiteral("第 %1 课的句子范围 %2–%3 不在本书的 1–%4 句之内，已按 %5–%6 读入")
        .arg(lesson).arg(first).arg(last).arg(sentenceCount).arg(range.first).arg(range.last);
}

// The lesson table; ranges outside the book are clamped and noted in `repairs`.
StringTable ReadLessons(const char* records, qint64 lessonCount, qsizetype sentenceCount,
                        QStringList& repairs)
{
    StringTable table(LessonCaptions());
    table.ReserveRows(lessonCount + 1);
    for (qint64 k = 1; k <= lessonCount; ++k) {
        const char* record = records + (k - 1) * kRecordSize;
        const qint32 first = Int32At(record, kStartOffset);
        const qint32 last = Int32At(record, kEndOffset);
        const LessonRange range = ClampLessonRange(first, last, sentenceCount);
        if (range.first != first || range.last != last)
            repairs.append(RepairNote(k, first, last, range, sentenceCount));
        AppendNumber(table, k);
        AppendEncodedText(table, record, kEnglishOffset);
        AppendNumber(table, range.first);
        AppendNumber(table, range.last);
        AppendEncodedText(table, record, kAnnotationOffset);
    }
    return table;
}

// Appends the rows of `count` sentence records, numbered from `firstNumber`.
void ReadSentenceRows(const char* records, qint64 count, qint64 firstNumber, StringTable& table)
{
    for (qint64 i = 0; i < count; ++i) {
        const char* record = records + i * kRecordSize;
        AppendNumber(table, firstNumber + i);
        AppendEncodedText(table, record, kEnglishOffset);
        AppendEncodedText(table, record, kChineseOffset);
        AppendNumber(table, Int32At(record, kStartOffset));
        AppendNumber(table, Int32At(record, kEndOffset));
        AppendEncodedText(table, record, kAnnotationOffset);
        AppendPlainText(table, record, kMemoryMarkOffset, kMemoryMarkCapacity);
        AppendNumber(table, Int32At(record, kNoteNumberOffset));
    }
}

// Appends sentences [first, first + count) (0 = the book's first sentence),
// read in large pieces; false if a piece cannot be read.
bool ReadSentenceRange(RecordSource& source, qint64 first, qint64 count, StringTable& table)
{
    for (qint64 done = 0; done < count;) {
        const qint64 piece = std::min(kSentencesPerRead, count - done);
        const char* records = source.Records(kFirstSentenceRecord + first + done, piece);
        if (records == nullptr)
            return false;
        ReadSentenceRows(records, piece, first + done + 1, table);
        done += piece;
    }
    return true;
}

// The sentence table; on failure, why a piece could not be read.
std::optional<QString> ReadSentences(RecordSource& source, qint64 sentenceCount, StringTable& table)
{
    StringTable sentences(SentenceCaptions());
    const qint64 firstHalf = sentenceCount >= kSentencesForTwoReaders
                                 ? sentenceCount / 2 / kSentencesPerRead * kSentencesPerRead
                                 : sentenceCount;
    const std::unique_ptr<RecordSource> second = firstHalf < sentenceCount ? source.Second() : nullptr;
    const qint64 mine = second ? firstHalf : sentenceCount;
    // Declared after `second`, so that leaving early waits for the helper
    // before its source goes.
    std::future<std::optional<StringTable>> rest;
    if (second) {
        rest = std::async(std::launch::async, [&second, mine, sentenceCount] {
            std::optional<StringTable> rows(std::in_place, SentenceCaptions().size());
            rows->ReserveRows(sentenceCount - mine);
            if (!ReadSentenceRange(*second, mine, sentenceCount - mine, *rows))
                rows.reset();
            return rows;
        });
    }
    sentences.ReserveRows(sentenceCount + 1);
    if (!ReadSentenceRange(source, 0, mine, sentences))
        return source.ReadError();
    if (second) {
        std::optional<StringTable> rows = rest.get(); // what the helper threw is thrown here
        if (!rows)
            return second->ReadError();
        sentences.AppendRows(std::move(*rows));
    }
    table = std::move(sentences);
    return std::nullopt;
}

BookLoadResult LoadFrom(RecordSource& source)
{
    const qint64 recordCount = source.RecordCount();
    if (recordCount < kMinimumRecordCount)
        return Damaged(QStringLiteral("文件太短，不是完整的句子书"),
                       QStringLiteral("文件只有 %1 条完整记录（每条 %2 字节），句子书至少有 %3 条")
                           .arg(recordCount).arg(kRecordSize).arg(kMinimumRecordCount));

    const char* headerRecord = source.Records(kHeaderRecord, 1);
    if (headerRecord == nullptr)
        return Unreadable(source.ReadError());
    const BookHeader header = ReadHeader(headerRecord);
    const qint64 sentenceCount = std::min<qint64>(recordCount - kFirstSentenceRecord, kMaxSentences);
    if (header.lessonCount == 0)
        return Empty(QStringLiteral("书中没有课文"), QStringLiteral("书头记录的课文数为 0"));
    if (sentenceCount == 0)
        return Empty(QStringLiteral("书中没有句子"),
                     QStringLiteral("文件在第 %1 条记录处结束，后面没有句子记录").arg(kFirstSentenceRecord));
    if (kFirstLessonRecord + header.lessonCount > recordCount)
        return Damaged(QStringLiteral("课文表不完整"),
                       QStringLiteral("书头说有 %1 课（记录 %2–%3），但文件只有 %4 条记录")
                           .arg(header.lessonCount).arg(kFirstLessonRecord)
                           .arg(kFirstLessonRecord + header.lessonCount - 1).arg(recordCount));

    const char* lessonRecords = source.Records(kFirstLessonRecord, header.lessonCount);
    if (lessonRecords == nullptr)
        return Unreadable(source.ReadError());
    BookLoadResult result;
    result.book.lessons = ReadLessons(lessonRecords, header.lessonCount, sentenceCount, result.repairs);
    if (const std::optional<QString> readError = ReadSentences(source, sentenceCount, result.book.sentences))
        return Unreadable(*readError);
    result.book.soundFolder = header.soundFolder;
    result.status = BookLoadStatus::Loaded;
    return result;
}

} // namespace

BookLoadResult LoadSentenceBook(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Failure(BookLoadStatus::Missing, QStringLiteral("文件不存在"), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Unreadable(path + QStringLiteral("：") + file.errorString());
    FileRecords source(file);
    BookLoadResult result = LoadFrom(source);
    if (!result.Ok())
        result.detail = path + QStringLiteral("：") + result.detail;
    return result;
}

BookLoadResult ParseSentenceBook(QByteArrayView bytes)
{
    MemoryRecords source(bytes);
    return LoadFrom(source);
}

// ---------------------------------------------------------------------------

LessonRange ClampLessonRange(qint64 first, qint64 last, qsizetype sentenceCount)
{
    if (sentenceCount <= 0)
        return {};
    const qint64 count = std::min<qint64>(sentenceCount, kMaxSentences);
    const qint64 clampedFirst = std::clamp<qint64>(first, 1, count);
    const qint64 clampedLast = std::clamp<qint64>(last, clampedFirst, count);
    return {int(clampedFirst), int(clampedLast)};
}

StringTable LessonSentenceTable(const StringTable& bookSentences, int first, int last)
{
    StringTable table(LessonSentenceCaptions());
    const LessonRange range = ClampLessonRange(first, last, bookSentences.RowCount() - 1);
    table.ReserveRows(range.Size() + 1);
    for (qsizetype r = 1; r <= range.Size(); ++r) {
        const qsizetype bookRow = range.first + r - 1;
        table.AppendCell(NumberCell(r));
        for (qsizetype column = kEnglishColumn; column <= kNoteNumberColumn; ++column)
            table.AppendCell(bookSentences.CellView(bookRow, column));
        table.AppendCell(bookSentences.CellView(bookRow, kNumberColumn));
    }
    return table;
}

StringTable LessonSentenceTable(const StringTable& bookSentences, const StringTable& lessons,
                                qsizetype lessonRow)
{
    if (lessonRow < 1 || lessonRow >= lessons.RowCount())
        return StringTable(LessonSentenceCaptions());
    return LessonSentenceTable(bookSentences, lessons.CellNumber(lessonRow, kFirstSentenceColumn),
                               lessons.CellNumber(lessonRow, kLastSentenceColumn));
}

// ---------------------------------------------------------------------------

namespace {
constexpr QLatin1StringView kBookExtension(".jz");
} // namespace

QStringList ListSentenceBooks(const QString& folder) { return platform::ListBooks(folder, kBookExtension); }

QString FindSentenceBookFile(const QString& folder, const QString& bookName)
{
    return platform::FindBookFile(folder, bookName, kBookExtension);
}

} // namespace sentence
