// Loading a word book into the book table, what a damaged book does, the
// phonetic mapping and the books of a folder.

#include "WordBytes.h"
#include "word/WordBook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace wordtest;
using word::ParseWordBook;
using word::WordBookLoadResult;
using word::WordBookLoadStatus;

// ---------------------------------------------------------------------------
// The book table

TEST(WordBookReader, FillsTheTableAsTheGridHoldsIt)
{
    word::WordBookWriter writer;
    writer.AddWord({"apple", "'1p4l", QString::fromUtf8("苹果"), 0, 820});
    writer.AddWord({"ice cream", "a6s 'kri:m", QString::fromUtf8("冰淇淋"), 1500, 2600});

    const WordBookLoadResult loaded = ParseWordBook(writer.ToBytes());
    ASSERT_TRUE(loaded.Ok()) << loaded.message.toStdString();
    EXPECT_TRUE(loaded.message.isEmpty());
    const StringTable& words = loaded.book.words;
    ASSERT_EQ(words.RowCount(), 2);
    ASSERT_EQ(words.ColumnCount(), 7);
    EXPECT_EQ(words.RowList(0), (QStringList{"1", "apple", QString::fromUtf8("苹果"), "5BpZl", "0", "820", ""}));
    EXPECT_EQ(words.RowList(1),
              (QStringList{"2", "ice cream", QString::fromUtf8("冰淇淋"), "aRs 5kri:m", "1500", "2600", ""}));
}

// A book put together at the format's own offsets, without our writer.
TEST(WordBookReader, ReadsABookMadeByHandAtTheFormatsOffsets)
{
    QByteArray book(125 * 11, '\x7f');   // the ten leading records are never read
    char* record = book.data() + 125 * 10;
    PutRawField(record, 0, 3, "cat");
    PutRawField(record, 31, 3, "k1t");
    PutRawField(record, 62, 2, "\xc3\xa8");   // 猫 in GBK
    PutRawField(record, 103, 4, "1200");
    PutRawField(record, 114, 0, "");

    const WordBookLoadResult loaded = ParseWordBook(book);
    ASSERT_TRUE(loaded.Ok()) << loaded.detail.toStdString();
    ASSERT_EQ(loaded.book.WordCount(), 1);
    EXPECT_EQ(loaded.book.words.RowList(0), (QStringList{"1", "cat", QString::fromUtf8("猫"), "kBt", "1200", "", ""}));
}

TEST(WordBookReader, WordsRunToTheLastWholeRecord)
{
    QByteArray book = NumberedWords(3).ToBytes();
    book.append(124, 'x');
    const WordBookLoadResult loaded = ParseWordBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.WordCount(), 3);
    EXPECT_EQ(loaded.book.words.Cell(2, word::kWordColumn), "word 3");
}

TEST(WordBookReader, LengthBytesOverTheCapacityReadOnlyTheField)
{
    QByteArray book = NumberedWords(1).ToBytes();
    char* record = WordRecord(book, 1);
    PutRawField(record, wd::kWordOffset, 200, QByteArray(30, 'w'));
    PutRawField(record, wd::kPhoneticOffset, 31, QByteArray(30, '1'));
    PutRawField(record, wd::kEndPointOffset, 255, "1234567890");

    const WordBookLoadResult loaded = ParseWordBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.words.Cell(0, word::kWordColumn), QString(30, 'w'));
    EXPECT_EQ(loaded.book.words.Cell(0, word::kPhoneticColumn), QString(30, 'B'));
    EXPECT_EQ(loaded.book.words.Cell(0, word::kEndColumn), "1234567890");
    // The field after the clamped one is still its own.
    EXPECT_EQ(loaded.book.words.Cell(0, word::kMeaningColumn), QString::fromUtf8("第1词"));
}

// ---------------------------------------------------------------------------
// Books without words: refused whole, with a message for the learner.

TEST(DamagedWordBook, TenOrFewerRecordsHoldNoWords)
{
    const QByteArray whole = NumberedWords(2).ToBytes();
    const struct {
        qsizetype bytes;
        WordBookLoadStatus status;
    } cases[] = {{0, WordBookLoadStatus::Damaged},
                 {125 * 9 + 124, WordBookLoadStatus::Damaged},
                 {125 * 10, WordBookLoadStatus::Empty},
                 {125 * 11 - 1, WordBookLoadStatus::Empty}};
    for (const auto& c : cases) {
        const WordBookLoadResult loaded = ParseWordBook(whole.left(c.bytes));
        EXPECT_EQ(loaded.status, c.status) << c.bytes;
        EXPECT_TRUE(loaded.message.contains(QString::fromUtf8("没有单词"))) << c.bytes;
        EXPECT_FALSE(loaded.detail.isEmpty()) << c.bytes;
        EXPECT_EQ(loaded.book.WordCount(), 0) << c.bytes;
    }
    EXPECT_TRUE(ParseWordBook(whole.left(125 * 11)).Ok());
}

TEST(DamagedWordBook, HighBytesEverywhereStayInsideTheirFields)
{
    const QByteArray book(125 * 12, '\xff');
    const WordBookLoadResult loaded = ParseWordBook(book);
    ASSERT_TRUE(loaded.Ok());
    ASSERT_EQ(loaded.book.WordCount(), 2);
    EXPECT_LE(loaded.book.words.Cell(1, word::kWordColumn).size(), 30);
    EXPECT_LE(loaded.book.words.Cell(1, word::kMeaningColumn).size(), 40);
    EXPECT_LE(loaded.book.words.Cell(1, word::kEndColumn).size(), 10);
}

// ---------------------------------------------------------------------------
// The writer

TEST(WordBookWriter, RoundTripsEveryField)
{
    const QByteArray bytes = NumberedWords(40).ToBytes();
    EXPECT_EQ(bytes.size(), 125 * 50);
    EXPECT_EQ(bytes.left(125 * 10), QByteArray(125 * 10, '\0'));
    const WordBookLoadResult loaded = ParseWordBook(bytes);
    ASSERT_TRUE(loaded.Ok());
    ASSERT_EQ(loaded.book.WordCount(), 40);
    for (int k = 1; k <= 40; ++k) {
        const QString phonetic = word::ToPhoneticFont(QString("%1'").arg(k));
        EXPECT_EQ(loaded.book.words.RowList(k - 1),
                  (QStringList{QString::number(k), QString("word %1").arg(k), QString::fromUtf8("第%1词").arg(k),
                               phonetic, QString::number(k * 1000), QString::number(k * 1000 + 800), ""}));
    }
}

TEST(WordBookWriter, NamesWhatDoesNotFitAndCutsAtACharacterBoundary)
{
    word::WordBookWriter writer;
    EXPECT_EQ(writer.Problems().size(), 1);   // no words
    writer.AddWord({QString(30, 'a'), "ok", QString::fromUtf8("一二三四五六七八九十一二三四五六七八九十"), 0, 9999999999});
    EXPECT_TRUE(writer.Problems().isEmpty()) << writer.Problems().join('\n').toStdString();

    writer.AddWord({QString(31, 'a'), QString::fromUtf8("ʃ"), QString::fromUtf8("一二三四五六七八九十一二三四五六七八九十一"),
                    -2147483648LL, 0});
    const QStringList problems = writer.Problems();
    ASSERT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
    for (const QString& problem : problems)
        EXPECT_TRUE(problem.startsWith(QString::fromUtf8("第 2 个单词"))) << problem.toStdString();

    const WordBookLoadResult loaded = ParseWordBook(writer.ToBytes());
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.words.Cell(1, word::kWordColumn), QString(30, 'a'));
    EXPECT_EQ(loaded.book.words.Cell(1, word::kMeaningColumn),
              QString::fromUtf8("一二三四五六七八九十一二三四五六七八九十"));
    EXPECT_EQ(loaded.book.words.Cell(0, word::kEndColumn), "9999999999");
}

// ---------------------------------------------------------------------------
// The phonetic mapping

TEST(PhoneticFont, MapsEachStoredCharacterOnce)
{
    EXPECT_EQ(word::ToPhoneticFont(u"1'5"), "B5A");
    EXPECT_EQ(word::ToPhoneticFont(u"1234567890='; "), "BQEZARFTNWV57 ");
    // The display letters are not stored characters, so they come out as
    // they went in; the stress marks' display digits are, so a second
    // mapping would change them.
    EXPECT_EQ(word::ToPhoneticFont(u"BQEZARFTNWV"), "BQEZARFTNWV");
    EXPECT_EQ(word::ToPhoneticFont(u"57"), "AF");
    EXPECT_EQ(word::ToPhoneticFont(u""), "");
}

TEST(PhoneticFont, EverythingElsePassesUnchanged)
{
    const QString unchanged = QString::fromUtf8("abcxyz SJ: ()[]/,.-\"tSdJ音ʃ");
    EXPECT_EQ(word::ToPhoneticFont(unchanged), unchanged);
    for (char16_t c = 0; c < 0x80; ++c) {
        if (!QStringView(u"1234567890=';").contains(QChar(c))) {
            EXPECT_EQ(word::ToPhoneticFontChar(c), c) << int(c);
        }
    }
}

// ---------------------------------------------------------------------------
// Books on disk

class WordBookFolder : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QTemporaryDir folder_;
};

TEST_F(WordBookFolder, LoadsWrittenBooksAndRefusesMissingOrEmptyOnes)
{
    const QString deep = QString(130, 'd') + "/" + QString(30, 'e') + "/book.wd";   // far over 120 characters
    ASSERT_TRUE(NumberedWords(5).WriteFile(Path(deep)));
    const WordBookLoadResult loaded = word::LoadWordBook(Path(deep));
    ASSERT_TRUE(loaded.Ok()) << loaded.detail.toStdString();
    EXPECT_EQ(loaded.book.WordCount(), 5);

    const WordBookLoadResult missing = word::LoadWordBook(Path("none.wd"));
    EXPECT_EQ(missing.status, WordBookLoadStatus::Missing);
    EXPECT_EQ(missing.message, QString::fromUtf8("该书本不存在"));
    QDir(folder_.path()).mkdir("folder.wd");
    EXPECT_EQ(word::LoadWordBook(Path("folder.wd")).status, WordBookLoadStatus::Missing);

    Write("empty.wd", QByteArray(125 * 10, '\0'));
    const WordBookLoadResult empty = word::LoadWordBook(Path("empty.wd"));
    EXPECT_EQ(empty.status, WordBookLoadStatus::Empty);
    EXPECT_TRUE(empty.detail.contains(Path("empty.wd")));
}

TEST_F(WordBookFolder, ListsBooksInNameOrderWithoutExtension)
{
    for (const char* name : {"c.Wd", "Unit01.wd", "b.wd", "A.WD", "notes.txt", "x.wdd", "wd", ".wd", "y.jz"})
        Write(QString::fromUtf8(name), "");
    Write(QString::fromUtf8("水果.wd"), "");
    QDir(folder_.path()).mkdir("folder.wd");

    EXPECT_EQ(word::ListWordBooks(folder_.path()), (QStringList{"A", "b", "c", "Unit01", QString::fromUtf8("水果")}));
    EXPECT_TRUE(word::ListWordBooks(Path("no such folder")).isEmpty());
}

TEST_F(WordBookFolder, FindsTheBookFileAndTheRecording)
{
    Write("A.WD", "");
    Write("b.wd", "");
    EXPECT_EQ(word::FindWordBookFile(folder_.path(), "A"), Path("A.WD"));
    EXPECT_EQ(word::FindWordBookFile(folder_.path(), "b"), Path("b.wd"));
    EXPECT_TRUE(word::FindWordBookFile(folder_.path(), "a").isEmpty());
    EXPECT_TRUE(word::FindWordBookFile(folder_.path(), "c").isEmpty());

    EXPECT_EQ(word::WordRecordingPath("/opt/tingdu", QString::fromUtf8("水果")),
              QString::fromUtf8("/opt/tingdu/bdcSound/水果.mp3"));
}

} // namespace
