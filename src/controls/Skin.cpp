#include "Skin.h"
#include "Jpeg.h"

#include <QHash>
#include <cstdio>
#include <vector>

namespace {

struct Table {
    const SkinEntry* entries;
    std::size_t count;
};

std::vector<Table>& Tables()
{
    static std::vector<Table> tables;
    return tables;
}

QHash<QByteArray, TPicture>& Decoded()
{
    static QHash<QByteArray, TPicture> decoded;
    return decoded;
}

const SkinEntry* Find(const char* name)
{
    // Later tables take precedence, so a test can replace a picture.
    const auto& tables = Tables();
    for (auto table = tables.rbegin(); table != tables.rend(); ++table)
        for (std::size_t i = 0; i < table->count; ++i)
            if (qstrcmp(table->entries[i].name, name) == 0)
                return &table->entries[i];
    return nullptr;
}

} // namespace

void RegisterSkinTable(const SkinEntry* entries, std::size_t count)
{
    Tables().push_back({entries, count});
    Decoded().clear();
}

TPicture SkinPicture(const char* name)
{
    auto& decoded = Decoded();
    const QByteArray key(name);
    if (auto cached = decoded.constFind(key); cached != decoded.constEnd())
        return *cached;
    TPicture picture;
    if (const SkinEntry* entry = Find(name)) {
        // Decoded when first looked at, so a screen's pictures cost nothing
        // until it is shown.
        picture = TPicture::Deferred([entry, key] {
            QString error;
            const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(entry->data),
                                                             qsizetype(entry->size));
            QImage image = DecodeJpeg(bytes, &error);
            if (image.isNull())
                std::fprintf(stderr, "tingdu: picture '%s' is damaged (%s); it stays blank\n", key.constData(),
                             error.toLocal8Bit().constData());
            return image.isNull() ? QImage() : image.copy(); // own the pixels, not the table's bytes
        });
    } else {
        std::fprintf(stderr, "tingdu: picture '%s' is missing; it stays blank\n", name);
    }
    decoded.insert(key, picture);
    return picture;
}
