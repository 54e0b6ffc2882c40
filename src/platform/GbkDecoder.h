#pragma once
// GBK to Unicode for bulk loading. A sentence book of 65,535 sentences holds
// a few hundred thousand short text fields; converting each one through iconv
// and UTF-8 costs several times the reading of the file. This decoder gives
// exactly what platform::GbkToUnicode gives (the same replacement character
// for the same damaged bytes) from a table built once through that function.

#include <QString>

namespace platform {

// Decodes `size` GBK bytes.
QString DecodeGbk(const char* bytes, qsizetype size);
// The same, written at `out`, which has room for `size` characters (never
// more characters than bytes); returns how many were written.
qsizetype DecodeGbkTo(const char* bytes, qsizetype size, char16_t* out);

// Builds the conversion table now instead of at the first decode, so a
// program can pay for it before the first book is opened.
void PrepareGbkDecoder();

} // namespace platform
