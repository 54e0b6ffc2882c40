#pragma once
// Reading sentence books (.jz) into the lesson catalogue: the book's sentence
// table (SenStringGrid), its lesson table (ClassStringGrid) and, for the
// chosen lesson, the lesson's sentence table (OneClassStringGrid).
//
// A load is all or nothing: either every table of the book is built, or the
// result carries an error and no table, and the caller keeps the book it had.

#include "controls/StringTable.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace sentence {

// Columns of the sentence table of the whole book and of a lesson.
enum SentenceColumn {
    kNumberColumn = 0,        // sentence number (lesson table: position in the lesson)
    kEnglishColumn = 1,
    kChineseColumn = 2,
    kStartColumn = 3,         // clip start in the lesson recording, ms
    kEndColumn = 4,           // clip end, ms
    kAnnotationColumn = 5,
    kMemoryMarkColumn = 6,
    kNoteNumberColumn = 7,
    kBookSentenceColumn = 8,  // lesson table only: number of the sentence in the book
};

// Columns of the lesson table.
enum LessonColumn {
    kLessonNumberColumn = 0,
    kTitleColumn = 1,
    kFirstSentenceColumn = 2,
    kLastSentenceColumn = 3,
    kRecordingColumn = 4,
};

// The captions of row 0, exactly as the grids show them.
const QStringList& SentenceCaptions();        // 8 columns
const QStringList& LessonCaptions();          // 5 columns
const QStringList& LessonSentenceCaptions();  // 9 columns

struct SentenceBook {
    QString soundFolder;    // sub-folder of Sound/ holding the lesson recordings
    StringTable lessons;    // LessonCaptions(); row k = lesson k
    StringTable sentences;  // SentenceCaptions(); row k = sentence k

    qsizetype LessonCount() const { return lessons.RowCount() - 1; }
    qsizetype SentenceCount() const { return sentences.RowCount() - 1; }
};

enum class BookLoadStatus {
    Loaded,
    Missing,      // no such file
    Unreadable,   // the file exists but could not be read to its end
    Damaged,      // too short for what its header says, or not a book at all
    Empty,        // a well-formed book without lessons or without sentences
};

struct BookLoadResult {
    BookLoadStatus status = BookLoadStatus::Damaged;
    SentenceBook book;      // filled only when Ok()
    QString message;        // for the learner, in Chinese; empty when Ok()
    QString detail;         // what exactly was wrong, for the curious and for logs
    // Faults the reader mended while loading (lesson ranges outside the
    // book); the book is usable, a book checker reports them.
    QStringList repairs;

    bool Ok() const { return status == BookLoadStatus::Loaded; }
};

// Reads the book file at `path` in one pass of large reads.
BookLoadResult LoadSentenceBook(const QString& path);
// The same from a book's bytes already in memory.
BookLoadResult ParseSentenceBook(QByteArrayView bytes);

// A lesson's sentence range made safe for a book of `sentenceCount`
// sentences: first is kept within 1..sentenceCount and last within
// first..sentenceCount. A lesson whose first sentence lies after its last one
// thus becomes the one sentence it starts at: every lesson keeps at least one
// sentence, so the practice screens, which all begin at the lesson's first
// row, always find one. A book without sentences gives the empty range 1..0.
struct LessonRange {
    int first = 1;
    int last = 0;
    qsizetype Size() const { return last >= first ? qsizetype(last) - first + 1 : 0; }
    friend bool operator==(LessonRange, LessonRange) = default;
};
LessonRange ClampLessonRange(qint64 first, qint64 last, qsizetype sentenceCount);

// The sentence table of one lesson (OneClassStringGrid): row r holds book
// sentence first + r - 1, columns 1 to 7 copied, column 0 = r, column 8 = the
// book's sentence number. The range is clamped as above first.
StringTable LessonSentenceTable(const StringTable& bookSentences, int first, int last);
// The same for row `lessonRow` of the lesson table (its columns 2 and 3); a
// row outside the lesson table gives a table of captions only.
StringTable LessonSentenceTable(const StringTable& bookSentences, const StringTable& lessons,
                                qsizetype lessonRow);

// The books of a folder: the names of its *.jz files (extension in any case),
// in ascending name order, each without its last three characters.
QStringList ListSentenceBooks(const QString& folder);
// The file of book `bookName` in `folder`: bookName + ".jz" if it exists,
// otherwise the file whose extension differs from ".jz" only in case; empty
// when there is none.
QString FindSentenceBookFile(const QString& folder, const QString& bookName);

} // namespace sentence
