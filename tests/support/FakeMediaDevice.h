#pragma once
// Stands in for the audio engine under TMediaPlayer in screen tests.
// Constructing it installs it; destroying it returns to the engine.
//
// Each opened recording plays on the installed clock: while playing, its
// position advances one millisecond per millisecond of platform::clock() and
// stops by itself at the end of the play. Every command is recorded, in
// order, for all recordings together:
//   "open <file>", "seek <ms>", "play <from>-<to>", "stop", "close <file>"

#include "media/MediaDevice.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class FakeMediaDevice final : public media::MediaDevices {
public:
    struct Command {
        enum Kind { Open, Close, Seek, Play, Stop };
        Kind kind;
        QString fileName; // the recording the command went to
        int from = 0;     // Seek: the position; Play: the start
        int to = 0;       // Play: the end
        QString Text() const;
    };

    static constexpr int kDefaultLengthMs = 600'000;

    FakeMediaDevice();
    ~FakeMediaDevice() override;

    // Length of recordings opened from now on (all, or one file).
    void SetLength(int ms) { defaultLength_ = ms; }
    void SetLength(const QString& fileName, int ms) { lengths_[fileName] = ms; }
    // Opening `fileName` fails with `reason` from now on.
    void FailOpen(const QString& fileName, const QString& reason = QStringLiteral("文件无法解码"));

    const std::vector<Command>& Log() const { return state_->log; }
    QStringList Commands() const;
    QStringList Commands(const QString& fileName) const; // those sent to one recording
    void ClearCommands() { state_->log.clear(); }
    // How many recordings are open now.
    int OpenCount() const { return state_->openCount; }

    std::unique_ptr<media::MediaDevice> Open(const QString& fileName) override;

    struct State {
        std::vector<Command> log;
        int openCount = 0;
    };

private:
    std::shared_ptr<State> state_ = std::make_shared<State>();
    int defaultLength_ = kDefaultLengthMs;
    QHash<QString, int> lengths_;
    QHash<QString, QString> failures_;
};
