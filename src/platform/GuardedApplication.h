#pragma once
// The Qt application object with the program's default error handler: an
// exception that escapes any event handler is shown in a message box with its
// text, and the program goes on.

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
