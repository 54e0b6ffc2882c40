#include "LinkWordRules.h"
#include "SentenceWords.h"

#include <algorithm>
#include <limits>
#include <random>

namespace sentence {

namespace {

// A position from 0 to count - 1, every one equally likely. Drawn straight
// from the generator's output (not through a library distribution) so that
// a seed gives the same order on every platform.
int Draw(std::mt19937& random, int count)
{
    const std::uint32_t range = std::uint32_t(count);
    const std::uint32_t limit = std::numeric_limits<std::uint32_t>::max() -
                                std::numeric_limits<std::uint32_t>::max() % range;
    std::uint32_t value;
    do
        value = std::uint32_t(random());
    while (value >= limit);
    return int(value % range);
}

bool HasWords(const QString& english) { return !SplitWords(english).isEmpty(); }

} // namespace

PieceRows LayOutPieceRows(std::span<const int> textWidths, int pieceHeight)
{
    constexpr int rowWidth = kLinkRowRight - kLinkRowLeft;
    PieceRows result;
    std::vector<int> rowOf;
    int row = 0;
    int x = kLinkRowLeft;
    for (const int textWidth : textWidths) {
        const int wanted = std::max(textWidth, 0) + kLinkPiecePadding;
        const int width = std::min(wanted, rowWidth);
        if (wanted > rowWidth)
            result.fits = false;
        // The first piece of a row stays, whatever its width.
        if (x > kLinkRowLeft && x + width > kLinkRowRight) {
            ++row;
            x = kLinkRowLeft;
        }
        result.places.push_back({x, 0, width});
        rowOf.push_back(row);
        x += width + kLinkPieceGap;
    }
    result.rows = textWidths.empty() ? 0 : row + 1;

    if (result.rows > 1) {
        const int room = kLinkPiecesBottom - pieceHeight - kLinkFirstRowTop;
        if (kLinkRowStep * (result.rows - 1) > room)
            result.rowStep = std::max(room / (result.rows - 1), 1);
        if (result.rowStep < pieceHeight + kLinkMinRowGap)
            result.fits = false;
    }
    for (std::size_t i = 0; i < result.places.size(); ++i)
        result.places[i].top = kLinkFirstRowTop + rowOf[i] * result.rowStep;
    return result;
}

QStringList ShuffledWords(const QStringList& words, std::uint32_t seed)
{
    std::mt19937 random(seed);
    QStringList shuffled = words;
    const int count = int(shuffled.size());
    for (int j = 0; j < count; ++j)
        shuffled.swapItemsAt(j, Draw(random, count));
    return shuffled;
}

bool CarriesNextWord(const QString& word, const QStringList& words, int nextWord)
{
    return nextWord >= 1 && nextWord <= words.size() && word == words[nextWord - 1];
}

QString AnswerLine(const QStringList& words, int placed)
{
    QString line;
    for (int k = 0; k < std::min<qsizetype>(placed, words.size()); ++k)
        line += words[k] + u' ';
    return line;
}

LinkSentenceStep SentenceToBuild(const QStringList& english, int row)
{
    const int count = int(english.size());
    for (int r = std::max(row, 1); r <= count; ++r)
        if (HasWords(english[r - 1]))
            return {LinkSentenceStep::Build, r};
    const bool lessonHasWords = std::any_of(english.begin(), english.end(), HasWords);
    return {lessonHasWords ? LinkSentenceStep::Finished : LinkSentenceStep::Nothing, row};
}

} // namespace sentence
