// Speaks its one argument with the program's Chinese voice, through the audio
// engine, and exits once it has been spoken (status 0). A fresh process, so a
// test can watch what starting the speech engine and speaking leave behind.
#include "media/SpeechVoice.h"

#include <QCoreApplication>
#include <QTimer>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    TSpVoice voice;
    voice.OnEndStream = [&](int, int) { application.exit(0); };
    QTimer::singleShot(30'000, &application, [&] { application.exit(1); });
    try {
        voice.Speak(QString::fromUtf8(argv[1]));
    } catch (const std::exception&) {
        return 3;
    }
    return application.exec();
}
