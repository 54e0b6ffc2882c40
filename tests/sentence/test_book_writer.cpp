// Writing books: what the bookmaker and the screen tests rely on.

#include "BookBytes.h"
#include "platform/TextEncoding.h"
#include "sentence/SentenceBook.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace booktest;
using sentence::SentenceBookWriter;

TEST(BookWriter, ChineseTextSurvivesTheRoundTrip)
{
    // Odd and even lengths, ASCII before Chinese so that the exchange splits
    // characters, full-width punctuation, a field at its 255-byte limit.
    const QStringList chinese{
        QString::fromUtf8("你好。"),
        QString::fromUtf8("a你好吗？"),
        QString::fromUtf8("ab我想订一张今晚七点的两人桌，靠窗的。"),
        QString::fromUtf8("“book”在这里是动词，意思是预订。"),
        QString(127, QChar(0x542C)) + "x",   // 255 bytes
    };
    SentenceBookWriter writer(QString::fromUtf8("旅行"));
    for (const QString& text : chinese)
        writer.AddSentence({"It's 7 o'clock, isn't it?", text, 0, 0, text});
    writer.AddLesson({QString::fromUtf8("在餐厅"), 1, 5, QString::fromUtf8("第一课.wav")});
    EXPECT_TRUE(writer.Problems().isEmpty()) << writer.Problems().join('\n').toStdString();

    const sentence::BookLoadResult loaded = sentence::ParseSentenceBook(writer.ToBytes());
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.soundFolder, QString::fromUtf8("旅行"));
    EXPECT_EQ(loaded.book.lessons.Cell(1, sentence::kTitleColumn), QString::fromUtf8("在餐厅"));
    EXPECT_EQ(loaded.book.lessons.Cell(1, sentence::kRecordingColumn), QString::fromUtf8("第一课.wav"));
    for (int k = 1; k <= chinese.size(); ++k) {
        EXPECT_EQ(loaded.book.sentences.Cell(k, sentence::kChineseColumn), chinese[k - 1]) << k;
        EXPECT_EQ(loaded.book.sentences.Cell(k, sentence::kAnnotationColumn), chinese[k - 1]) << k;
        EXPECT_EQ(loaded.book.sentences.Cell(k, sentence::kEnglishColumn), "It's 7 o'clock, isn't it?");
    }
}

TEST(BookWriter, StoresTextUnderTheExchangeAndTheFolderPlain)
{
    SentenceBookWriter writer("abcdefgh");
    writer.AddSentence({"abcdefgh", "x"});
    writer.AddLesson({"t", 1, 1, "r.wav"});
    const QByteArray bytes = writer.ToBytes();
    ASSERT_EQ(bytes.size(), 201 * sentence::jz::kRecordSize);
    EXPECT_EQ(bytes.mid(sentence::jz::kHeaderRecord * sentence::jz::kRecordSize, 9), "\x08" "abcdefgh");
    EXPECT_EQ(bytes.mid(200 * sentence::jz::kRecordSize, 9), "\x08" "abdcfegh");
}

TEST(BookWriter, CutsLongTextAtACharacterBoundaryAndSaysSo)
{
    SentenceBookWriter writer("snd");
    const QString longChinese(200, QChar(0x542C));   // 400 bytes
    writer.AddSentence({QString(300, 'e'), "x" + longChinese, 0, 0, QString(), "abcd"});
    writer.AddLesson({"t", 1, 1, "r.wav"});
    EXPECT_EQ(writer.Problems().size(), 3);

    const sentence::BookLoadResult loaded = sentence::ParseSentenceBook(writer.ToBytes());
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kEnglishColumn), QString(255, 'e'));
    // "x" + 127 characters is 255 bytes; the 128th would be cut in half.
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kChineseColumn), "x" + longChinese.left(127));
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kMemoryMarkColumn), "abc");
}

TEST(BookWriter, ProblemsNameEveryFaultThatKeepsABookFromLoadingCleanly)
{
    EXPECT_EQ(SentenceBookWriter("s").Problems().size(), 2);   // no lessons, no sentences

    SentenceBookWriter writer = NumberedBook(5, 5);
    EXPECT_TRUE(writer.Problems().isEmpty());
    writer.AddLesson({"backwards", 4, 2, "x.wav"});
    writer.AddLesson({"beyond", 3, 6, "x.wav"});
    EXPECT_EQ(writer.Problems().size(), 2);
    // The reader mends exactly those two.
    EXPECT_EQ(sentence::ParseSentenceBook(writer.ToBytes()).repairs.size(), 2);
}

TEST(BookWriter, WritesWholeFilesIntoNewFolders)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromUtf8("EnglishBook/日常会话.jz"));
    QString error;
    ASSERT_TRUE(NumberedBook(8, 4).WriteFile(path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), NumberedBook(8, 4).ToBytes());

    EXPECT_FALSE(NumberedBook(1, 1).WriteFile(folder.filePath(QString::fromUtf8("EnglishBook/日常会话.jz/x.jz")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
