// Word books (.wd): a book that loads must hold in its table what its
// records say by the format's plain definition (length byte bounded by the
// capacity, GBK, the phonetic mapped for the font), one row per whole record
// after the first ten; every group filled from it must be its slice of the
// table, cut to the entries' capacity. A book that does not load must say
// why and carry no table.

#include "FuzzCheck.h"
#include "platform/GbkDecoder.h"
#include "word/WordBook.h"
#include "word/WordBookFormat.h"
#include "word/WordGroups.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace word;

QString StoredText(const char* record, qsizetype offset, qsizetype capacity)
{
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(record[offset]), capacity);
    return platform::DecodeGbk(record + offset + 1, length);
}

void CheckRefusal(QByteArrayView bytes, const WordBookLoadResult& result)
{
    FUZZ_CHECK(!result.message.isEmpty(), "a book that does not load says why");
    FUZZ_CHECK(result.book.words.RowCount() == 0, "a book that does not load carries no table");
    FUZZ_CHECK(bytes.size() / wd::kRecordSize <= wd::kFirstWordRecord, "only a book without words is refused");
}

void CheckTable(QByteArrayView bytes, const StringTable& words)
{
    FUZZ_CHECK(words.ColumnCount() == kWordTableColumns, "the book table has its columns");
    FUZZ_CHECK(words.RowCount() == bytes.size() / wd::kRecordSize - wd::kFirstWordRecord,
               "one row per whole record after the first ten");
    for (qsizetype r = 0; r < words.RowCount(); ++r) {
        const char* record = bytes.data() + (wd::kFirstWordRecord + r) * wd::kRecordSize;
        FUZZ_CHECK(words.CellNumber(r, kNumberColumn) == r + 1, "words are numbered in order");
        FUZZ_CHECK(words.CellView(r, kWordColumn) == StoredText(record, wd::kWordOffset, wd::kWordCapacity), "word");
        FUZZ_CHECK(words.CellView(r, kMeaningColumn) == StoredText(record, wd::kMeaningOffset, wd::kMeaningCapacity),
                   "meaning");
        FUZZ_CHECK(words.CellView(r, kPhoneticColumn) ==
                       ToPhoneticFont(StoredText(record, wd::kPhoneticOffset, wd::kPhoneticCapacity)),
                   "phonetic, mapped");
        FUZZ_CHECK(words.CellView(r, kStartColumn) ==
                       StoredText(record, wd::kStartPointOffset, wd::kStartPointCapacity),
                   "start point");
        FUZZ_CHECK(words.CellView(r, kEndColumn) == StoredText(record, wd::kEndPointOffset, wd::kEndPointCapacity),
                   "end point");
        FUZZ_CHECK(words.CellView(r, kSpareColumn).isEmpty(), "the last column stays empty");
    }
}

void CheckGroup(const StringTable& words, int zuSize, int zu, const ZuArrays& arrays)
{
    for (int k = 1; k <= zuSize; ++k) {
        const qsizetype row = qsizetype(zu - 1) * zuSize + k - 1;
        FUZZ_CHECK(arrays.FZuNumber[k] == (words.Cell(row, kNumberColumn) + ". ").left(kZuTextCapacity), "number");
        FUZZ_CHECK(arrays.FZuWord[k] == words.Cell(row, kWordColumn).left(kZuTextCapacity), "group word");
        FUZZ_CHECK(arrays.FZuPhonetic[k] == words.Cell(row, kPhoneticColumn).left(kZuTextCapacity), "group phonetic");
        FUZZ_CHECK(arrays.FZuEnd[k].size() <= kZuTextCapacity, "entries are cut to their capacity");
    }
}

// Every group of the book at the smallest and the largest group size.
void CheckGroups(const StringTable& words)
{
    for (const int zuSize : {kMinZuSize, kMaxZuSize}) {
        const ZuCount count = CountZus(words.RowCount(), zuSize);
        FUZZ_CHECK(count.FZuCount >= 1, "at least one group");
        qsizetype covered = 0;
        ZuArrays arrays;
        for (int zu = 1; zu <= count.FZuCount; ++zu) {
            const int inGroup = ZuWordCount(words.RowCount(), zuSize, zu);
            FUZZ_CHECK(inGroup >= 1 && inGroup <= zuSize, "every group has words, at most the group size");
            covered += inGroup;
            FillZu(words, zuSize, zu, arrays);
            CheckGroup(words, zuSize, zu, arrays);
        }
        FUZZ_CHECK(covered == words.RowCount(), "the groups cover the book exactly");
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
    const WordBookLoadResult result = ParseWordBook(bytes);
    if (!result.Ok()) {
        CheckRefusal(bytes, result);
        return 0;
    }
    FUZZ_CHECK(result.message.isEmpty(), "a book that loads has no message");
    CheckTable(bytes, result.book.words);
    CheckGroups(result.book.words);
    return 0;
}
