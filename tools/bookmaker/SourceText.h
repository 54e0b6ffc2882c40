#pragma once
// What the plain-text sources of sentence books and word books share: lines
// of "key: value", and the tests their texts must pass to be stored in a book.

#include <QString>
#include <QStringList>

#include <functional>

namespace bookmaker {

// A line "key: value"; keys are lower-case ASCII words.
struct SourceLine {
    QString key;
    QString value;
};
bool SplitSourceLine(const QString& line, SourceLine& parsed);

// Calls `line` with each line of `text` (a byte order mark dropped) and its
// 1-based number, skipping blank lines and "#" comments; the line is trimmed.
void ForEachSourceLine(const QString& text, const std::function<void(int number, const QString& line)>& line);

// A fault's message, naming the source and, when known (line > 0), the line.
QString SourceFault(const QString& sourceName, int line, const QString& message);

// A book's pace: how much slower than the voice's own, 0.8 to 2.0.
bool ParsePace(const QString& value, double& pace);
inline constexpr const char* kPaceFault = "pace must be 0.8 to 2.0 (1 is the voice's own pace, 1.2 a little slower)";

// Book text is stored as GBK: a character GBK lacks would turn into '?'.
bool FitsGbk(const QString& text);
// The learner types the English, so it must be typeable.
bool IsTypeableAscii(const QString& text);
// A name that can be used as one file or folder name.
bool IsPlainName(const QString& name);

} // namespace bookmaker
