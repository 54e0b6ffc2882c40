#include "GbkDecoder.h"
#include "TextEncoding.h"

#include <QList>

#include <array>
#include <memory>

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kInvalid = 0;   // no GBK character decodes to U+0000 from a high byte

// GBK trail bytes lie in 0x40..0xFE; a high byte followed by anything else
// never forms a character.
constexpr int kFirstTrail = 0x40;
constexpr int kLastTrail = 0xFE;

// For every high byte: the character it forms with each following byte, and
// the character it is on its own (most high bytes are nothing on their own).
struct GbkTable {
    std::array<char16_t, 128 * 256> pairs{};
    std::array<char16_t, 128> singles{};

    char16_t Pair(unsigned char lead, unsigned char trail) const
    {
        return pairs[size_t(lead - 0x80) * 256 + trail];
    }
};

bool IsOneCharacter(QStringView piece)
{
    return piece.size() == 1 && piece[0] != QChar(kReplacement) && !piece[0].isSurrogate();
}

// Asks the reference converter about one lead byte at once: every pair is
// followed by a line feed, which no pair can absorb, so the answer splits
// back into one piece per trail byte. Returns false if it does not.
bool FillLeadFromOneConversion(GbkTable& table, unsigned char lead)
{
    QByteArray probe;
    for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        probe.append(char(lead));
        probe.append(char(trail));
        probe.append('\n');
    }
    const QString answer = GbkToUnicode(probe);
    const QList<QStringView> pieces = QStringView(answer).split(u'\n');
    if (pieces.size() != kLastTrail - kFirstTrail + 2)   // the last line feed leaves an empty piece
        return false;
    for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        const QStringView piece = pieces[trail - kFirstTrail];
        table.pairs[size_t(lead - 0x80) * 256 + trail] =
            IsOneCharacter(piece) ? piece[0].unicode() : kInvalid;
    }
    return true;
}

void FillLeadPairByPair(GbkTable& table, unsigned char lead)
{
    for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        const char pair[2] = {char(lead), char(trail)};
        const QString answer = GbkToUnicode(QByteArray(pair, 2));
        table.pairs[size_t(lead - 0x80) * 256 + trail] =
            IsOneCharacter(answer) ? answer[0].unicode() : kInvalid;
    }
}

std::unique_ptr<GbkTable> BuildTable()
{
    auto table = std::make_unique<GbkTable>();
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        const QString single = GbkToUnicode(QByteArray(1, char(lead)));
        table->singles[size_t(lead - 0x80)] = IsOneCharacter(single) ? single[0].unicode() : kInvalid;
        if (!FillLeadFromOneConversion(*table, static_cast<unsigned char>(lead)))
            FillLeadPairByPair(*table, static_cast<unsigned char>(lead));
    }
    return table;
}

const GbkTable& Table()
{
    static const std::unique_ptr<GbkTable> table = BuildTable();
    return *table;
}

} // namespace

void PrepareGbkDecoder()
{
    Table();
}

qsizetype DecodeGbkTo(const char* bytes, qsizetype size, char16_t* const out)
{
    const GbkTable& table = Table();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    char16_t* next = out;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char byte = in[i];
        if (byte < 0x80) {
            *next++ = byte;
            ++i;
            continue;
        }
        if (i + 1 < size) {
            const char16_t paired = table.Pair(byte, in[i + 1]);
            if (paired != kInvalid) {
                *next++ = paired;
                i += 2;
                continue;
            }
        }
        // Like the reference converter: a byte that starts nothing becomes
        // one replacement character and decoding resumes at the next byte.
        const char16_t single = table.singles[byte - 0x80];
        *next++ = single != kInvalid ? single : kReplacement;
        ++i;
    }
    return next - out;
}

QString DecodeGbk(const char* bytes, qsizetype size)
{
    if (size <= 0)
        return QString();
    QString text(size, Qt::Uninitialized);
    text.truncate(DecodeGbkTo(bytes, size, reinterpret_cast<char16_t*>(text.data())));
    return text;
}

} // namespace platform
