#pragma once
// bookmaker align SOURCE OUTDIR: a sentence book over recordings of real
// speech. Each lesson of the source names its recording; the bookmaker finds
// every sentence in it, copies it into OUTDIR/Sound/<folder>/ and writes
// OUTDIR/EnglishBook/<book>.jz with those clips. Returns the exit status.

#include <QString>

namespace bookmaker {

int AlignSentenceBook(const QString& sourcePath, const QString& outputFolder);

} // namespace bookmaker
