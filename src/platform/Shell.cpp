#include "Shell.h"
#include "SeamSlot.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

class DesktopShell final : public Shell {
public:
    bool Open(const QString& target, QWidget*) override
    {
        const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
        return QDesktopServices::openUrl(url);
    }
};

SeamSlot<Shell, DesktopShell> slot;

} // namespace

Shell& shell() { return slot.Get(); }
void InstallShell(Shell* s) { slot.Install(s); }

} // namespace platform
