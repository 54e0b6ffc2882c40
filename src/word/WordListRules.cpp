#include "WordListRules.h"

namespace word {

std::optional<int> LineRowOf(int currentWord, int position, int zuWordCount)
{
    if (zuWordCount < 1 || currentWord < position || currentWord > position + kListRows - 1)
        return std::nullopt;
    return currentWord - position;
}

int FirstEmptyRow(int zuWordCount, int position)
{
    if (zuWordCount - (kListRows - 1) >= position)
        return kListRows + 1;
    const int first = zuWordCount - position + 2;
    return first < 1 ? 1 : first;
}

QString EnglishRowCaption(const QString& number, const QString& word)
{
    return (number + word).left(kEnglishCaptionLimit);
}

PlayAllNext AfterPlayAllGap(int currentWord, int zuWordCount, int lineRow)
{
    if (currentWord >= zuWordCount)
        return {PlayAllNext::GroupOver, 1};
    const int next = currentWord + 1;
    return {lineRow >= kPlayAllScrollRow ? PlayAllNext::NextWordOnTop : PlayAllNext::NextWord, next};
}

} // namespace word
