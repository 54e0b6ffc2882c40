// The start-up floor: the least a Qt 6 Widgets program does to show one
// 800 × 600 JPEG in a borderless window. Usage: startup_floor PICTURE.jpg

#include "app/StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QLabel window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    const QPixmap picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull())
        return 3; // no paint is reported, so the benchmark fails instead of timing less work
    window.setPixmap(picture);
    window.resize(800, 600);
    window.move(0, 0);
    InstallStartupProbe(window);
    window.show();
    return application.exec();
}
