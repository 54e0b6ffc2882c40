#pragma once
// The English words a sentence may use, to find two words run together
// ("talkto"): a slip the voice reads without a stumble and the learner would
// have to type as printed.

#include <QSet>
#include <QString>
#include <QStringList>

namespace bookmaker {

// The system's word list, one word per line.
inline constexpr const char* kWordListPath = "/usr/share/dict/words";

class EnglishWords {
public:
    // Reads the word list; false (with `error`) when it cannot be read.
    bool Load(const QString& path, QString& error);

    // Whether the word list or the voice's own lexicon knows `word`, in any case.
    bool Knows(const QString& word) const;

    // The two known words `word` is made of when it is itself unknown: "talk
    // to" for "talkto". Each part has two letters or more, or is "a" or "I";
    // of several splits, the one with the longest first part. Empty when the
    // word is known or no such split exists.
    QString RunTogether(const QString& word) const;

private:
    QSet<QString> words_; // lower case
};

// The words of an English text a learner types: runs of letters and
// apostrophes.
QStringList LetterWords(const QString& english);

} // namespace bookmaker
