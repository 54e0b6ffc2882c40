// Text fields: the byte-pair exchange and the GBK conversion behind it.

#include "BookBytes.h"
#include "platform/TextEncoding.h"
#include "sentence/SentenceBook.h"
#include "platform/GbkDecoder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using namespace booktest;
using sentence::jz::DecodeBookText;

TEST(BookTextDecoding, ExchangesPairsWhileTwoBytesFollow)
{
    EXPECT_EQ(DecodeBookText("abcdefgh"), "abdcfegh");
    EXPECT_EQ(DecodeBookText("abcdefghi"), "abdcfeghi");
    EXPECT_EQ(DecodeBookText("abcdef"), "abdcef");
    EXPECT_EQ(DecodeBookText("abcdefg"), "abdcefg");
    for (const QByteArray shortValue : {"", "a", "ab", "abc", "abcd", "abcde"})
        EXPECT_EQ(DecodeBookText(shortValue), shortValue);
}

TEST(BookTextDecoding, IsItsOwnInverseAtEveryLength)
{
    QByteArray value;
    for (int length = 0; length <= 255; ++length) {
        EXPECT_EQ(DecodeBookText(DecodeBookText(value)), value) << length;
        value.append(char('A' + length % 26));
    }
}

// A field's raw bytes reach the table decoded: the exchange on bytes first,
// the GBK conversion after, even where the exchange splits a character.
TEST(BookTextDecoding, AppliesToRawBytesBeforeConversion)
{
    QByteArray book = NumberedBook(1, 1).ToBytes();
    PutRawString(SentenceRecord(book, 1), sentence::jz::kEnglishOffset, "abcdefgh");
    PutRawString(SentenceRecord(book, 1), sentence::jz::kAnnotationOffset, "abcdefghi");
    // "xy听读z" in GBK is x y CC FD B6 C1 z; stored, it is x y FD CC B6 C1 z,
    // whose FD CC is another character: converting before exchanging fails.
    const QByteArray chinese = platform::UnicodeToGbk(QString::fromUtf8("xy听读z"));
    PutRawString(SentenceRecord(book, 1), sentence::jz::kChineseOffset, DecodeBookText(chinese));

    const sentence::BookLoadResult loaded = sentence::ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok()) << loaded.message.toStdString();
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kEnglishColumn), "abdcfegh");
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kAnnotationColumn), "abdcfeghi");
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kChineseColumn), QString::fromUtf8("xy听读z"));
}

TEST(BookTextDecoding, SoundFolderAndMemoryMarkAreTakenAsStored)
{
    QByteArray book = NumberedBook(2, 2).ToBytes();
    PutRawString(HeaderRecord(book), sentence::jz::kEnglishOffset, "abcdefgh");
    PutRawString(SentenceRecord(book, 1), sentence::jz::kMemoryMarkOffset, platform::UnicodeToGbk("记a"));
    // A length byte claiming more than the 3-byte field reads only the field.
    char* second = SentenceRecord(book, 2);
    PutRawString(second, sentence::jz::kMemoryMarkOffset, "xyz");
    second[sentence::jz::kMemoryMarkOffset] = char(200);

    const sentence::BookLoadResult loaded = sentence::ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.soundFolder, "abcdefgh");
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kMemoryMarkColumn), QString::fromUtf8("记a"));
    EXPECT_EQ(loaded.book.sentences.Cell(2, sentence::kMemoryMarkColumn), "xyz");
}

// The table-driven decoder must say exactly what the platform's converter
// says, damaged bytes included.
TEST(GbkDecoder, AgreesWithThePlatformConverter)
{
    QByteArray everyPair;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; trail += 1) {
            everyPair.append(char(lead));
            everyPair.append(char(trail));
        }
    }
    EXPECT_EQ(platform::DecodeGbk(everyPair.constData(), everyPair.size()), platform::GbkToUnicode(everyPair));

    QRandomGenerator random(1234);
    for (int sample = 0; sample < 2000; ++sample) {
        QByteArray bytes(int(random.bounded(1, 40)), Qt::Uninitialized);
        for (char& byte : bytes)   // mostly high bytes, where the traps are
            byte = char(random.bounded(4) == 0 ? random.bounded(0x20, 0x80) : random.bounded(0x80, 0x100));
        ASSERT_EQ(platform::DecodeGbk(bytes.constData(), bytes.size()), platform::GbkToUnicode(bytes))
            << bytes.toHex().constData();
    }
}

} // namespace
