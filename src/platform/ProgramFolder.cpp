#include "ProgramFolder.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString installed;
}

QString ProgramFolder()
{
    QString folder = installed.isEmpty() ? QCoreApplication::applicationDirPath() : installed;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void InstallProgramFolder(const QString& folder) { installed = folder; }

} // namespace platform
