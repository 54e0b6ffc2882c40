// The current lesson's sentence table (OneClassStringGrid).

#include "BookBytes.h"
#include "sentence/SentenceBook.h"

#include <gtest/gtest.h>

namespace {

using namespace booktest;
using sentence::LessonRange;

sentence::SentenceBook LoadedBook(const QByteArray& bytes)
{
    sentence::BookLoadResult loaded = sentence::ParseSentenceBook(bytes);
    EXPECT_TRUE(loaded.Ok()) << loaded.message.toStdString();
    return std::move(loaded.book);
}

TEST(LessonTable, LessonFiveToNine)
{
    sentence::SentenceBookWriter writer = NumberedBook(12, 12);
    writer.AddLesson({"five to nine", 5, 9, "b.wav"});
    const sentence::SentenceBook book = LoadedBook(writer.ToBytes());

    const StringTable lesson = sentence::LessonSentenceTable(book.sentences, book.lessons, 2);
    ASSERT_EQ(lesson.RowCount(), 6);
    ASSERT_EQ(lesson.ColumnCount(), 9);
    EXPECT_EQ(lesson.RowList(0), (QStringList{"编号", "英语", "中文", "开始点", "结束点", "注解", "记忆", "备注编号",
                                              "句子编号"}));
    for (int r = 1; r <= 5; ++r) {
        const int k = 4 + r;
        EXPECT_EQ(lesson.Cell(r, sentence::kNumberColumn), QString::number(r));
        for (int column = sentence::kEnglishColumn; column <= sentence::kNoteNumberColumn; ++column)
            EXPECT_EQ(lesson.Cell(r, column), book.sentences.Cell(k, column)) << r << " " << column;
        EXPECT_EQ(lesson.Cell(r, sentence::kBookSentenceColumn), QString::number(k));
    }
    EXPECT_EQ(lesson.Cell(1, sentence::kEnglishColumn), "Sentence 5.");
    EXPECT_EQ(lesson.Cell(5, sentence::kStartColumn), "9000");
}

TEST(LessonTable, RangesAreClampedToTheBook)
{
    EXPECT_EQ(sentence::ClampLessonRange(5, 9, 12), (LessonRange{5, 9}));
    EXPECT_EQ(sentence::ClampLessonRange(0, 100, 12), (LessonRange{1, 12}));
    EXPECT_EQ(sentence::ClampLessonRange(-7, 3, 12), (LessonRange{1, 3}));
    EXPECT_EQ(sentence::ClampLessonRange(13, 20, 12), (LessonRange{12, 12}));
    // First after last: the lesson keeps the one sentence it starts at.
    EXPECT_EQ(sentence::ClampLessonRange(9, 5, 12), (LessonRange{9, 9}));
    EXPECT_EQ(sentence::ClampLessonRange(qint64(1) << 40, -(qint64(1) << 40), 12), (LessonRange{12, 12}));
    // No sentences, no range.
    EXPECT_EQ(sentence::ClampLessonRange(1, 5, 0).Size(), 0);
}

TEST(LessonTable, ReadsNothingOutsideTheBookWhateverTheRange)
{
    const sentence::SentenceBook book = LoadedBook(NumberedBook(12, 12).ToBytes());

    const StringTable backwards = sentence::LessonSentenceTable(book.sentences, 9, 5);
    ASSERT_EQ(backwards.RowCount(), 2);
    EXPECT_EQ(backwards.Cell(1, sentence::kBookSentenceColumn), "9");

    const StringTable beyond = sentence::LessonSentenceTable(book.sentences, 10, 4000);
    ASSERT_EQ(beyond.RowCount(), 4);
    EXPECT_EQ(beyond.Cell(3, sentence::kEnglishColumn), "Sentence 12.");

    // A lesson row that does not exist, and a book table without sentences.
    EXPECT_EQ(sentence::LessonSentenceTable(book.sentences, book.lessons, 0).RowCount(), 1);
    EXPECT_EQ(sentence::LessonSentenceTable(book.sentences, book.lessons, 2).RowCount(), 1);
    EXPECT_EQ(sentence::LessonSentenceTable(StringTable(sentence::SentenceCaptions()), 1, 5).RowCount(), 1);
}

} // namespace
