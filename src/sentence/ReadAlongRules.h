#pragma once
// The read-along's deciding rules, on the chooser's sentence table: `row` is
// the current sentence's row and `rowCount` the table's row count, so the
// lesson's sentences are rows 1 to rowCount - 1.

#include "controls/Numbers.h"

#include <Qt>

namespace sentence {

inline constexpr NumberRange kReadAlongRepeats{1, 10};
// The pause between plays, in ms, stepped by whole seconds.
inline constexpr NumberRange kReadAlongPauseMs{1000, 28000};
inline constexpr int kReadAlongPauseStepMs = 1000;

// What the end of a pause leads to.
struct ReadAlongMove {
    enum Kind {
        Again,     // the same sentence once more
        Next,      // the next sentence, its repeats counted afresh
        Finished,  // the lesson's last sentence has played: the lesson is done
    };
    Kind kind;
    int row;        // the sentence to play (Finished: row 1, where the lesson starts again)
    int repeatLeft; // the repeat counter afterwards
};

// The last sentence ends the lesson without consulting the counter; any
// other plays again while the counter holds 2 or more, else moves on.
ReadAlongMove AfterReadAlongPause(int row, int rowCount, int repeatLeft, int repeatCount);

// Previous never leaves the first sentence; Next stops at the second-to-last,
// so the last sentence is reached only by the cycle, which then ends the
// lesson.
constexpr bool CanStepBack(int row) { return row > 1; }
constexpr bool CanStepForward(int row, int rowCount) { return row < rowCount - 2; }

enum class ReadAlongKey { None, Back, Next, Previous, Start, Stop };
// The command of a released key: Esc, Page Down, Page Up, and S or D with
// Ctrl and no other modifier.
ReadAlongKey ReadAlongKeyCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace sentence
