#include "BookFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace platform {
namespace {

QStringList BookFileNames(const QString& folder, QLatin1StringView extension)
{
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    names.removeIf([extension](const QString& name) {
        return name.size() <= extension.size() || !name.endsWith(extension, Qt::CaseInsensitive);
    });
    return names;
}

} // namespace

QStringList ListBooks(const QString& folder, QLatin1StringView extension)
{
    QStringList names = BookFileNames(folder, extension);
    // As the file list of the original platform orders them.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (QString& name : names)
        name.chop(extension.size());
    return names;
}

QString FindBookFile(const QString& folder, const QString& bookName, QLatin1StringView extension)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(bookName + extension);
    if (QFileInfo(exact).isFile())
        return exact;
    for (const QString& name : BookFileNames(folder, extension)) {
        if (name.size() == bookName.size() + extension.size() && name.startsWith(bookName))
            return dir.filePath(name);
    }
    return QString();
}

bool WriteBookFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("无法建立文件夹 %1").arg(folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path + QStringLiteral("：") + file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(path + QStringLiteral("：") + file.errorString());
    return true;
}

} // namespace platform
