#include "SharedLibrary.h"

#include <cstdio>
#include <dlfcn.h>

namespace platform {

SharedLibrary::SharedLibrary(const char* soname) : soname_(QString::fromUtf8(soname))
{
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        problem_ = QStringLiteral("%1 cannot be loaded: %2").arg(soname_, QString::fromUtf8(dlerror()));
}

bool SharedLibrary::CheckUsable(const char* whatIsLost) const
{
    if (!Usable())
        std::fprintf(stderr, "tingdu: %s: %s\n", whatIsLost, qPrintable(problem_));
    return Usable();
}

void* SharedLibrary::Symbol(const char* name)
{
    if (!handle_)
        return nullptr;
    dlerror();
    void* symbol = dlsym(handle_, name);
    if (!symbol && problem_.isEmpty())
        problem_ = QStringLiteral("%1 has no %2").arg(soname_, QString::fromUtf8(name));
    return symbol;
}

} // namespace platform
