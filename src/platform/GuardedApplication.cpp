#include "GuardedApplication.h"
#include "Errors.h"

#include <stdexcept>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        platform::ReportException(error);
    } catch (...) {
        platform::ReportUnknownException();
    }
    return false;
}
