#pragma once
// The bookmaker's commands; each returns the process exit status.

#include <QString>
#include <QStringView>

namespace bookmaker {

// Compiles a course source into OUTDIR/EnglishBook/<book>.jz and its lesson
// recordings into OUTDIR/Sound/<folder>/.
int CompileSentenceBook(const QString& sourcePath, const QString& outputFolder);
// Prints the tables of a book as the lesson chooser loads them.
int DumpBook(const QString& bookPath);
// Loads a book, looks for its recordings and clips; 0 only for a usable book.
int CheckBook(const QString& bookPath);

// One table cell for dump: backslash, tab, line feed, carriage return and the
// other control characters below U+0020 are escaped so every row is one line.
QString EscapeDumpCell(QStringView cell);

} // namespace bookmaker
