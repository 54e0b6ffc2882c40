#pragma once
// The dictation's deciding rules, on the sentence as the learner types it:
// its words joined by single spaces, positions in it 1-based. Text widths are
// measured by the screen in its own font and handed in as a function, so the
// rules need no window.

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace sentence {

// The width in pixels of a text in the screen's font.
using TextWidth = std::function<int(const QString&)>;

// One line of typed text is this high; the caret's top moves down by it.
inline constexpr int kDictationLineHeight = 29;
// Wrong keys in a row that reveal the whole word, when that help is on.
inline constexpr int kWrongKeysToRevealWord = 3;

// The character at 1-based `position` of `sentence`; null outside it (a
// finished sentence expects nothing).
QChar ExpectedAt(const QString& sentence, int position);

// Whether the typed character is the expected one. Letters match whatever
// their case. A book may print its apostrophes and quotes typographically
// (’ ‘ “ ”), which no ordinary keyboard types: the plain ' and " stand for
// them, and the other way round. A Chinese input method in its full-width
// mode gives full-width letters, digits and marks (ａ ， ？ 。), which count
// as their plain forms. A blank inside a word (a tab a book carries) is typed
// as a space. Control characters typed (Enter, Backspace) never match.
bool TypedMatches(QChar typed, QChar expected);

// What the screen draws for an expected character: the book's own, except a
// blank inside a word, drawn as the space that typed it.
QChar DrawnCharacter(QChar expected);

// A mark the whole word is revealed before, so the learner sees how the word
// ends: the next expected character is one of ! . ? , ;
bool RevealsWordBefore(QChar expected);

// A wrong key: counted, and after enough in a row (with the whole-word help
// on and copy mode off) the word is revealed and the count starts again.
// Otherwise the wrong character shows at the caret, but not before the first
// correct character of a word, not in copy mode and not while the whole word
// is shown.
struct WrongKey {
    int wrongCount;       // after this key
    bool revealWord;      // the whole word is shown now, the wrong letter hidden
    bool showWrongLetter; // the wrong character shows at the caret
};
WrongKey AfterWrongKey(int wrongCount, bool wrongToWordOn, bool copyOn, bool wordShown, bool atWordStart);

// Where the word after a typed space stands on the input while typing. The
// line's text grows by the word; once it reaches the input's width the word
// starts the next line.
struct TypedWordPlace {
    QString lineText; // the line's words up to and including this one
    int left;         // the word's left, from the input's left
    int width;        // the word's width
    bool wraps;       // the word starts a new line
};
TypedWordPlace PlaceTypedWord(const QString& lineText, const QString& word, const TextWidth& width, int inputWidth);

// How many lines the sentence's words take on the input as the learner types
// them, each word placed as above; 0 for no words.
int TypedLineCount(const QStringList& words, const TextWidth& width, int inputWidth);

// Typed text as drawn: a run of characters with its top-left corner inside
// the input.
struct InkRun {
    QString text;
    int x;
    int y;
    bool operator==(const InkRun&) const = default;
};

// The first `typed` characters of the sentence laid out afresh, a run per
// line, when the input is repainted: a line ends after a space once the
// next word would take it past the input's width. Typing moves a word down
// when it would reach the width, so a line that comes out exactly as wide as
// the input is one word shorter while typing than once repainted.
std::vector<InkRun> RepaintedInk(const QString& sentence, const QStringList& words, int typed, const TextWidth& width,
                                 int inputWidth);

// The lesson's sentences are rows 1 to rowCount - 1 of the chooser's table.
// The first of rows `from` to the last that has something to type (`english`
// gives a row's English text); 0 when none has.
int FirstTypeableRow(int from, int rowCount, const std::function<QString(int row)>& english);

enum class DictationKey { None, Replay, Back, Skip, FirstLetter, WordLength, WrongToWord, SeeChinese, Copy };
// The command of a key going down, by its virtual key code: Enter replays,
// Esc goes back, Page Down skips, F1 to F5 switch the helps.
DictationKey DictationKeyCommand(int key);

} // namespace sentence
