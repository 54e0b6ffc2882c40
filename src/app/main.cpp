// Program start: checks that there is a display, sets up the application
// object and the fonts, creates the screens, runs until the learner leaves
// (or the program is asked to stop), then destroys the screens in reverse
// order, so the main menu puts the display back last of all.

#include "ScreenSet.h"
#include "StartupProbe.h"
#include "bjzMainForm.h"
#include "controls/Application.h"
#include "controls/Events.h"
#include "controls/Skin.h"
#include "media/SpeechSynthesizer.h"
#include "platform/Fonts.h"
#include "platform/GuardedApplication.h"
#include "platform/MessageBoxes.h"

#include <QSocketNotifier>
#include <csignal>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

#include <X11/Xlib.h>

namespace {

// Qt gives up with a crash when it cannot reach a display; we say so plainly
// instead. Only the X11 platform (Qt's default here) is checked: another
// platform chosen explicitly is left to Qt.
bool CheckDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    const char* name = std::getenv("DISPLAY");
    Display* display = (name && *name) ? XOpenDisplay(name) : nullptr;
    if (display) {
        XCloseDisplay(display);
        return true;
    }
    std::fprintf(stderr,
                 "tingdu: 无法连接显示器，请在图形桌面中启动本程序。\n"
                 "tingdu: cannot open a display (%s); start the trainer from a graphical desktop.\n",
                 (name && *name) ? name : "DISPLAY is not set");
    return false;
}

// SIGINT and SIGTERM end the program the orderly way, through the same
// shut-down as the exit button, so the display is put back. The handler only
// writes a byte; the event loop does the rest.
int signalPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

void RouteStopSignals(QObject* parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
        if (Application)
            Application->Terminate();
    });
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// "--version" and "--help" print and end; the trainer itself takes no
// arguments (any other is left to Qt, which takes its own and ignores the rest).
bool AnswersCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tingdu %s\n", TINGDU_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("用法：tingdu\n"
                        "听读 —— 英语听读训练：句子训练与单词训练。\n"
                        "本程序不需要参数，从程序所在的文件夹读取课本、录音和帮助，不保存任何设置。\n"
                        "\n"
                        "Usage: tingdu [--help | --version]\n"
                        "A listen-and-read trainer for Chinese-speaking learners of English. It takes\n"
                        "no arguments: it reads its books, recordings and help from the folder it is\n"
                        "installed in, and keeps no settings.\n"
                        "  --help     print this text and end\n"
                        "  --version  print the version and end\n");
            return true;
        }
    }
    return false;
}

// In English: without a Chinese font a Chinese message could not be read.
void TellNoChineseFont()
{
    const QString text = QStringLiteral(
        "No font for Chinese is installed, so the Chinese texts cannot be shown.\n"
        "Install the Kai font and start the trainer again:\n"
        "    sudo apt install fonts-arphic-gkai00mp");
    std::fprintf(stderr, "tingdu: %s\n", qPrintable(QString(text).replace('\n', ' ')));
    platform::ShowMessage(text);
}

} // namespace

int main(int argc, char** argv)
{
    if (AnswersCommandLine(argc, argv))
        return 0;
    if (!CheckDisplay())
        return 1;
    // The speech check of the help screen loads espeak-ng; that happens on
    // the synthesis thread while the screens are being made.
    media::SpeechSynthesizer::Instance().LoadAhead();
    GuardedApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tingdu"));
    QApplication::setApplicationDisplayName(QStringLiteral("听读"));
    RouteStopSignals(&qtApplication);
    // Ended before the application object is.
    std::jthread fontDatabase(platform::PrepareFontDatabase);
    platform::InstallFontSubstitutions();
    InstallBuiltInSkins();

    TApplication application;
    CreateScreens(application);
    // Every widget asks to be polished at the event loop's first turn; a
    // screen is polished anyway when it is first shown, so the main menu
    // does not wait for all the others.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    if (bjzMainForm)
        InstallStartupProbe(*bjzMainForm, [] {
            // The idle benchmark's second screen is the sentence course.
            Raise(bjzMainForm->kivBjzImage1->OnClick, bjzMainForm->kivBjzImage1);
        });
    fontDatabase.join();
    if (!platform::ChineseFontInstalled())
        TellNoChineseFont();
    application.Run();
    application.DestroyForms();
    return 0;
}
