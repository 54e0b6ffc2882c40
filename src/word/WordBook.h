#pragma once
// Reading word books (.wd) into the word course's book table
// (WordStringGrid), finding the books of a folder and the recording of a
// book, and the mapping of stored phonetics to the phonetic font.
//
// A load is all or nothing: either the whole table is built, or the result
// carries an error and no table, and the caller keeps the book it had.

#include "controls/StringTable.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace word {

// Columns of the book table; row r (from 0) holds word r + 1, no captions.
enum WordColumn {
    kNumberColumn = 0,     // the word number, decimal
    kWordColumn = 1,
    kMeaningColumn = 2,
    kPhoneticColumn = 3,   // already mapped by ToPhoneticFont
    kStartColumn = 4,      // clip start in the book's recording, as stored
    kEndColumn = 5,        // clip end, as stored
    kSpareColumn = 6,      // stays empty
};
inline constexpr qsizetype kWordTableColumns = 7;

struct WordBook {
    StringTable words{kWordTableColumns};

    qsizetype WordCount() const { return words.RowCount(); }
};

enum class WordBookLoadStatus {
    Loaded,
    Missing,      // no such file
    Unreadable,   // the file exists but could not be read to its end
    Damaged,      // not even the ten records that precede the words
    Empty,        // the ten leading records and no word after them
};

struct WordBookLoadResult {
    WordBookLoadStatus status = WordBookLoadStatus::Damaged;
    WordBook book;      // filled only when Ok()
    QString message;    // for the learner, in Chinese; empty when Ok()
    QString detail;     // what exactly was wrong, for logs

    bool Ok() const { return status == WordBookLoadStatus::Loaded; }
};

// Reads the book file at `path`, however long the path.
WordBookLoadResult LoadWordBook(const QString& path);
// The same from a book's bytes already in memory.
WordBookLoadResult ParseWordBook(QByteArrayView bytes);

// The stored phonetic code (see WordBookFormat.h) as the phonetic font's
// characters. Each character is mapped once, so outputs are never mapped
// again: "1'5" gives "B5A".
QString ToPhoneticFont(QStringView stored);
// The same mapping for one character.
char16_t ToPhoneticFontChar(char16_t stored);

// The books of a folder: the names of its *.wd files (extension in any
// case), in ascending name order without regard to case, each without its
// extension.
QStringList ListWordBooks(const QString& folder);
// The file of book `bookName` in `folder`: bookName + ".wd" if it exists,
// otherwise the file whose extension differs from ".wd" only in case; empty
// when there is none.
QString FindWordBookFile(const QString& folder, const QString& bookName);

// Where book `bookName`'s recording lies: bdcSound/<bookName>.mp3 in the
// program folder.
QString WordRecordingPath(const QString& programFolder, const QString& bookName);
// The recording of book `bookName` as it is on disk: that path, or the file
// whose extension differs from ".mp3" only in case; empty when there is none.
QString FindWordRecording(const QString& programFolder, const QString& bookName);

} // namespace word
