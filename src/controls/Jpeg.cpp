#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <QtEndian>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit; we jump back out of the
// library instead of letting it end the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnWarning(j_common_ptr, int) {}

// One decode in two steps, each between its own setjmp and the library
// calls, with no C++ objects that need destructors in between: the header
// first, so the caller can make the picture, then the pixels straight into
// the picture's rows.
// Far beyond any screen's picture; a header claiming more is damaged.
constexpr qint64 kMaxPixels = 4096 * 4096;

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
};

bool ReadHeader(Decoder& decoder, const QByteArray& data)
{
    jpeg_decompress_struct& info = decoder.info;
    info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = OnFatalError;
    decoder.errors.base.emit_message = OnWarning;
    decoder.errors.message[0] = '\0';
    if (setjmp(decoder.errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), data.size());
    jpeg_read_header(&info, TRUE);
    // Refused before the decoder sizes its buffers from the header: a
    // progressive picture's buffers hold the whole picture.
    if (qint64(info.image_width) * info.image_height > kMaxPixels) {
        std::snprintf(decoder.errors.message, sizeof decoder.errors.message, "the picture is too large");
        return false;
    }
    // Pixels come out as the 32-bit form the screen paints without converting.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    return true;
}

bool ReadPixels(Decoder& decoder, unsigned char* firstRow, qsizetype stride)
{
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.errors.jump))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = firstRow + qsizetype(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    // A file cut short is padded by libjpeg with grey and a warning; we count
    // it as damaged rather than show half a picture.
    if (info.err->num_warnings > 0) {
        std::snprintf(decoder.errors.message, sizeof decoder.errors.message, "the picture data is incomplete");
        return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error)
{
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("no picture data");
        return QImage();
    }
    Decoder decoder{};
    QImage image;
    bool decoded = ReadHeader(decoder, data);
    if (decoded) {
        image = QImage(int(decoder.info.output_width), int(decoder.info.output_height), QImage::Format_RGB32);
        decoded = !image.isNull() && ReadPixels(decoder, image.bits(), image.bytesPerLine());
    }
    jpeg_destroy_decompress(&decoder.info);
    if (!decoded) {
        if (error)
            *error = QString::fromLocal8Bit(decoder.errors.message);
        return QImage();
    }
    return image;
}

namespace {

bool EncodeInto(const QImage& rgb, int quality, unsigned char*& buffer, unsigned long& size, ErrorManager& errors)
{
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour keeps thin coloured text on the faces crisp.
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return QByteArray();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ErrorManager errors;
    const bool ok = EncodeInto(rgb, quality, buffer, size, errors);
    QByteArray result;
    if (ok)
        result = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return result;
}
