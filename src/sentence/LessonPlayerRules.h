#pragma once
// The whole-lesson player's deciding rules. Sentences are numbered from 1 to
// the lesson's count; the text window shows seven pairs (English line over
// Chinese line), pair k holding sentence position + k - 1, where position is
// the scroll bar's.

#include "controls/Numbers.h"
#include "controls/RepeatedRun.h"

#include <QString>
#include <vector>

namespace sentence {

inline constexpr NumberRange kLessonPlayerRepeats{1, 8};
inline constexpr NumberRange kLessonPlayerPauseSeconds{1, 30};

inline constexpr int kShownPairs = 7;
// Where the first pair starts inside the text window, the gap under each
// pair, and the window's height, against which the pairs that fit are told.
inline constexpr int kFirstPairTop = 5;
inline constexpr int kPairGap = 6;
inline constexpr int kTextWindowHeight = 358;

// What the end of a pause leads to: the shared rule of repeated runs, over
// the lesson's sentences.
using LessonPauseEnd = RunPauseEnd;
constexpr LessonPauseEnd AfterLessonPause(int current, int count, int repeatLeft, int repeatCount)
{
    return AfterRunPause(current, count, repeatLeft, repeatCount);
}

constexpr int SentenceOfPair(int pair, int position) { return position + pair - 1; }

constexpr bool IsAmongShownPairs(int sentence, int position)
{
    return sentence >= position && sentence <= position + kShownPairs - 1;
}

// The first pair past the lesson's last sentence, from which on pairs are
// hidden; kShownPairs + 1 when every pair holds a sentence.
constexpr int FirstHiddenPair(int count, int position)
{
    if (count - (kShownPairs - 1) >= position)
        return kShownPairs + 1;
    const int first = count - position + 2;
    return first < 1 ? 1 : first;
}

// The heights of a pair's two lines after word wrap, and where the pair lies.
struct PairHeights {
    int english;
    int chinese;
};
struct PairPlace {
    int englishTop;
    int chineseTop;
    int bottom; // the Chinese line's bottom
};

// Stacks the pairs from the window's top: each Chinese line right under its
// English line, each pair a gap below the one before.
std::vector<PairPlace> StackPairs(const std::vector<PairHeights>& heights);

// How many pairs, from the top, lie wholly inside the window: the pairs
// before the first whose bottom passes the window's height.
int PairsThatFit(const std::vector<PairPlace>& places, int windowHeight = kTextWindowHeight);

// The English line of sentence `number`: its number, a full stop, two spaces
// and its text.
QString NumberedEnglishLine(int number, const QString& english);

enum class LessonPlayerKey { None, TogglePlay, Back, Refresh };
// The command of a key released on the scroll bar: Space, Esc, and the keys
// that move the bar (Page Up, Page Down, End, Home, the arrows).
LessonPlayerKey LessonPlayerKeyCommand(int key);

} // namespace sentence
