#pragma once
// Test doubles of the platform seams: a display with settable sizes, a
// message log that answers every box, a scripted modal responder, a shell
// and a font table that record what they were asked.

#include "platform/DisplaySettings.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalShowing.h"
#include "platform/Shell.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class TForm;

class FakeDisplay final : public platform::DisplaySettings {
public:
    QSize size{1024, 768};
    std::vector<QSize> modes{{1280, 1024}, {1024, 768}, {800, 600}};
    bool enumerationFails = false;
    // Every change asked for, in order.
    std::vector<platform::DisplayMode> changes;
    // Runs at each change, before it takes effect.
    std::function<void(const platform::DisplayMode&)> onChange;

    QSize ScreenSize() override { return size; }
    bool EnumMode(int index, platform::DisplayMode& mode) override;
    bool Change(const platform::DisplayMode& mode) override;
};

struct LoggedMessage {
    QString text;
    QString caption;
    platform::MessageButtons buttons;
};

class MessageLog final : public platform::MessageBoxes {
public:
    std::vector<LoggedMessage> messages;
    int answer = platform::IDOK;

    int Show(const QString& text, const QString& caption, platform::MessageButtons buttons) override;
    QStringList Texts() const;
};

// Each modal showing takes the next scripted response, which acts on the
// shown form (clicks a button, sets a result); with none scripted the form is
// closed as the window manager's close box would.
class ScriptedModal final : public platform::ModalShowing {
public:
    std::deque<std::function<void(TForm&)>> responses;
    std::vector<TForm*> shown;

    int ShowModal(platform::ModalDialog& dialog) override;
};

class RecordingShell final : public platform::Shell {
public:
    QStringList opened;
    bool Open(const QString& target, QWidget*) override;
};

class RecordingFonts final : public platform::Fonts {
public:
    QStringList files;
    std::vector<std::pair<QString, QString>> substitutions;
    int AddFontFile(const QString& path) override;
    void Substitute(const QString& family, const QString& replacement) override;
};
