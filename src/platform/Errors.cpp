#include "Errors.h"
#include "MessageBoxes.h"

#include <cstdio>
#include <stdexcept>

namespace platform {

void ReportException(const std::exception& error)
{
    const auto* known = dynamic_cast<const Exception*>(&error);
    const QString text = known ? known->Message() : QString::fromUtf8(error.what());
    std::fprintf(stderr, "tingdu: %s\n", text.toLocal8Bit().constData());
    messageBoxes().Show(text, ApplicationTitle(), MessageButtons::Ok);
}

void ReportUnknownException() { ReportException(std::runtime_error("未知错误")); }

} // namespace platform
