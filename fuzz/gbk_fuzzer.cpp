// GBK text: the table-driven decoder the book reader uses must give exactly
// what the iconv converter gives, and text decoded from GBK must survive
// being written back (the bookmaker writes books through UnicodeToGbk that
// the reader then decodes).

#include "FuzzCheck.h"
#include "platform/GbkDecoder.h"
#include "platform/TextEncoding.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// What a decoded text becomes after a trip through GBK: the replacement
// character is not GBK, so it comes back as '?'.
QString AfterGbkTrip(QString text)
{
    return text.replace(QChar(kReplacement), QLatin1Char('?'));
}

void CheckDecodersAgree(const QByteArray& bytes)
{
    const QString fast = platform::DecodeGbk(bytes.constData(), bytes.size());
    const QString reference = platform::GbkToUnicode(bytes);
    FUZZ_CHECK(fast == reference, "DecodeGbk gives what GbkToUnicode gives");

    // Exactly the room the decoder is promised, no more.
    const auto out = std::make_unique<char16_t[]>(std::size_t(bytes.size()));
    const qsizetype written = platform::DecodeGbkTo(bytes.constData(), bytes.size(), out.get());
    FUZZ_CHECK(written >= 0 && written <= bytes.size(), "never more characters than bytes");
    FUZZ_CHECK(QStringView(out.get(), written) == fast, "DecodeGbkTo writes what DecodeGbk returns");

    const QString roundTrip = platform::GbkToUnicode(platform::UnicodeToGbk(reference));
    FUZZ_CHECK(roundTrip == AfterGbkTrip(reference), "decoded text survives being written back as GBK");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::PrepareGbkDecoder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Raw data, not a copy: the readers see exactly the input's bounds.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckDecodersAgree(bytes);
    // The same bytes taken as the UTF-8 of a course source, which the
    // bookmaker writes into a book.
    platform::UnicodeToGbk(QString::fromUtf8(bytes));
    return 0;
}
