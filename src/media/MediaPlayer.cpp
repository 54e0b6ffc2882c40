#include "MediaPlayer.h"
#include "MediaDevice.h"
#include "platform/Errors.h"

#include <algorithm>

namespace {

const QString kNotOpenText = QStringLiteral("No MCI device open");

} // namespace

TMediaPlayer::TMediaPlayer() = default;

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Open()
{
    Close();
    try {
        if (FileName.isEmpty())
            throw media::MediaOpenError(QStringLiteral("没有给出文件名"));
        device_ = media::mediaDevices().Open(FileName);
    } catch (const media::MediaOpenError& error) {
        const QString text = QStringLiteral("无法打开录音文件“%1”：%2。").arg(FileName, error.Reason());
        Fail(OpenFailed, text);
        throw EMCIDeviceError(text);
    }
    Succeed();
}

void TMediaPlayer::Close()
{
    device_.reset();
    Succeed();
}

int TMediaPlayer::Position() const
{
    if (!device_) {
        Fail(DeviceNotOpen, kNotOpenText);
        return 0;
    }
    Succeed();
    return device_->PositionMs();
}

void TMediaPlayer::SetPosition(int ms)
{
    RequireOpen();
    if (!InRecording(ms))
        return Fail(OutOfRange, QStringLiteral("位置 %1 毫秒不在录音之内（0 至 %2 毫秒）。")
                                    .arg(ms)
                                    .arg(device_->LengthMs()));
    device_->Seek(ms);
    Succeed();
}

void TMediaPlayer::SetStartPos(int ms)
{
    startPos_ = ms;
    startSet_ = true;
}

void TMediaPlayer::SetEndPos(int ms)
{
    endPos_ = ms;
    endSet_ = true;
}

int TMediaPlayer::Length() const
{
    if (!device_) {
        Fail(DeviceNotOpen, kNotOpenText);
        return 0;
    }
    Succeed();
    return device_->LengthMs();
}

bool TMediaPlayer::IsPlaying() const { return device_ && device_->IsPlaying(); }

void TMediaPlayer::Play()
{
    RequireOpen();
    const bool fromMark = startSet_;
    const bool toMark = endSet_;
    startSet_ = endSet_ = false; // the marks serve this play only, whatever its outcome

    const int length = device_->LengthMs();
    if (AutoRewind && !fromMark && !toMark && device_->PositionMs() >= length)
        device_->Seek(0);
    const int from = fromMark ? startPos_ : device_->PositionMs();
    // An end point a little past the end (rounding in a book) plays to the end.
    const int to = toMark ? std::min(endPos_, length) : length;
    if (!InRecording(from) || to < from)
        return Fail(OutOfRange, QStringLiteral("播放范围 %1 至 %2 毫秒不在录音之内（0 至 %3 毫秒）。")
                                    .arg(from)
                                    .arg(toMark ? endPos_ : length)
                                    .arg(length));
    device_->Play(from, to);
    Succeed();
}

void TMediaPlayer::Stop()
{
    RequireOpen();
    device_->Stop();
    Succeed();
}

void TMediaPlayer::RequireOpen() const
{
    if (!device_) {
        Fail(DeviceNotOpen, kNotOpenText);
        throw EMCIDeviceError(kNotOpenText);
    }
}

void TMediaPlayer::Succeed() const
{
    error_ = NoError;
    errorMessage_.clear();
}

void TMediaPlayer::Fail(ErrorCode code, const QString& message) const
{
    error_ = code;
    errorMessage_ = message;
}

bool TMediaPlayer::InRecording(int ms) const { return ms >= 0 && ms <= device_->LengthMs(); }

bool ClipOver(const TMediaPlayer& player, int endMs) { return !player.IsPlaying() || player.Position() >= endMs; }

void PlayClip(TMediaPlayer& player, int startMs, int endMs)
{
    player.SetPosition(startMs);
    // A start outside the recording (a truncated one, or a book's clip points
    // over another book's recording) plays nothing, rather than other words
    // from wherever the player last stood.
    if (player.Error() != TMediaPlayer::NoError)
        return;
    player.SetEndPos(endMs);
    player.Play();
}
