#pragma once
// How the exercises see a sentence's words: the English text trimmed of
// blanks and control characters at both ends and split at the space only, a
// run of spaces separating once; punctuation stays on its word.

#include <QString>
#include <QStringList>

namespace sentence {

// The words of `english`; none for a text that is empty once trimmed.
QStringList SplitWords(const QString& english);

// The words joined by single spaces: what the learner types.
QString JoinWords(const QStringList& words);

} // namespace sentence
