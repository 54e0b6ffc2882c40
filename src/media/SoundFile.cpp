#include "SoundFile.h"
#include "Mpg123Source.h"
#include "SndfileSource.h"

#include <QFile>
#include <QFileInfo>

namespace media {
namespace {

// An mp3 goes to libmpg123 by its extension or by a leading ID3 tag; the
// device is chosen by the file's type, as the platform player did.
bool LooksLikeMp3(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(3) == "ID3";
}

void CheckIsReadableFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw SoundFileError(QStringLiteral("the file does not exist"));
    if (info.isDir())
        throw SoundFileError(QStringLiteral("it is a folder, not a file"));
    if (!info.isReadable())
        throw SoundFileError(QStringLiteral("it cannot be read (no permission)"));
    if (info.size() == 0)
        throw SoundFileError(QStringLiteral("the file is empty"));
}

} // namespace

std::unique_ptr<SoundSource> OpenSoundFile(const QString& path)
{
    CheckIsReadableFile(path);
    if (LooksLikeMp3(path))
        return std::make_unique<Mpg123Source>(path);
    return std::make_unique<SndfileSource>(path);
}

} // namespace media
