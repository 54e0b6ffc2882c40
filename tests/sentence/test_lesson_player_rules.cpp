// The whole-lesson player's rules: what the end of a pause leads to, which
// pairs the text window hides, where the pairs lie and how many fit.

#include "sentence/LessonPlayerRules.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using namespace sentence;

// Plays of each sentence in a run from `start`, the counter holding
// `repeatLeft` when it starts.
std::map<int, int> PlaysOfRun(int start, int count, int repeatLeft, int repeatCount)
{
    std::map<int, int> plays;
    int current = start;
    for (int guard = 0; guard < 1000; ++guard) {
        ++plays[current];
        const LessonPauseEnd end = AfterLessonPause(current, count, repeatLeft, repeatCount);
        if (end.kind == LessonPauseEnd::RunOver)
            break;
        EXPECT_EQ(end.kind == LessonPauseEnd::Again, end.item == current);
        current = end.item;
        repeatLeft = end.repeatLeft;
    }
    return plays;
}

TEST(LessonPlayerRules, ARunPlaysTheStartAsTheCounterSaysTheOthersRepeatTimesAndTheLastOnce)
{
    EXPECT_EQ(PlaysOfRun(1, 4, 0, 3), (std::map<int, int>{{1, 1}, {2, 3}, {3, 3}, {4, 1}}));
    EXPECT_EQ(PlaysOfRun(2, 4, 2, 1), (std::map<int, int>{{2, 2}, {3, 1}, {4, 1}}));
    // Started at the last sentence the run is a single play, counter or not.
    EXPECT_EQ(PlaysOfRun(4, 4, 5, 8), (std::map<int, int>{{4, 1}}));
    const LessonPauseEnd over = AfterLessonPause(4, 4, 3, 3);
    EXPECT_EQ(over.kind, LessonPauseEnd::RunOver);
    EXPECT_EQ(over.item, 4);
}

TEST(LessonPlayerRules, OnlyPairsPastTheLastSentenceAreHidden)
{
    EXPECT_EQ(FirstHiddenPair(40, 34), kShownPairs + 1); // pairs show 34..40
    EXPECT_EQ(FirstHiddenPair(40, 35), 7);
    EXPECT_EQ(FirstHiddenPair(4, 1), 5);
    EXPECT_EQ(FirstHiddenPair(4, 4), 2);
    EXPECT_EQ(FirstHiddenPair(0, 1), 1);
}

TEST(LessonPlayerRules, PairsStackUnderEachOtherAndThoseEndingPastTheWindowDoNotFit)
{
    const std::vector<PairPlace> places = StackPairs({{24, 21}, {49, 21}, {24, 43}});
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].englishTop, 5);
    EXPECT_EQ(places[0].chineseTop, 29);
    EXPECT_EQ(places[0].bottom, 50);
    EXPECT_EQ(places[1].englishTop, 56);
    EXPECT_EQ(places[1].chineseTop, 105);
    EXPECT_EQ(places[2].englishTop, 132);
    EXPECT_EQ(places[2].bottom, 199);

    // Seven one-line pairs of 45 px end at 356: all fit in 358.
    const std::vector<PairPlace> seven = StackPairs(std::vector<PairHeights>(7, {24, 21}));
    EXPECT_EQ(seven.back().bottom, 356);
    EXPECT_EQ(PairsThatFit(seven), 7);
    EXPECT_EQ(PairsThatFit(seven, 356), 7);
    EXPECT_EQ(PairsThatFit(seven, 355), 6);
    // A first pair taller than the window: none fits.
    EXPECT_EQ(PairsThatFit(StackPairs({{400, 21}})), 0);
}

} // namespace
