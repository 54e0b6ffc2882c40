#pragma once
// Cutting a word book into groups (Zu) and filling the current group's
// arrays, which every word screen reads.

#include "controls/StringTable.h"

#include <QString>

#include <array>

namespace word {

inline constexpr int kMinZuSize = 20;
inline constexpr int kMaxZuSize = 50;
inline constexpr int kDefaultZuSize = 30;
// Entries 1..62: the largest group and the ten rows the word list reads
// below its last scroll position. Entry 0 is never used.
inline constexpr int kZuArrayLast = 62;
// Every entry holds at most this many characters.
inline constexpr qsizetype kZuTextCapacity = 50;

// A group size the rules can work with.
int ClampZuSize(int zuSize);

struct ZuCount {
    int FZuCount = 1;           // at least 1, also for a book without words
    bool FLastZuFull = false;   // the word count is an exact multiple of the group size
};
ZuCount CountZus(qsizetype bookWordCount, int zuSize);

// Words in group `currentZu`: the group size, except for a last group that
// is not full.
int ZuWordCount(qsizetype bookWordCount, int zuSize, int currentZu);

using ZuArray = std::array<QString, kZuArrayLast + 1>;

struct ZuArrays {
    ZuArray FZuNumber;     // the book-wide word number followed by ". "
    ZuArray FZuWord;
    ZuArray FZuMeaning;
    ZuArray FZuPhonetic;   // already mapped for the phonetic font
    ZuArray FZuStart;
    ZuArray FZuEnd;
};

// Writes entries 1..zuSize from the book table's rows of group `currentZu`;
// rows beyond the table give empty texts (the number entry only ". ").
// Entries above zuSize keep what an earlier fill wrote.
void FillZu(const StringTable& bookTable, int zuSize, int currentZu, ZuArrays& arrays);

} // namespace word
