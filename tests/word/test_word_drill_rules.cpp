// The drills' rules: answers judged, the spelling test's copying rule, the
// read-along's plays per word and the flash cards' set time.

#include "word/WordAnswerRules.h"
#include "word/WordRunRules.h"

#include <gtest/gtest.h>

namespace {

using namespace word;

TEST(WordAnswerRules, CaseOfAToZAndOuterBlanksAreIgnoredAndNothingElse)
{
    EXPECT_TRUE(SameAnswer(QStringLiteral("  Apple\t"), QStringLiteral("apple")));
    EXPECT_TRUE(SameAnswer(QStringLiteral("FIRST AID"), QStringLiteral("first aid")));
    EXPECT_FALSE(SameAnswer(QStringLiteral("firstaid"), QStringLiteral("first aid")));
    EXPECT_FALSE(SameAnswer(QStringLiteral("first  aid"), QStringLiteral("first aid")));
    EXPECT_FALSE(SameAnswer(QString(), QStringLiteral("a")));
    EXPECT_FALSE(SameAnswer(QStringLiteral("CAFÉ"), QStringLiteral("café"))); // only a to z
    EXPECT_EQ(UpperAsciiLetters(QStringLiteral("it's 2 é")), QStringLiteral("IT'S 2 é"));
}

// Walks one word through answers; returns the verdict kinds and whether it
// was recorded.
std::vector<SpellingVerdict::Kind> Answers(std::initializer_list<bool> answers, SpellingState& state, bool& recorded)
{
    std::vector<SpellingVerdict::Kind> kinds;
    recorded = false;
    for (bool correct : answers) {
        const SpellingVerdict verdict = JudgeSpelling(correct, state);
        kinds.push_back(verdict.kind);
        recorded = recorded || verdict.recordWrong;
    }
    return kinds;
}

TEST(WordAnswerRules, AMistypedWordIsCopiedTwiceAndRecordedOnce)
{
    using K = SpellingVerdict::Kind;
    SpellingState state;
    bool recorded = false;
    EXPECT_EQ(Answers({true}, state, recorded), std::vector<K>{K::Passed});
    EXPECT_FALSE(recorded);
    // Two wrong answers, then two copies.
    EXPECT_EQ(Answers({false, false, true, true}, state, recorded),
              (std::vector<K>{K::CopyTwice, K::StillWrong, K::CopyOnceMore, K::Passed}));
    EXPECT_TRUE(recorded);
    // Wrong, one copy, wrong again: two more copies are needed.
    EXPECT_EQ(Answers({false, true, false, true, true}, state, recorded),
              (std::vector<K>{K::CopyTwice, K::CopyOnceMore, K::CopyTwice, K::CopyOnceMore, K::Passed}));
    EXPECT_TRUE(recorded);
    // The next word typed right at once is not recorded.
    EXPECT_EQ(Answers({true}, state, recorded), std::vector<K>{K::Passed});
    EXPECT_FALSE(recorded);
}

TEST(WordRunRules, TheCounterIsReloadedOnlyOnMovingOnAndTheLastWordEndsTheRun)
{
    // Plays per word 3 in a fresh run of 5 words (counter 1 from creation):
    // word 1 once, words 2 to 4 three times, word 5 once.
    std::vector<int> played{1};
    int word = 1;
    int left = 1;
    for (;;) {
        const ReadPauseEnd end = AfterReadPause(word, 5, left, 3);
        if (end.kind == ReadPauseEnd::RunOver)
            break;
        word = end.item;
        left = end.repeatLeft;
        played.push_back(word);
    }
    EXPECT_EQ(played, (std::vector<int>{1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5}));
    EXPECT_EQ(AfterReadPause(1, 1, 1, 8).kind, ReadPauseEnd::RunOver); // a one-word group
}

} // namespace
