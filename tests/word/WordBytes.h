#pragma once
// Building word books byte by byte for tests: the writer makes a valid book,
// these helpers then damage or hand-craft single fields.

#include "word/WordBookFormat.h"
#include "word/WordBookWriter.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace wordtest {

namespace wd = word::wd;

inline char* WordRecord(QByteArray& book, qsizetype word)
{
    return book.data() + (wd::kFirstWordRecord + word - 1) * wd::kRecordSize;
}

// Stores `bytes` exactly as given, with a length byte of `length`.
inline void PutRawField(char* record, qsizetype offset, unsigned char length, const QByteArray& bytes)
{
    record[offset] = char(length);
    std::memcpy(record + offset + 1, bytes.constData(), size_t(bytes.size()));
}

// A valid book of `words` words: "word k", phonetic "k'", meaning "第k词",
// clip k at k*1000 ms.
inline word::WordBookWriter NumberedWords(int words)
{
    word::WordBookWriter writer;
    for (int k = 1; k <= words; ++k)
        writer.AddWord({QString("word %1").arg(k), QString("%1'").arg(k), QString::fromUtf8("第%1词").arg(k), k * 1000,
                        k * 1000 + 800});
    return writer;
}

} // namespace wordtest
