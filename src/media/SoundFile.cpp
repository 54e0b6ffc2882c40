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
        throw SoundFileError(QStringLiteral("文件不存在"));
    if (info.isDir())
        throw SoundFileError(QStringLiteral("这是一个文件夹，不是文件"));
    if (!info.isReadable())
        throw SoundFileError(QStringLiteral("没有读取这个文件的权限"));
    if (info.size() == 0)
        throw SoundFileError(QStringLiteral("文件是空的"));
}

} // namespace

void RequirePlayableFormat(const SoundFormat& format)
{
    if (!IsPlayableRate(format.sampleRate))
        throw SoundFileError(QStringLiteral("它的采样率 %1 Hz 超出了本程序能播放的范围（%2 至 %3 Hz）")
                                 .arg(format.sampleRate)
                                 .arg(kMinSampleRate)
                                 .arg(kMaxSampleRate));
    if (!IsPlayableChannelCount(format.channels))
        throw SoundFileError(QStringLiteral("它的声道数 %1 超出了本程序能播放的范围（1 至 %2 个声道）")
                                 .arg(format.channels)
                                 .arg(kMaxChannels));
}

std::unique_ptr<SoundSource> OpenSoundFile(const QString& path)
{
    CheckIsReadableFile(path);
    // Each source refuses a format the engine cannot play as soon as it
    // reads it, before anything is sized from it.
    if (LooksLikeMp3(path))
        return std::make_unique<Mpg123Source>(path);
    return std::make_unique<SndfileSource>(path);
}

} // namespace media
