#include "ScratchFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString ScratchFolder()
{
    const QString named = qEnvironmentVariable("TINGDU_FUZZ_SCRATCH");
    if (!named.isEmpty())
        return named;
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/tingdu-fuzz-%1").arg(::getpid());
}

// Nothing an input does can be blamed for these, so they stop the run with
// a reason instead of being taken for a finding.
[[noreturn]] void GiveUp(const char* what, const QByteArray& path)
{
    std::fprintf(stderr, "scratch file %s: %s (%s)\n", path.constData(), what, std::strerror(errno));
    std::exit(2);
}

} // namespace

ScratchFile::ScratchFile(const QString& fileName)
    : folder_(ScratchFolder()), path_(folder_ + QLatin1Char('/') + fileName), nativePath_(QFile::encodeName(path_))
{
    if (!QDir().mkpath(folder_))
        GiveUp("cannot make its folder", QFile::encodeName(folder_));
}

ScratchFile::~ScratchFile()
{
    QFile::remove(path_);
    QDir().rmdir(folder_);   // only when nothing else was left in it
}

void ScratchFile::Write(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(nativePath_.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        GiveUp("cannot be opened", nativePath_);
    for (std::size_t done = 0; done < size;) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            GiveUp("cannot be written", nativePath_);
        done += std::size_t(wrote);
    }
    ::close(fd);
}
