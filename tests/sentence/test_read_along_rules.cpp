// The read-along's deciding rules: what a pause's end leads to, how far the
// step commands go, and which released keys are commands.

#include "controls/Keys.h"
#include "sentence/ReadAlongRules.h"

#include <gtest/gtest.h>

namespace {

using sentence::ReadAlongKey;
using sentence::ReadAlongMove;

// Plays of each sentence of a lesson of `sentences` sentences when the run
// starts on row 1 with `repeatLeft` and the count is `repeatCount`.
std::vector<int> PlayedRows(int sentences, int repeatLeft, int repeatCount)
{
    std::vector<int> played{1};
    int row = 1;
    for (;;) {
        const ReadAlongMove move = sentence::AfterReadAlongPause(row, sentences + 1, repeatLeft, repeatCount);
        if (move.kind == ReadAlongMove::Finished) {
            EXPECT_EQ(move.row, 1);
            return played;
        }
        row = move.row;
        repeatLeft = move.repeatLeft;
        played.push_back(row);
    }
}

TEST(ReadAlongRules, EachSentenceReachedFromTheLastIsPlayedRepeatCountTimesTheLastOnce)
{
    EXPECT_EQ(PlayedRows(5, 1, 3), (std::vector<int>{1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5}));
    // The first sentence of a run plays as often as the counter holds.
    EXPECT_EQ(PlayedRows(3, 2, 1), (std::vector<int>{1, 1, 2, 3}));
    EXPECT_EQ(PlayedRows(1, 4, 4), (std::vector<int>{1}));
}

TEST(ReadAlongRules, TheLastSentenceEndsTheLessonWhateverTheCounterHolds)
{
    const ReadAlongMove move = sentence::AfterReadAlongPause(4, 5, 7, 3);
    EXPECT_EQ(move.kind, ReadAlongMove::Finished);
    EXPECT_EQ(move.repeatLeft, 7); // not consulted, not reset
}

TEST(ReadAlongRules, StepsStayOffTheLastSentenceAndBeforeTheFirst)
{
    // A lesson of 5 sentences: rows 1 to 5 of a table of 6 rows.
    EXPECT_FALSE(sentence::CanStepBack(1));
    EXPECT_TRUE(sentence::CanStepBack(2));
    EXPECT_TRUE(sentence::CanStepForward(3, 6));
    EXPECT_FALSE(sentence::CanStepForward(4, 6));
    EXPECT_FALSE(sentence::CanStepForward(5, 6));
    EXPECT_FALSE(sentence::CanStepForward(1, 2)); // a lesson of one sentence
}

TEST(ReadAlongRules, OnlyCtrlExactlyMakesSAndDCommands)
{
    EXPECT_EQ(sentence::ReadAlongKeyCommand('S', Qt::ControlModifier), ReadAlongKey::Start);
    EXPECT_EQ(sentence::ReadAlongKeyCommand('D', Qt::ControlModifier | Qt::KeypadModifier), ReadAlongKey::Stop);
    EXPECT_EQ(sentence::ReadAlongKeyCommand('S', Qt::ControlModifier | Qt::ShiftModifier), ReadAlongKey::None);
    EXPECT_EQ(sentence::ReadAlongKeyCommand('D', Qt::ControlModifier | Qt::AltModifier), ReadAlongKey::None);
    EXPECT_EQ(sentence::ReadAlongKeyCommand('S', Qt::NoModifier), ReadAlongKey::None);
    EXPECT_EQ(sentence::ReadAlongKeyCommand(vk::Escape, Qt::ShiftModifier), ReadAlongKey::Back);
    EXPECT_EQ(sentence::ReadAlongKeyCommand(vk::Next, Qt::NoModifier), ReadAlongKey::Next);
    EXPECT_EQ(sentence::ReadAlongKeyCommand(vk::Prior, Qt::NoModifier), ReadAlongKey::Previous);
    EXPECT_EQ(sentence::ReadAlongKeyCommand(vk::Down, Qt::NoModifier), ReadAlongKey::None);
}

TEST(AdjustableNumbers, StepsStopAtTheLimits)
{
    EXPECT_EQ(Stepped(27000, 1000, sentence::kReadAlongPauseMs), 28000);
    EXPECT_EQ(Stepped(28000, 1000, sentence::kReadAlongPauseMs), 28000);
    EXPECT_EQ(Stepped(1000, -1000, sentence::kReadAlongPauseMs), 1000);
    EXPECT_EQ(Stepped(10, 1, sentence::kReadAlongRepeats), 10);
    EXPECT_EQ(Stepped(2, -1, sentence::kReadAlongRepeats), 1);
}

} // namespace
