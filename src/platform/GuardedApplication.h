#pragma once
// The Qt application object with the program's last-resort error net: an
// exception that escapes any event handler is shown in a message box with its
// text, and the program goes on. Our handlers are called on the guarded path
// (platform::CallGuarded), so an exception reaching this net has already
// unwound through Qt's frames: it is counted and named on standard error as
// the fault it is.

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // How many exceptions reached the net since the program started.
    static int EscapedExceptions();
};
