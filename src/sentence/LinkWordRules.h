#pragma once
// Word linking's deciding rules: how a sentence's words are shuffled onto the
// pieces, where the pieces lie, which piece may be placed next, what the
// answer line reads, and which sentence a lesson leads to.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace sentence {

// The pieces the screen makes when it is created; a longer sentence gets
// more.
inline constexpr int kLinkPieceCount = 70;

// The rows of pieces: each row starts at kLinkRowLeft, the first at
// kLinkFirstRowTop and each further one kLinkRowStep lower; no piece ends
// beyond kLinkRowRight. A piece is its text's width plus kLinkPiecePadding
// wide, kLinkPieceGap from its neighbour.
inline constexpr int kLinkRowLeft = 100;
inline constexpr int kLinkRowRight = 760;
inline constexpr int kLinkFirstRowTop = 130;
inline constexpr int kLinkRowStep = 38;
inline constexpr int kLinkPieceGap = 5;
inline constexpr int kLinkPiecePadding = 10;
// The pieces stay above the answer line (whose top is 352) by this margin.
inline constexpr int kLinkPiecesBottom = 348;
// Rows pressed closer than this gap would touch.
inline constexpr int kLinkMinRowGap = 4;

// The pieces' text size, and the smallest it shrinks to for a sentence too
// long for the rows at full size.
inline constexpr int kLinkPieceFontPx = 16;
inline constexpr int kLinkSmallestPieceFontPx = 9;

struct PiecePlace {
    int left;
    int top;
    int width;
};

struct PieceRows {
    std::vector<PiecePlace> places; // piece i's place, in display order
    int rows = 0;
    int rowStep = kLinkRowStep;
    // False when the pieces only fit by running into each other or by
    // cutting a word too wide for a row: the screen tries a smaller text.
    bool fits = true;
};

// The places of pieces whose texts measure `textWidths`, each piece
// `pieceHeight` tall. Rows lie kLinkRowStep apart while they fit above the
// answer line; more rows are pressed closer together so that all of them
// do. A word wider than a row gets a row of its own, cut to the row's width.
PieceRows LayOutPieceRows(std::span<const int> textWidths, int pieceHeight);

// The words in display order, drawn from a generator seeded with `seed`:
// each position in turn is exchanged with a position drawn from the whole
// range, so the order may come out unchanged.
QStringList ShuffledWords(const QStringList& words, std::uint32_t seed);

// Whether a piece showing `word` carries the word due: word `nextWord`
// (counted from 1) of `words`. Only the text counts, exactly, so any piece
// of a repeated word serves any of its occurrences.
bool CarriesNextWord(const QString& word, const QStringList& words, int nextWord);

// The answer line once the first `placed` words are placed: each followed
// by one space.
QString AnswerLine(const QStringList& words, int placed);

// Which sentence a lesson leads to when sentence `row` is due, the lesson's
// English texts being `english` (sentence k at index k - 1). A sentence
// without words has nothing to build and counts as done at once.
struct LinkSentenceStep {
    enum Kind {
        Build,    // build sentence `row`: `row` itself or the first one after it with words
        Finished, // no sentence with words from `row` on: the lesson is done
        Nothing,  // the lesson has no words at all: nothing to build, nothing to finish
    };
    Kind kind;
    int row;
};
LinkSentenceStep SentenceToBuild(const QStringList& english, int row);

} // namespace sentence
