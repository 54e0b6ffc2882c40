#include "WordBook.h"

#include "platform/BookFolder.h"
#include "platform/GbkDecoder.h"
#include "word/WordBookFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace word {
namespace {

using namespace wd;

// ---------------------------------------------------------------------------
// Fields of one record.

// The field's text length: its length byte, bounded by what the field holds.
qsizetype FieldLength(const char* record, qsizetype offset, qsizetype capacity)
{
    return std::min<qsizetype>(static_cast<unsigned char>(record[offset]), capacity);
}

void AppendText(StringTable& table, const char* record, qsizetype offset, qsizetype capacity)
{
    const qsizetype length = FieldLength(record, offset, capacity);
    table.AppendCellWith(length, [&](char16_t* out) { return platform::DecodeGbkTo(record + offset + 1, length, out); });
}

// Decoding never gives more characters than bytes, and the mapping is one
// character for one, so it is done in place.
void AppendPhonetic(StringTable& table, const char* record)
{
    const qsizetype length = FieldLength(record, kPhoneticOffset, kPhoneticCapacity);
    table.AppendCellWith(length, [&](char16_t* out) {
        const qsizetype written = platform::DecodeGbkTo(record + kPhoneticOffset + 1, length, out);
        std::transform(out, out + written, out, ToPhoneticFontChar);
        return written;
    });
}

void AppendWordRow(StringTable& table, const char* record, qint64 number)
{
    table.AppendCellWith(20, [number](char16_t* out) { return WriteNumber(number, out); });
    AppendText(table, record, kWordOffset, kWordCapacity);
    AppendText(table, record, kMeaningOffset, kMeaningCapacity);
    AppendPhonetic(table, record);
    AppendText(table, record, kStartPointOffset, kStartPointCapacity);
    AppendText(table, record, kEndPointOffset, kEndPointCapacity);
    table.AppendCell(QStringView());
}

// ---------------------------------------------------------------------------
// Results.

WordBookLoadResult Failure(WordBookLoadStatus status, const QString& message, const QString& detail)
{
    WordBookLoadResult result;
    result.status = status;
    result.message = message;
    result.detail = detail;
    return result;
}

WordBookLoadResult NoWords(WordBookLoadStatus status, qint64 recordCount)
{
    return Failure(status, QStringLiteral("书本文件已损坏：书中没有单词"),
                   QStringLiteral("文件只有 %1 条完整记录（每条 %2 字节），单词从第 %3 条记录开始")
                       .arg(recordCount).arg(kRecordSize).arg(kFirstWordRecord + 1));
}

WordBookLoadResult WithPath(WordBookLoadResult result, const QString& path)
{
    if (!result.Ok())
        result.detail = path + QStringLiteral("：") + result.detail;
    return result;
}

} // namespace

WordBookLoadResult ParseWordBook(QByteArrayView bytes)
{
    const qint64 recordCount = bytes.size() / kRecordSize;
    if (recordCount < kFirstWordRecord)
        return NoWords(WordBookLoadStatus::Damaged, recordCount);
    if (recordCount == kFirstWordRecord)
        return NoWords(WordBookLoadStatus::Empty, recordCount);

    const qint64 wordCount = recordCount - kFirstWordRecord;
    WordBookLoadResult result;
    result.book.words.ReserveRows(wordCount);
    const char* records = bytes.data() + kFirstWordRecord * kRecordSize;
    for (qint64 r = 0; r < wordCount; ++r)
        AppendWordRow(result.book.words, records + r * kRecordSize, r + 1);
    result.status = WordBookLoadStatus::Loaded;
    return result;
}

WordBookLoadResult LoadWordBook(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Failure(WordBookLoadStatus::Missing, QStringLiteral("该书本不存在"), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(WordBookLoadStatus::Unreadable, QStringLiteral("书本文件无法读取"),
                       path + QStringLiteral("：") + file.errorString());
    const qint64 expected = file.size();
    const QByteArray bytes = file.readAll();
    if (bytes.size() != expected || file.error() != QFileDevice::NoError)
        return Failure(WordBookLoadStatus::Unreadable, QStringLiteral("书本文件无法读取"),
                       path + QStringLiteral("：") +
                           (file.error() != QFileDevice::NoError ? file.errorString()
                                                                 : QStringLiteral("文件在读取时变短了")));
    return WithPath(ParseWordBook(bytes), path);
}

// ---------------------------------------------------------------------------

char16_t ToPhoneticFontChar(char16_t stored)
{
    switch (stored) {
    case u'1': return u'B';
    case u'2': return u'Q';
    case u'3': return u'E';
    case u'4': return u'Z';
    case u'5': return u'A';
    case u'6': return u'R';
    case u'7': return u'F';
    case u'8': return u'T';
    case u'9': return u'N';
    case u'0': return u'W';
    case u'=': return u'V';
    case u'\'': return u'5';
    case u';': return u'7';
    default: return stored;
    }
}

QString ToPhoneticFont(QStringView stored)
{
    QString display(stored.size(), Qt::Uninitialized);
    std::transform(stored.utf16(), stored.utf16() + stored.size(), reinterpret_cast<char16_t*>(display.data()),
                   ToPhoneticFontChar);
    return display;
}

// ---------------------------------------------------------------------------

namespace {
constexpr QLatin1StringView kBookExtension(".wd");
} // namespace

QStringList ListWordBooks(const QString& folder) { return platform::ListBooks(folder, kBookExtension); }

QString FindWordBookFile(const QString& folder, const QString& bookName)
{
    return platform::FindBookFile(folder, bookName, kBookExtension);
}

QString WordRecordingPath(const QString& programFolder, const QString& bookName)
{
    return QDir(programFolder).filePath(QStringLiteral("bdcSound/") + bookName + QStringLiteral(".mp3"));
}

QString FindWordRecording(const QString& programFolder, const QString& bookName)
{
    return platform::FindBookFile(QDir(programFolder).filePath(QStringLiteral("bdcSound")), bookName,
                                  QLatin1StringView(".mp3"));
}

} // namespace word
