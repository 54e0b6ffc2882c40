// Pictures: the JPEG decoder every screen's pictures go through. Whatever the
// bytes, it gives a picture or a reason, never both or neither; a picture it
// gives is within the size it accepts, and survives being encoded and
// decoded again at the same size.

#include "FuzzCheck.h"
#include "controls/Jpeg.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const QImage picture = DecodeJpeg(bytes, &error);
    FUZZ_CHECK(picture.isNull() != error.isEmpty(), "a picture or a reason, never both or neither");
    if (picture.isNull())
        return 0;
    FUZZ_CHECK(picture.width() > 0 && picture.height() > 0, "a picture has pixels");
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= 4096 * 4096, "no picture beyond the accepted size");
    // Big pictures are left there: encoding them again only slows the fuzzer.
    if (qint64(picture.width()) * picture.height() <= 256 * 256) {
        QString again;
        const QImage reread = DecodeJpeg(EncodeJpeg(picture, 90), &again);
        FUZZ_CHECK(reread.size() == picture.size() && again.isEmpty(), "a decoded picture encodes and decodes again");
    }
    return 0;
}
