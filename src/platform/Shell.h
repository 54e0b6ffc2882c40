#pragma once
// The desktop-shell seam: opens a file or an address with whatever the
// desktop associates with it.

#include <QString>

class QWidget;

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // `target` is a file path or a URL; true when the desktop took it.
    virtual bool Open(const QString& target, QWidget* owner) = 0;
};

Shell& shell();
void InstallShell(Shell* shell); // nullptr: the real one

} // namespace platform
