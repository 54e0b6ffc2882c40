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

// A plain word list, one English word or phrase to a line, is where an author
// starts a word source: the bookmaker looks up each word's IPA and leaves the
// meanings to the author. A text is a list when no line of it is "key: value";
// a word source with a bare word among its lines is reported as a mix.
bool IsWordList(const QString& text);

// Parses a word list into a source without meanings, the book named after
// the list's file (`listName` without its last extension) and each word's IPA
// the voice's own; on failure returns false with one message per fault, each
// naming its line.
bool ParseWordList(const QString& text, const QString& listName, WordSource& list, QStringList& errors);

// The word source an author completes from a parsed list: a comment saying
// what to do, the book line, and "word: English | IPA |" for each word.
QString WordSourceToComplete(const WordSource& list, const QString& listName, const QString& sourceName);

} // namespace bookmaker
