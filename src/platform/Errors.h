#pragma once
// Exceptions of the program. Anything derived from Exception that escapes an
// event handler is shown to the learner by the application's error handler,
// and the program goes on.

#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A recording device that cannot be opened, or a player used while closed.
class EMCIDeviceError : public Exception {
public:
    using Exception::Exception;
};

// A text that should have been a number and is not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

namespace platform {

// The application's default error handler: shows the error's text in a
// message box. Called by the application object for exceptions escaping
// event handlers, and by test clocks for exceptions escaping timer ticks.
void ReportException(const std::exception& error);
// The same for an exception that is no std::exception.
void ReportUnknownException();

// Runs `work`, handing any exception it throws to ReportException instead of
// letting it unwind into the caller (Qt's event, timer and signal code).
template <class Work>
void CallGuarded(Work&& work) noexcept
{
    try {
        work();
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportUnknownException();
    }
}

} // namespace platform
