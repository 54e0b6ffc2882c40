#pragma once
// The media-device seam under TMediaPlayer. A device is one open recording
// with a play point; the player keeps the rules of opening, marks, ranges and
// errors, and the device only carries out plain commands in milliseconds.
// The program opens devices on the audio engine; tests install a fake that
// follows the virtual clock and records every command.

#include <QString>
#include <memory>
#include <stdexcept>

namespace media {

// Why a recording could not be opened, in words (the player adds the file name).
class MediaOpenError : public std::runtime_error {
public:
    explicit MediaOpenError(const QString& reason) : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString& Reason() const { return reason_; }

private:
    QString reason_;
};

// One open recording. Destroying it closes it (and silences it).
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual int LengthMs() const = 0;
    virtual int PositionMs() const = 0;
    virtual bool IsPlaying() const = 0;
    // Stops playing and stands at `ms` (0 to LengthMs()).
    virtual void Seek(int ms) = 0;
    // Plays from `fromMs` up to `toMs` (0 <= from <= to <= LengthMs()) and
    // stops by itself there; returns at once.
    virtual void Play(int fromMs, int toMs) = 0;
    // Stops playing; the position stays where the sound stopped.
    virtual void Stop() = 0;
};

class MediaDevices {
public:
    virtual ~MediaDevices() = default;
    // Raises MediaOpenError when the file cannot be opened or decoded.
    virtual std::unique_ptr<MediaDevice> Open(const QString& fileName) = 0;
};

// The installed device maker; the audio engine's unless a test installed one.
MediaDevices& mediaDevices();
// Installs `devices` (not owned); nullptr returns to the audio engine.
void InstallMediaDevices(MediaDevices* devices);

} // namespace media
