#pragma once
// Text stored in books is GBK (code page 936); inside the program every text
// is a QString. Bytes that are not valid GBK become U+FFFD rather than being
// dropped, so a damaged field still shows where it is damaged.

#include <QByteArray>
#include <QString>

namespace platform {

QString GbkToUnicode(const QByteArray& gbk);
// Characters GBK cannot hold are written as '?'.
QByteArray UnicodeToGbk(const QString& text);
// The longest prefix of GBK `gbk` that fits `capacity` bytes without
// splitting a two-byte character.
QByteArray FitGbk(const QByteArray& gbk, qsizetype capacity);

} // namespace platform
