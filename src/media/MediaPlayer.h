#pragma once
// The clip player the screens use: an invisible media player over one
// recording, with the platform player's rules. Play, Stop and seeking on a
// closed player raise EMCIDeviceError "No MCI device open"; a file that
// cannot be opened raises EMCIDeviceError naming the file and the reason.
// Every other failure (a position outside the recording, a status read while
// closed) is stored in Error()/ErrorMessage() and otherwise ignored, as the
// screens expect. Positions are milliseconds. GUI thread only.

#include <QString>
#include <memory>

namespace media {
class MediaDevice;
}

class TMediaPlayer {
public:
    enum ErrorCode { NoError = 0, DeviceNotOpen = 1, OutOfRange = 2, OpenFailed = 3 };

    TMediaPlayer();
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    QString FileName;
    // When on, a Play without marks on a player standing at the very end
    // starts again from the beginning.
    bool AutoRewind = true;

    // Closes an open recording, then opens FileName.
    void Open();
    // Does nothing when closed; never raises.
    void Close();
    bool IsOpen() const { return device_ != nullptr; }

    int Position() const;
    // Stops playing and stands at `ms`.
    void SetPosition(int ms);
    // Marks for the next Play only: with both, it plays exactly from start to
    // end; with one, from the start mark to the end of the recording or from
    // the current position to the end mark.
    void SetStartPos(int ms);
    void SetEndPos(int ms);
    int Length() const;
    bool IsPlaying() const;

    // Returns at once; the sound plays in the background and stops by itself
    // at the end point.
    void Play();
    // The position stays where the sound stopped.
    void Stop();

    // The outcome of the last operation: NoError, or what went wrong.
    int Error() const { return error_; }
    QString ErrorMessage() const { return errorMessage_; }

private:
    void RequireOpen() const;
    void Succeed() const;
    void Fail(ErrorCode code, const QString& message) const;
    bool InRecording(int ms) const;

    std::unique_ptr<media::MediaDevice> device_;
    int startPos_ = 0;
    int endPos_ = 0;
    bool startSet_ = false;
    bool endSet_ = false;
    // Status reads record their outcome too, so they are mutable.
    mutable int error_ = NoError;
    mutable QString errorMessage_;
};

// Plays one clip: seeks to its start, hands its end to the device, plays. A
// clip starting outside the recording is not played; the player tells why.
void PlayClip(TMediaPlayer& player, int startMs, int endMs);
// Whether a clip ending at `endMs` is over: the position has reached its end,
// or the player stopped short of it (an end point past the recording's end,
// a clip the player refused to play), so a watch never waits for ever.
bool ClipOver(const TMediaPlayer& player, int endMs);
