#pragma once
// Sound files made byte by byte, for tests that hand the bookmaker a recording.

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace booktest {

// A 16-bit mono WAV file of `samples`.
inline QByteArray Wav(const std::vector<short>& samples, int rate)
{
    QByteArray bytes;
    const auto put32 = [&bytes](quint32 v) { for (int i = 0; i < 4; ++i) bytes.append(char((v >> (8 * i)) & 0xff)); };
    const auto put16 = [&bytes](quint16 v) { bytes.append(char(v & 0xff)).append(char(v >> 8)); };
    const quint32 data = quint32(samples.size() * 2);
    bytes.append("RIFF");
    put32(36 + data);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(quint32(rate));
    put32(quint32(rate * 2));
    put16(2);
    put16(16);
    bytes.append("data");
    put32(data);
    for (short s : samples)
        put16(quint16(s));
    return bytes;
}

} // namespace booktest
