#pragma once
// The plain-text source of a word book (format in README.md beside this
// file): a book name, the voice, and the words with their American IPA and
// Chinese meaning.

#include <QList>
#include <QString>
#include <QStringList>

namespace bookmaker {

struct SourceWord {
    QString english;   // as shown and typed
    QString ipa;       // as the source gives it, or the voice's own when it gives none
    QString stored;    // the IPA in the word books' stored code
    QString meaning;
    int line = 0;
};

struct WordSource {
    QString bookName;   // the book is bdcBook/<bookName>.wd, its recording bdcSound/<bookName>.mp3
    QString voice = QStringLiteral("rms");
    double pace = 1.0;
    QList<SourceWord> words;
};

// The most a word book's fields hold, in bytes (the meaning in GBK).
inline constexpr int kWordCapacity = 30;
inline constexpr int kPhoneticCapacity = 30;
inline constexpr int kMeaningCapacity = 40;

// Parses `text`; on failure returns false with one message per fault, each
// naming its line ("starter.txt:12: ...").
bool ParseWordSource(const QString& text, const QString& sourceName, WordSource& source, QStringList& errors);

} // namespace bookmaker
