#include "SentenceWords.h"

namespace sentence {

namespace {

// Blanks and control characters, as trimmed from both ends.
bool IsBlank(QChar c) { return c.unicode() <= u' '; }

} // namespace

QStringList SplitWords(const QString& english)
{
    qsizetype first = 0;
    qsizetype last = english.size();
    while (first < last && IsBlank(english[first]))
        ++first;
    while (last > first && IsBlank(english[last - 1]))
        --last;
    QStringList words;
    QString word;
    for (qsizetype i = first; i < last; ++i) {
        if (english[i] != u' ') {
            word += english[i];
        } else if (english[i - 1] != u' ') {
            words.append(word);
            word.clear();
        }
    }
    if (first < last)
        words.append(word);
    return words;
}

QString JoinWords(const QStringList& words) { return words.join(u' '); }

} // namespace sentence
