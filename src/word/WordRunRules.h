#pragma once
// The timing rules of the two drills that run by themselves through the
// group: the read-along (each word played a set number of times with a
// pause after each play) and the flash cards (a set time per card).

#include "controls/Numbers.h"
#include "controls/RepeatedRun.h"

namespace word {

inline constexpr NumberRange kReadPlaysPerWord{1, 8};
inline constexpr NumberRange kReadPauseSeconds{1, 8};
inline constexpr NumberRange kCardSeconds{0, 8};

// What the end of the read-along's pause leads to: the shared rule of
// repeated runs, over the group's words, each played the plays per word.
using ReadPauseEnd = RunPauseEnd;
constexpr ReadPauseEnd AfterReadPause(int readWord, int readTotal, int repeatLeft, int playsPerWord)
{
    return AfterRunPause(readWord, readTotal, repeatLeft, playsPerWord);
}

constexpr int ReadPauseInterval(int seconds) { return seconds * 1000; }
// A card's set time: n seconds after the clip (or alone, in Chinese mode),
// plus the poll's 200 ms.
constexpr int CardInterval(int seconds) { return seconds * 1000 + 200; }
// Chinese mode starts at 2 s of exactly 2000 ms.
inline constexpr int kChineseModeSeconds = 2;
inline constexpr int kChineseModeInterval = 2000;

} // namespace word
