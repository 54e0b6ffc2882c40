#include "GuardedApplication.h"
#include "Errors.h"

#include <cstdio>
#include <stdexcept>

namespace {

int escapedExceptions = 0;

void NoteEscape(QObject* receiver)
{
    ++escapedExceptions;
    std::fprintf(stderr, "tingdu: an exception escaped a handler of %s past the guarded path\n",
                 receiver ? receiver->metaObject()->className() : "(none)");
}

} // namespace

int GuardedApplication::EscapedExceptions() { return escapedExceptions; }

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        NoteEscape(receiver);
        platform::ReportException(error);
    } catch (...) {
        NoteEscape(receiver);
        platform::ReportUnknownException();
    }
    return false;
}
