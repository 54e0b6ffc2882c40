// The word list's rules: which rows show, where the highlight goes, what
// play-all does after each gap, and how the "+" and "-" buttons move.

#include "word/WordListRules.h"

#include <gtest/gtest.h>

namespace {

using namespace word;

TEST(WordListRules, RowsPastTheGroupsEndAreHiddenAndTheHighlightFollowsTheCurrentWord)
{
    EXPECT_EQ(FirstEmptyRow(5, 1), 6);   // a group of 5
    EXPECT_EQ(FirstEmptyRow(50, 45), 7); // entries 45..50 on rows 1..6
    EXPECT_EQ(FirstEmptyRow(50, 40), 12);
    EXPECT_EQ(FirstEmptyRow(11, 1), 12);
    EXPECT_EQ(FirstEmptyRow(0, 1), 1);   // no words: every row hidden

    EXPECT_EQ(LineRowOf(7, 7, 30), 0);
    EXPECT_EQ(LineRowOf(17, 7, 30), 10);
    EXPECT_EQ(LineRowOf(18, 7, 30), std::nullopt);
    EXPECT_EQ(LineRowOf(6, 7, 30), std::nullopt);
    EXPECT_EQ(LineRowOf(1, 1, 0), std::nullopt); // no words, no highlight

    EXPECT_EQ(EnglishRowCaption("31. ", "apple"), "31. apple");
    EXPECT_EQ(EnglishRowCaption(QString(60, 'n'), QString(60, 'w')).size(), kEnglishCaptionLimit);
}

TEST(WordListRules, PlayAllMovesDownUntilRowNineThenToTheTopAndEndsAfterTheLastWord)
{
    EXPECT_EQ(AfterPlayAllGap(7, 30, 8).kind, PlayAllNext::NextWord);
    EXPECT_EQ(AfterPlayAllGap(7, 30, 8).currentWord, 8);
    EXPECT_EQ(AfterPlayAllGap(16, 30, 9).kind, PlayAllNext::NextWordOnTop);
    EXPECT_EQ(AfterPlayAllGap(16, 30, 10).kind, PlayAllNext::NextWordOnTop);
    const PlayAllNext over = AfterPlayAllGap(30, 30, 3);
    EXPECT_EQ(over.kind, PlayAllNext::GroupOver);
    EXPECT_EQ(over.currentWord, 1);
    EXPECT_EQ(AfterPlayAllGap(1, 1, 1).kind, PlayAllNext::GroupOver); // a one-word group
}

TEST(WordListRules, StepsStayWithinTheirLimitsAndEachButtonIsEnabledWhileItCanMove)
{
    EXPECT_EQ(StepNumber(30, +1, kZuSizeRange).value, 31);
    EXPECT_FALSE(StepNumber(50, +1, kZuSizeRange).moved);
    EXPECT_EQ(StepNumber(50, +1, kZuSizeRange).value, 50);
    EXPECT_FALSE(StepNumber(1, -1, {1, 3}).moved);

    EXPECT_FALSE(EnablingFor(1, {1, 3}).down);
    EXPECT_TRUE(EnablingFor(1, {1, 3}).up);
    EXPECT_FALSE(EnablingFor(3, {1, 3}).up);
    const StepperEnabling single = EnablingFor(1, {1, 1});
    EXPECT_FALSE(single.up || single.down);
}

} // namespace
