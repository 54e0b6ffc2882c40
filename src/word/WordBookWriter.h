#pragma once
// Writes word books (.wd): the bookmaker compiles the bundled word course
// with it, and tests build books with it.
//
//   word::WordBookWriter writer;
//   writer.AddWord({"apple", "'1p4l", "苹果", 0, 820});   // word, stored phonetic, meaning, clip in ms
//   writer.WriteFile(folder + "/bdcBook/水果.wd");
//
// Texts are given as Unicode and stored as GBK. The writer writes what it is
// given, cutting what does not fit at a character boundary; Problems() lists
// everything that will not come back as it was given.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace word {

struct BookWord {
    BookWord() = default;
    BookWord(QString word, QString phonetic, QString meaning, qint64 start = 0, qint64 end = 0)
        : word(std::move(word)), phonetic(std::move(phonetic)), meaning(std::move(meaning)), start(start), end(end)
    {
    }

    QString word;       // at most 30 bytes
    QString phonetic;   // in the stored code, at most 30 bytes
    QString meaning;    // at most 40 bytes of GBK
    qint64 start = 0;   // clip start in the book's recording, ms; at most 10 digits with its sign
    qint64 end = 0;
};

class WordBookWriter {
public:
    // Returns the 1-based number of the word.
    int AddWord(const BookWord& word);
    qsizetype WordCount() const { return words_.size(); }

    // Faults in what was added, one line each, in Chinese; empty when the
    // book will load exactly as given.
    QStringList Problems() const;

    // The whole file: ten zero-filled records, then one record per word.
    QByteArray ToBytes() const;
    // Writes the file whole or not at all, making its folder if needed.
    bool WriteFile(const QString& path, QString* error = nullptr) const;

private:
    QList<BookWord> words_;
};

} // namespace word
