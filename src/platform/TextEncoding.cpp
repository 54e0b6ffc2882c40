#include "TextEncoding.h"

#include <cerrno>
#include <iconv.h>
#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace platform {
namespace {

// One iconv conversion descriptor per direction, opened once.
class Converter {
public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)), fromUtf8_(std::string_view(from) == "UTF-8")
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between GBK and UTF-8");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an input byte that cannot be converted is replaced by
    // `replacement` and skipped.
    QByteArray Convert(const QByteArray& in, const QByteArray& replacement) const
    {
        QByteArray out;
        out.resize(in.size() * 3 + 4);
        char* src = const_cast<char*>(in.constData());
        size_t srcLeft = size_t(in.size());
        char* dst = out.data();
        size_t dstLeft = size_t(out.size());
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (srcLeft > 0) {
            if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
                break;
            if (errno == E2BIG) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = size_t(out.size() - used);
                continue;
            }
            // EILSEQ or EINVAL: an invalid or truncated sequence.
            if (dstLeft < size_t(replacement.size())) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2 + replacement.size());
                dst = out.data() + used;
                dstLeft = size_t(out.size() - used);
            }
            std::copy(replacement.begin(), replacement.end(), dst);
            dst += replacement.size();
            dstLeft -= size_t(replacement.size());
            const size_t skip = std::min(srcLeft, SequenceLength(static_cast<unsigned char>(*src)));
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(dst - out.data());
        return out;
    }

private:
    // How many input bytes one unconvertible character takes.
    size_t SequenceLength(unsigned char lead) const
    {
        if (!fromUtf8_ || lead < 0xC0)
            return 1;
        return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    }

    iconv_t cd_;
    bool fromUtf8_;
};

} // namespace

QString GbkToUnicode(const QByteArray& gbk)
{
    static const Converter toUtf8("UTF-8", "GBK");
    return QString::fromUtf8(toUtf8.Convert(gbk, QByteArray("\xEF\xBF\xBD")));
}

QByteArray UnicodeToGbk(const QString& text)
{
    static const Converter toGbk("GBK", "UTF-8");
    return toGbk.Convert(text.toUtf8(), QByteArray("?"));
}

QByteArray FitGbk(const QByteArray& gbk, qsizetype capacity)
{
    qsizetype end = 0;
    while (end < gbk.size()) {
        const qsizetype width = static_cast<unsigned char>(gbk[end]) >= 0x81 && end + 1 < gbk.size() ? 2 : 1;
        if (end + width > capacity)
            break;
        end += width;
    }
    return gbk.left(end);
}

} // namespace platform
