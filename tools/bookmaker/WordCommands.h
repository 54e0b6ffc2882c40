#pragma once
// The bookmaker's word book commands; each returns the process exit status.

#include <QString>

namespace bookmaker {

// Compiles a word source into OUTDIR/bdcBook/<book>.wd and its recording
// OUTDIR/bdcSound/<book>.mp3. Given a plain word list instead, writes
// OUTDIR/<list>.txt: the word source, with the voice's IPA, whose meanings
// the author fills in before compiling it.
int CompileWordBook(const QString& sourcePath, const QString& outputFolder);
// Prints every row of a word book's table, cells 0 to 5.
int DumpWordBook(const QString& bookPath);
// Loads a word book and checks its recording and clips; 0 only for a usable book.
int CheckWordBook(const QString& bookPath);

} // namespace bookmaker
