// Cutting a book into groups and filling the group arrays the word screens
// read.

#include "WordBytes.h"
#include "word/WordBook.h"
#include "word/WordGroups.h"

#include <gtest/gtest.h>

namespace {

using namespace wordtest;
using word::CountZus;
using word::FillZu;
using word::ZuArrays;
using word::ZuWordCount;

StringTable BookOf(int words)
{
    const word::WordBookLoadResult loaded = word::ParseWordBook(NumberedWords(words).ToBytes());
    EXPECT_TRUE(loaded.Ok());
    return loaded.book.words;
}

TEST(CountZus, RoundsUpAndFlagsAFullLastGroup)
{
    const struct {
        qsizetype words;
        int size, groups;
        bool lastFull;
    } cases[] = {{61, 30, 3, false}, {60, 30, 2, true}, {20, 30, 1, false}, {1, 20, 1, false},
                 {50, 50, 1, true},  {51, 50, 2, false}, {100, 20, 5, true}, {0, 30, 1, false}};
    for (const auto& c : cases) {
        const word::ZuCount count = CountZus(c.words, c.size);
        EXPECT_EQ(count.FZuCount, c.groups) << c.words << " / " << c.size;
        EXPECT_EQ(count.FLastZuFull, c.lastFull) << c.words << " / " << c.size;
    }
}

TEST(CountZus, GroupSizesOutsideTheirRangeAreBroughtIntoIt)
{
    EXPECT_EQ(CountZus(61, 0).FZuCount, 4);     // as 20
    EXPECT_EQ(CountZus(61, 500).FZuCount, 2);   // as 50
    EXPECT_EQ(ZuWordCount(61, -3, 4), 1);
}

TEST(ZuWordCount, OnlyAShortLastGroupIsShort)
{
    EXPECT_EQ(ZuWordCount(61, 30, 1), 30);
    EXPECT_EQ(ZuWordCount(61, 30, 2), 30);
    EXPECT_EQ(ZuWordCount(61, 30, 3), 1);
    EXPECT_EQ(ZuWordCount(60, 30, 2), 30);
    EXPECT_EQ(ZuWordCount(20, 30, 1), 20);
    EXPECT_EQ(ZuWordCount(45, 20, 3), 5);
}

TEST(FillZu, TakesTheGroupsRowsOfTheBook)
{
    const StringTable book = BookOf(61);
    ZuArrays arrays;
    FillZu(book, 30, 2, arrays);
    for (int k = 1; k <= 30; ++k) {
        const int number = 30 + k;
        EXPECT_EQ(arrays.FZuNumber[k], QString("%1. ").arg(number));
        EXPECT_EQ(arrays.FZuWord[k], QString("word %1").arg(number));
        EXPECT_EQ(arrays.FZuMeaning[k], QString::fromUtf8("第%1词").arg(number));
        EXPECT_EQ(arrays.FZuPhonetic[k], word::ToPhoneticFont(QString("%1'").arg(number)));
        EXPECT_EQ(arrays.FZuStart[k], QString::number(number * 1000));
        EXPECT_EQ(arrays.FZuEnd[k], QString::number(number * 1000 + 800));
    }
}

TEST(FillZu, AShortLastGroupLeavesEmptyEntriesAndKeepsThoseAboveTheSize)
{
    const StringTable book = BookOf(61);
    ZuArrays arrays;
    FillZu(book, 50, 1, arrays);   // entries 31..50 now hold words 31..50
    FillZu(book, 30, 3, arrays);
    EXPECT_EQ(arrays.FZuNumber[1], "61. ");
    EXPECT_EQ(arrays.FZuWord[1], "word 61");
    for (int k = 2; k <= 30; ++k) {
        EXPECT_EQ(arrays.FZuNumber[k], ". ") << k;
        EXPECT_TRUE(arrays.FZuWord[k].isEmpty()) << k;
        EXPECT_TRUE(arrays.FZuMeaning[k].isEmpty()) << k;
        EXPECT_TRUE(arrays.FZuPhonetic[k].isEmpty()) << k;
        EXPECT_TRUE(arrays.FZuStart[k].isEmpty()) << k;
        EXPECT_TRUE(arrays.FZuEnd[k].isEmpty()) << k;
    }
    EXPECT_EQ(arrays.FZuWord[31], "word 31");
    EXPECT_EQ(arrays.FZuWord[50], "word 50");
    EXPECT_TRUE(arrays.FZuWord[51].isEmpty());
}

TEST(FillZu, CutsEntriesToFiftyCharacters)
{
    StringTable book(word::kWordTableColumns);
    book.SetRowCount(1);
    book.SetCell(0, word::kNumberColumn, QString(49, '9'));
    book.SetCell(0, word::kMeaningColumn, QString(60, 'm'));
    ZuArrays arrays;
    FillZu(book, 20, 1, arrays);
    EXPECT_EQ(arrays.FZuNumber[1], QString(49, '9') + ".");
    EXPECT_EQ(arrays.FZuMeaning[1], QString(50, 'm'));
}

TEST(FillZu, AGroupOutsideTheBookIsAllEmpty)
{
    const StringTable book = BookOf(3);
    ZuArrays arrays;
    for (const int zu : {0, -1, 5}) {
        FillZu(book, 20, zu, arrays);
        for (int k = 1; k <= 20; ++k) {
            EXPECT_EQ(arrays.FZuNumber[k], ". ") << zu << " " << k;
            EXPECT_TRUE(arrays.FZuWord[k].isEmpty()) << zu << " " << k;
        }
    }
}

} // namespace
