// Word linking's deciding rules: the rows of pieces, the shuffle, and which
// sentence a lesson leads to. Placing words is driven on the screen.

#include "sentence/LinkWordRules.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

using sentence::LinkSentenceStep;
using sentence::PieceRows;

constexpr int kHeight = 23;

PieceRows Rows(std::vector<int> widths, int height = kHeight) { return sentence::LayOutPieceRows(widths, height); }

int Bottom(const PieceRows& rows, int height = kHeight)
{
    int bottom = 0;
    for (const auto& place : rows.places)
        bottom = std::max(bottom, place.top + height);
    return bottom;
}

TEST(LinkWordRows, RowsStartAt100And130And38ApartAndAPieceEndingBeyond760StartsTheNext)
{
    // 100 + 310 + 5 = 415; 415 + 345 = 760 fits exactly; the next one
    // would end at 760 + 5 + 11 and goes to a new row.
    const PieceRows rows = Rows({300, 335, 1, 50, 640});
    ASSERT_EQ(rows.places.size(), 5u);
    EXPECT_EQ(rows.places[0].left, 100);
    EXPECT_EQ(rows.places[0].width, 310);
    EXPECT_EQ(rows.places[1].left, 415);
    EXPECT_EQ(rows.places[1].left + rows.places[1].width, 760);
    EXPECT_EQ(rows.places[1].top, 130);
    EXPECT_EQ(rows.places[2].left, 100);
    EXPECT_EQ(rows.places[2].top, 168);
    EXPECT_EQ(rows.places[3].left, 100 + 11 + 5);
    EXPECT_EQ(rows.places[4].top, 206);
    EXPECT_EQ(rows.rows, 3);
    EXPECT_TRUE(rows.fits);
}

TEST(LinkWordRows, MoreThanSixRowsArePressedTogetherAboveTheAnswerLineAndTooManyAskForSmallerText)
{
    // One 600-pixel word a row.
    const PieceRows six = Rows(std::vector<int>(6, 600));
    EXPECT_EQ(six.rowStep, 38);
    EXPECT_LT(Bottom(six), 352);

    const PieceRows eight = Rows(std::vector<int>(8, 600));
    EXPECT_EQ(eight.rows, 8);
    EXPECT_LT(eight.rowStep, 38);
    EXPECT_GE(eight.rowStep, kHeight + sentence::kLinkMinRowGap);
    EXPECT_EQ(eight.places[0].top, 130);
    EXPECT_LE(Bottom(eight), sentence::kLinkPiecesBottom);
    EXPECT_TRUE(eight.fits);

    // Rows that would touch: still above the answer line, but the screen
    // is told to try a smaller text.
    const PieceRows twelve = Rows(std::vector<int>(12, 600));
    EXPECT_FALSE(twelve.fits);
    EXPECT_LE(Bottom(twelve), sentence::kLinkPiecesBottom);

    // A word wider than a row has the row to itself, cut to its width.
    const PieceRows wide = Rows({20, 900, 20});
    EXPECT_EQ(wide.places[1].left, 100);
    EXPECT_EQ(wide.places[1].width, 660);
    EXPECT_EQ(wide.places[2].top, 206);
    EXPECT_FALSE(wide.fits);

    EXPECT_EQ(Rows({}).rows, 0);
}

TEST(LinkWordShuffle, EachSeedGivesItsOwnOrderOfTheSameWords)
{
    const QStringList words{"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
    const QStringList first = sentence::ShuffledWords(words, 1);
    EXPECT_EQ(sentence::ShuffledWords(words, 1), first);
    EXPECT_NE(sentence::ShuffledWords(words, 2), first);
    int unchanged = 0;
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        QStringList shuffled = sentence::ShuffledWords(words, seed);
        unchanged += shuffled == words;
        shuffled.sort();
        QStringList sorted = words;
        sorted.sort();
        ASSERT_EQ(shuffled, sorted) << "seed " << seed;
    }
    EXPECT_LT(unchanged, 2);
    EXPECT_TRUE(sentence::ShuffledWords({}, 3).isEmpty());
}

TEST(LinkWordLesson, SentencesWithoutWordsArePassedOverAndALessonWithoutWordsHasNothingToFinish)
{
    const QStringList lesson{"One.", "  ", "", "Four five.", "\t"};
    EXPECT_EQ(sentence::SentenceToBuild(lesson, 1).kind, LinkSentenceStep::Build);
    EXPECT_EQ(sentence::SentenceToBuild(lesson, 1).row, 1);
    EXPECT_EQ(sentence::SentenceToBuild(lesson, 2).row, 4);
    EXPECT_EQ(sentence::SentenceToBuild(lesson, 5).kind, LinkSentenceStep::Finished);
    EXPECT_EQ(sentence::SentenceToBuild(lesson, 6).kind, LinkSentenceStep::Finished);
    EXPECT_EQ(sentence::SentenceToBuild({"", " "}, 1).kind, LinkSentenceStep::Nothing);
    EXPECT_EQ(sentence::SentenceToBuild({}, 1).kind, LinkSentenceStep::Nothing);
}

} // namespace
