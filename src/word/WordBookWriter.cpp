#include "WordBookWriter.h"

#include "platform/BookFolder.h"
#include "platform/TextEncoding.h"
#include "word/WordBookFormat.h"


#include <cstring>

namespace word {
namespace {

using namespace wd;

void PutText(char* record, qsizetype offset, const QString& text, qsizetype capacity)
{
    const QByteArray bytes = platform::FitGbk(platform::UnicodeToGbk(text), capacity);
    record[offset] = char(bytes.size());
    std::memcpy(record + offset + 1, bytes.constData(), size_t(bytes.size()));
}

void PutWord(char* record, const BookWord& word)
{
    PutText(record, kWordOffset, word.word, kWordCapacity);
    PutText(record, kPhoneticOffset, word.phonetic, kPhoneticCapacity);
    PutText(record, kMeaningOffset, word.meaning, kMeaningCapacity);
    PutText(record, kStartPointOffset, QString::number(word.start), kStartPointCapacity);
    PutText(record, kEndPointOffset, QString::number(word.end), kEndPointCapacity);
}

bool Encodable(const QString& text)
{
    return platform::GbkToUnicode(platform::UnicodeToGbk(text)) == text;
}

void CheckText(QStringList& problems, const QString& where, const QString& field, const QString& text,
               qsizetype capacity)
{
    if (!Encodable(text))
        problems.append(QStringLiteral("%1的%2含有 GBK 无法表示的字符").arg(where, field));
    if (platform::UnicodeToGbk(text).size() > capacity)
        problems.append(QStringLiteral("%1的%2超过 %3 字节，会被截断").arg(where, field).arg(capacity));
}

} // namespace

int WordBookWriter::AddWord(const BookWord& word)
{
    words_.append(word);
    return int(words_.size());
}

QStringList WordBookWriter::Problems() const
{
    QStringList problems;
    if (words_.isEmpty())
        problems.append(QStringLiteral("书中没有单词"));
    for (qsizetype k = 0; k < words_.size(); ++k) {
        const BookWord& word = words_[k];
        const QString where = QStringLiteral("第 %1 个单词").arg(k + 1);
        CheckText(problems, where, QStringLiteral("单词"), word.word, kWordCapacity);
        CheckText(problems, where, QStringLiteral("音标"), word.phonetic, kPhoneticCapacity);
        CheckText(problems, where, QStringLiteral("词义"), word.meaning, kMeaningCapacity);
        CheckText(problems, where, QStringLiteral("开始点"), QString::number(word.start), kStartPointCapacity);
        CheckText(problems, where, QStringLiteral("结束点"), QString::number(word.end), kEndPointCapacity);
    }
    return problems;
}

QByteArray WordBookWriter::ToBytes() const
{
    QByteArray bytes((kFirstWordRecord + words_.size()) * kRecordSize, '\0');
    for (qsizetype k = 0; k < words_.size(); ++k)
        PutWord(bytes.data() + (kFirstWordRecord + k) * kRecordSize, words_[k]);
    return bytes;
}

bool WordBookWriter::WriteFile(const QString& path, QString* error) const
{
    return platform::WriteBookFile(path, ToBytes(), error);
}

} // namespace word
