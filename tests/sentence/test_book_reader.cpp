// Loading a book into the catalogue tables, and what a damaged book does.

#include "BookBytes.h"
#include "sentence/SentenceBook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

namespace {

using namespace booktest;
using sentence::BookLoadResult;
using sentence::BookLoadStatus;
using sentence::ParseSentenceBook;

// ---------------------------------------------------------------------------
// The tables of a sound book

TEST(BookReader, FillsTheTablesAsTheGridsHoldThem)
{
    sentence::SentenceBookWriter writer(QString::fromUtf8("日常"));
    writer.AddSentence({"Good morning.", QString::fromUtf8("早上好。"), 0, 1250, QString::fromUtf8("见面问候"), "1", 7});
    writer.AddSentence({"See you.", QString::fromUtf8("再见。"), -5, 2000000000});
    writer.AddLesson({QString::fromUtf8("问候"), 1, 2, "lesson01.wav"});

    const BookLoadResult loaded = ParseSentenceBook(writer.ToBytes());
    ASSERT_TRUE(loaded.Ok()) << loaded.message.toStdString();
    EXPECT_TRUE(loaded.message.isEmpty());
    EXPECT_TRUE(loaded.repairs.isEmpty());
    EXPECT_EQ(loaded.book.soundFolder, QString::fromUtf8("日常"));

    const StringTable& lessons = loaded.book.lessons;
    ASSERT_EQ(lessons.RowCount(), 2);
    EXPECT_EQ(lessons.RowList(0), sentence::LessonCaptions());
    EXPECT_EQ(lessons.RowList(0), (QStringList{"编号", "标题", "开始句", "结束句", "音频名"}));
    EXPECT_EQ(lessons.RowList(1), (QStringList{"1", QString::fromUtf8("问候"), "1", "2", "lesson01.wav"}));

    const StringTable& sentences = loaded.book.sentences;
    ASSERT_EQ(sentences.RowCount(), 3);
    EXPECT_EQ(sentences.RowList(0),
              (QStringList{"编号", "英语", "中文", "开始点", "结束点", "注解", "记忆", "备注编号"}));
    EXPECT_EQ(sentences.RowList(1), (QStringList{"1", "Good morning.", QString::fromUtf8("早上好。"), "0", "1250",
                                                 QString::fromUtf8("见面问候"), "1", "7"}));
    EXPECT_EQ(sentences.RowList(2), (QStringList{"2", "See you.", QString::fromUtf8("再见。"), "-5", "2000000000",
                                                 "", "", "0"}));
    EXPECT_EQ(loaded.book.LessonCount(), 1);
    EXPECT_EQ(loaded.book.SentenceCount(), 2);
}

// A book put together byte by byte at the format's own offsets, without our
// writer: what the reader finds there is what any book maker put there.
TEST(BookReader, ReadsABookMadeByHandAtTheFormatsOffsets)
{
    constexpr int kRecord = 784;
    QByteArray book(kRecord * 202, '\0');
    auto put = [&](int record, int offset, const QByteArray& bytes) {
        std::memcpy(book.data() + record * kRecord + offset, bytes.constData(), size_t(bytes.size()));
    };
    auto text = [](const QByteArray& stored) { return char(stored.size()) + stored; };
    auto int32 = [](qint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian<qint32>(value, bytes.data());
        return bytes;
    };

    put(4, 0, text("snd/x"));                     // sound folder, stored plain
    put(4, 512, QByteArray("\x01\x00\xff\xff", 4)); // lesson count 1; bytes 514-515 ignored
    put(10, 0, text("Lessno 1"));                 // title "Lesson 1": pairs (3,4) and (5,6) exchanged
    put(10, 512, int32(1));
    put(10, 516, int32(2));
    put(10, 520, text("l1m.p3"));                 // recording "l1.mp3", encoded too
    // Sentence 1 at record 200: English "abcdefgh" stored as "abdcfegh";
    // Chinese 早上好 in GBK (D4E7 C9CF BAC3) with the pair exchange.
    put(200, 0, text("abdcfegh"));
    put(200, 256, text("\xd4\xe7\xcf\xc9\xba\xc3"));
    put(200, 512, int32(1250));
    put(200, 516, int32(-7));
    put(200, 520, text("noet"));                  // 4 bytes: shown as stored
    put(200, 776, text("ab"));                    // memory mark, never decoded
    put(200, 780, int32(70000));
    // Sentence 2: a one-byte English text and an empty Chinese one.
    put(201, 0, text("I"));
    put(201, 516, int32(2000));

    const BookLoadResult loaded = ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok()) << loaded.detail.toStdString();
    EXPECT_EQ(loaded.book.soundFolder, "snd/x");
    EXPECT_EQ(loaded.book.lessons.RowList(1), (QStringList{"1", "Lesson 1", "1", "2", "l1.mp3"}));
    EXPECT_EQ(loaded.book.sentences.RowList(1),
              (QStringList{"1", "abcdefgh", QString::fromUtf8("早上好"), "1250", "-7", "noet", "ab", "70000"}));
    EXPECT_EQ(loaded.book.sentences.RowList(2), (QStringList{"2", "I", "", "0", "2000", "", "", "0"}));
}

// Texts of zero and one byte next to texts that fill the table's storage
// exactly: nothing is written past a cell (the sanitizer build checks the
// bytes; here every cell must still read back as stored).
TEST(BookReader, EmptyAndOneByteTextsBesideLongOnes)
{
    // Over this range of English lengths some short text lands exactly on
    // the end of a storage block.
    for (int englishLength = 1; englishLength <= 255; ++englishLength) {
        sentence::SentenceBookWriter writer("snd");
        for (int k = 1; k <= 120; ++k)
            writer.AddSentence({QString(englishLength, QChar('a' + k % 26)), k > 100 ? QString("x") : QString(), k, k + 1});
        writer.AddLesson({"L", 1, 120, "l.mp3"});
        const BookLoadResult loaded = ParseSentenceBook(writer.ToBytes());
        ASSERT_TRUE(loaded.Ok());
        for (int k = 1; k <= 120; ++k) {
            ASSERT_EQ(loaded.book.sentences.Cell(k, sentence::kEnglishColumn), QString(englishLength, QChar('a' + k % 26)));
            ASSERT_EQ(loaded.book.sentences.Cell(k, sentence::kChineseColumn), k > 100 ? QString("x") : QString());
        }
    }
}

TEST(BookReader, LessonCountDecidesWhichLessonRecordsAreRead)
{
    QByteArray book = NumberedBook(10, 2).ToBytes();   // 5 lessons written
    PutLessonCount(book, 3);
    // Whatever follows lesson 3 is never looked at.
    std::memset(LessonRecord(book, 4), 0xFF, size_t(2 * sentence::jz::kRecordSize));

    const BookLoadResult loaded = ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    ASSERT_EQ(loaded.book.lessons.RowCount(), 4);
    EXPECT_EQ(loaded.book.lessons.Cell(3, sentence::kTitleColumn), QString::fromUtf8("第3课"));
    EXPECT_EQ(loaded.book.lessons.Cell(3, sentence::kFirstSentenceColumn), "5");
    EXPECT_EQ(loaded.book.lessons.Cell(3, sentence::kLastSentenceColumn), "6");
}

TEST(BookReader, SentencesRunToTheLastWholeRecord)
{
    QByteArray book = NumberedBook(4, 4).ToBytes();
    book.append(500, 'x');   // a trailing partial record is not a sentence
    const BookLoadResult loaded = ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.SentenceCount(), 4);
    EXPECT_EQ(loaded.book.sentences.Cell(4, sentence::kEnglishColumn), "Sentence 4.");
}

// ---------------------------------------------------------------------------
// Damaged books: all or nothing, with a message for the learner.

void ExpectRefused(const QByteArray& book, BookLoadStatus status, const char* what)
{
    const BookLoadResult loaded = ParseSentenceBook(book);
    EXPECT_EQ(loaded.status, status) << what;
    EXPECT_FALSE(loaded.Ok()) << what;
    EXPECT_TRUE(loaded.message.startsWith(QString::fromUtf8("书本文件已损坏："))) << what;
    EXPECT_FALSE(loaded.detail.isEmpty()) << what;
    EXPECT_EQ(loaded.book.lessons.RowCount(), 0) << what;
    EXPECT_EQ(loaded.book.sentences.RowCount(), 0) << what;
    EXPECT_TRUE(loaded.book.soundFolder.isEmpty()) << what;
}

TEST(DamagedBook, TooShortForAHeaderOrASentenceTable)
{
    const QByteArray whole = NumberedBook(3, 3).ToBytes();
    ExpectRefused(QByteArray(), BookLoadStatus::Damaged, "empty file");
    ExpectRefused(whole.left(3 * sentence::jz::kRecordSize), BookLoadStatus::Damaged, "header cut off");
    ExpectRefused(whole.left(199 * sentence::jz::kRecordSize + 783), BookLoadStatus::Damaged, "199 records");
}

TEST(DamagedBook, LessonTableLongerThanTheFile)
{
    QByteArray book = NumberedBook(15, 5).ToBytes();   // 215 records
    PutLessonCount(book, 206);                          // would end at record 215
    ExpectRefused(book, BookLoadStatus::Damaged, "lesson table cut");
    EXPECT_TRUE(ParseSentenceBook(book).message.contains(QString::fromUtf8("课文表")));

    PutLessonCount(book, 205);   // ends at record 214, the last one: lesson records may overlap sentences
    EXPECT_TRUE(ParseSentenceBook(book).Ok());
}

TEST(DamagedBook, NoLessonsOrNoSentences)
{
    QByteArray noLessons = NumberedBook(3, 3).ToBytes();
    PutLessonCount(noLessons, 0);
    ExpectRefused(noLessons, BookLoadStatus::Empty, "N = 0");

    const QByteArray noSentences = NumberedBook(3, 3).ToBytes().left(200 * sentence::jz::kRecordSize);
    ExpectRefused(noSentences, BookLoadStatus::Empty, "S = 0");
}

TEST(DamagedBook, LessonRangesOutsideTheBookAreClampedAndReported)
{
    QByteArray book = NumberedBook(10, 10).ToBytes();
    PutLessonCount(book, 4);
    const struct {
        qint32 first, last;
        const char* shown_first;
        const char* shown_last;
    } ranges[] = {{0, 100, "1", "10"}, {9, 5, "9", "9"}, {50, 60, "10", "10"}, {-3, -1, "1", "1"}};
    for (int k = 0; k < 4; ++k) {
        PutInt32(LessonRecord(book, k + 1), sentence::jz::kStartOffset, ranges[k].first);
        PutInt32(LessonRecord(book, k + 1), sentence::jz::kEndOffset, ranges[k].last);
    }
    const BookLoadResult loaded = ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.repairs.size(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(loaded.book.lessons.Cell(k + 1, sentence::kFirstSentenceColumn), ranges[k].shown_first) << k;
        EXPECT_EQ(loaded.book.lessons.Cell(k + 1, sentence::kLastSentenceColumn), ranges[k].shown_last) << k;
    }
}

TEST(DamagedBook, GarbageNeverEscapesTheRecord)
{
    // Every length byte at its maximum and every byte high: all reads stay
    // inside their fields, and the text comes out as (odd) characters.
    QByteArray book = NumberedBook(3, 3).ToBytes();
    for (qsizetype i = sentence::jz::kFirstSentenceRecord * sentence::jz::kRecordSize; i < book.size(); ++i)
        book[i] = char(0xFF);
    const BookLoadResult loaded = ParseSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kEnglishColumn).size(), 255);
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kMemoryMarkColumn).size(), 3);
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kStartColumn), "-1");
}

// ---------------------------------------------------------------------------
// Books on disk

class BookFolder : public ::testing::Test {
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

// A large book is read in many pieces; no piece may shift a sentence.
TEST_F(BookFolder, LargeBookKeepsEverySentenceInPlace)
{
    constexpr int count = 20001;
    Write("big.jz", NumberedBook(count, 150).ToBytes());
    const BookLoadResult loaded = sentence::LoadSentenceBook(Path("big.jz"));
    ASSERT_TRUE(loaded.Ok());
    const StringTable& sentences = loaded.book.sentences;
    ASSERT_EQ(sentences.RowCount(), count + 1);
    for (int k = 1; k <= count; ++k) {
        ASSERT_EQ(sentences.CellNumber(k, sentence::kNumberColumn), k);
        ASSERT_EQ(sentences.CellView(k, sentence::kEnglishColumn), QString("Sentence %1.").arg(k));
        ASSERT_EQ(sentences.CellView(k, sentence::kChineseColumn), QString::fromUtf8("第%1句。").arg(k));
        ASSERT_EQ(sentences.CellNumber(k, sentence::kStartColumn), k * 1000);
    }
    // Read in halves on two threads, from the file or from memory alike.
    EXPECT_TRUE(sentences == sentence::ParseSentenceBook(NumberedBook(count, 150).ToBytes()).book.sentences);
}

TEST_F(BookFolder, MissingUnreadableAndCutFiles)
{
    const BookLoadResult missing = sentence::LoadSentenceBook(Path("none.jz"));
    EXPECT_EQ(missing.status, BookLoadStatus::Missing);
    EXPECT_EQ(missing.message, QString::fromUtf8("文件不存在"));

    QDir(folder_.path()).mkdir("folder.jz");
    EXPECT_EQ(sentence::LoadSentenceBook(Path("folder.jz")).status, BookLoadStatus::Missing);

    Write("cut.jz", NumberedBook(5, 5).ToBytes().left(150 * sentence::jz::kRecordSize));
    const BookLoadResult cut = sentence::LoadSentenceBook(Path("cut.jz"));
    EXPECT_EQ(cut.status, BookLoadStatus::Damaged);
    EXPECT_TRUE(cut.detail.contains(Path("cut.jz")));
}

TEST_F(BookFolder, ListsBooksInNameOrderWithoutExtension)
{
    // Created out of order; extensions in any case; other files ignored.
    for (const char* name : {"c.Jz", "Lesson01.jz", "b.jz", "A.JZ", "notes.txt", "x.jzz", "jz", ".jz"})
        Write(QString::fromUtf8(name), "");
    Write(QString::fromUtf8("旅行英语.jz"), "");
    QDir(folder_.path()).mkdir("folder.jz");

    EXPECT_EQ(sentence::ListSentenceBooks(folder_.path()),
              (QStringList{"A", "b", "c", "Lesson01", QString::fromUtf8("旅行英语")}));
    EXPECT_TRUE(sentence::ListSentenceBooks(Path("no such folder")).isEmpty());
}

TEST_F(BookFolder, FindsTheBookFileWhateverTheCaseOfItsExtension)
{
    Write("A.JZ", "");
    Write("b.jz", "");
    EXPECT_EQ(sentence::FindSentenceBookFile(folder_.path(), "A"), Path("A.JZ"));
    EXPECT_EQ(sentence::FindSentenceBookFile(folder_.path(), "b"), Path("b.jz"));
    EXPECT_TRUE(sentence::FindSentenceBookFile(folder_.path(), "a").isEmpty());
    EXPECT_TRUE(sentence::FindSentenceBookFile(folder_.path(), "c").isEmpty());
}

} // namespace
