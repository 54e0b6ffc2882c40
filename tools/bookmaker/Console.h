#pragma once
// The bookmaker's output: results on standard output, faults on standard
// error, both UTF-8.

#include <QString>

#include <cstdio>

namespace bookmaker {

inline void PrintLine(FILE* stream, const QString& line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

inline void Out(const QString& line) { PrintLine(stdout, line); }
inline void Err(const QString& line) { PrintLine(stderr, QStringLiteral("bookmaker: ") + line); }

} // namespace bookmaker
