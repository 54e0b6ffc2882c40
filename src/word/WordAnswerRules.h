#pragma once
// How the spelling test and the typing drill judge what the learner typed,
// and the spelling test's rule for copying a mistyped word.

#include <QString>
#include <cstdint>

namespace word {

// The letters a to z as A to Z; every other character as it is.
QString UpperAsciiLetters(const QString& text);

// A typed answer matches the word when both are equal after leading and
// trailing characters of code 32 or below are removed and a to z are
// upper-cased; any other difference (a blank inside, an accent) is wrong.
bool SameAnswer(const QString& typed, const QString& expected);

// The spelling test's copying rule. After a wrong answer the word must be
// typed correctly twice; the first correct copy asks for one more, the
// second moves on and records the word as wrong, once however many wrong
// answers it took. A wrong answer after the first copy asks for two again.
struct SpellingState {
    std::int32_t FRetypeLeft = 0;
    std::uint8_t FWasWrong = 0;
};

struct SpellingVerdict {
    enum Kind {
        Passed,        // on to the next word
        CopyOnceMore,  // "正确，再写一遍"
        CopyTwice,     // "您打错了，请抄写两遍，加强记忆！"
        StillWrong,    // wrong again before the first correct copy: nothing changes
    };
    Kind kind;
    bool recordWrong; // with Passed: the word goes to the wrong list
};

SpellingVerdict JudgeSpelling(bool correct, SpellingState& state);

// The keys of the answer field: Enter judges, Esc leaves, F5 plays the word
// again; every other key is typing.
enum class AnswerFieldKey { Typing, Judge, Leave, Replay };
AnswerFieldKey AnswerFieldCommand(int virtualKey);

} // namespace word
