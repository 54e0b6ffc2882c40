#pragma once
// The word list's deciding rules. The list shows eleven rows of the current
// group; row i (1 to 11) holds group entry position + i - 1, where position
// is the scroll bar's (1 to the group's word count). Words are numbered
// within the group from 1.

#include "controls/Numbers.h"

#include <QString>
#include <optional>

namespace word {

inline constexpr int kListRows = 11;
// Rows are this far apart inside the list's panel; the English line, the
// Chinese line and the highlight bar each start a little below the row's top.
inline constexpr int kRowPitch = 37;
inline constexpr int kEnglishRowTop = 10;
inline constexpr int kChineseRowTop = 14;
inline constexpr int kLineShapeTop = 8;
// An English row's caption keeps at most this many characters.
inline constexpr int kEnglishCaptionLimit = 100;
// During play-all a word reaching this row index (0 = top) or below sends
// the next word to the top row.
inline constexpr int kPlayAllScrollRow = 9;

inline constexpr NumberRange kZuSizeRange{20, 50};

constexpr int EntryOfRow(int row, int position) { return position + row - 1; }
constexpr int EnglishRowTop(int row) { return (row - 1) * kRowPitch + kEnglishRowTop; }
constexpr int ChineseRowTop(int row) { return (row - 1) * kRowPitch + kChineseRowTop; }
// The highlight's top for row index `lineRow` counted from 0.
constexpr int LineShapeTop(int lineRow) { return lineRow * kRowPitch + kLineShapeTop; }

// The highlight's row index (0 = top) for the current word, or none when the
// word is not among the eleven rows shown or the group has no words.
std::optional<int> LineRowOf(int currentWord, int position, int zuWordCount);

// The first row past the group's last word, from which on rows are hidden;
// kListRows + 1 when every row holds a word.
int FirstEmptyRow(int zuWordCount, int position);

// An English row: the word's number (with its ". ") and the word, cut to
// kEnglishCaptionLimit characters.
QString EnglishRowCaption(const QString& number, const QString& word);

// What follows the 500 ms gap after a clip of play-all.
struct PlayAllNext {
    enum Kind {
        NextWord,     // the next word, the highlight moving down to it
        NextWordOnTop, // the next word, scrolled to the top row
        GroupOver,    // the group's last word has played
    };
    Kind kind;
    int currentWord; // the current word afterwards (1 after GroupOver)
};
PlayAllNext AfterPlayAllGap(int currentWord, int zuWordCount, int lineRow);

} // namespace word
