#include "WordGroups.h"

#include "word/WordBook.h"

#include <algorithm>

namespace word {

static_assert(kMaxZuSize <= kZuArrayLast, "a whole group fits the arrays");

int ClampZuSize(int zuSize)
{
    return std::clamp(zuSize, kMinZuSize, kMaxZuSize);
}

ZuCount CountZus(qsizetype bookWordCount, int zuSize)
{
    const qsizetype size = ClampZuSize(zuSize);
    const qsizetype words = std::max<qsizetype>(bookWordCount, 0);
    const qsizetype whole = words / size;
    if (whole > 0 && whole * size == words)
        return {int(whole), true};
    return {int(whole + 1), false};
}

int ZuWordCount(qsizetype bookWordCount, int zuSize, int currentZu)
{
    const int size = ClampZuSize(zuSize);
    const ZuCount count = CountZus(bookWordCount, size);
    if (!count.FLastZuFull && currentZu == count.FZuCount)
        return int(std::max<qsizetype>(bookWordCount, 0) - qsizetype(currentZu - 1) * size);
    return size;
}

namespace {

QString Entry(QStringView text)
{
    return text.left(kZuTextCapacity).toString();
}

} // namespace

void FillZu(const StringTable& bookTable, int zuSize, int currentZu, ZuArrays& arrays)
{
    const int size = ClampZuSize(zuSize);
    const qint64 firstRow = (qint64(currentZu) - 1) * size;
    for (int k = 1; k <= size; ++k) {
        const qint64 row = firstRow + k - 1;
        arrays.FZuNumber[k] = Entry(bookTable.CellView(row, kNumberColumn).toString() + QStringLiteral(". "));
        arrays.FZuWord[k] = Entry(bookTable.CellView(row, kWordColumn));
        arrays.FZuMeaning[k] = Entry(bookTable.CellView(row, kMeaningColumn));
        arrays.FZuPhonetic[k] = Entry(bookTable.CellView(row, kPhoneticColumn));
        arrays.FZuStart[k] = Entry(bookTable.CellView(row, kStartColumn));
        arrays.FZuEnd[k] = Entry(bookTable.CellView(row, kEndColumn));
    }
}

} // namespace word
