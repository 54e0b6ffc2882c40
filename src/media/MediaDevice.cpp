#include "MediaDevice.h"
#include "AudioEngine.h"
#include "SoundFile.h"
#include "platform/SeamSlot.h"

#include <algorithm>

namespace media {
namespace {

// A recording streamed through the audio engine. Milliseconds map to the
// nearest frame and back, so a position read back is the position set.
class EngineDevice final : public MediaDevice {
public:
    explicit EngineDevice(std::unique_ptr<SoundSource> source)
        : stream_(AudioEngine::Instance().Attach(std::move(source))),
          rate_(stream_->Format().sampleRate),
          lengthFrames_(stream_->LengthFrames())
    {
    }

    ~EngineDevice() override { AudioEngine::Instance().Detach(stream_); }

    int LengthMs() const override { return FramesToMs(lengthFrames_); }
    int PositionMs() const override { return FramesToMs(stream_->Position()); }
    bool IsPlaying() const override { return stream_->IsPlaying(); }
    void Seek(int ms) override { stream_->Seek(MsToFrames(ms)); }
    void Play(int fromMs, int toMs) override { stream_->Play(MsToFrames(fromMs), MsToFrames(toMs)); }
    void Stop() override { stream_->Stop(); }

private:
    int FramesToMs(std::int64_t frames) const
    {
        return static_cast<int>((frames * 1000 + rate_ / 2) / rate_);
    }

    std::int64_t MsToFrames(int ms) const
    {
        // The length in ms is rounded; it still means the very last frame.
        if (ms >= LengthMs())
            return lengthFrames_;
        return std::clamp<std::int64_t>((std::int64_t(ms) * rate_ + 500) / 1000, 0, lengthFrames_);
    }

    std::shared_ptr<PlaybackStream> stream_;
    std::int64_t rate_;
    std::int64_t lengthFrames_;
};

class EngineDevices final : public MediaDevices {
public:
    std::unique_ptr<MediaDevice> Open(const QString& fileName) override
    {
        try {
            return std::make_unique<EngineDevice>(OpenSoundFile(fileName));
        } catch (const SoundFileError& error) {
            throw MediaOpenError(error.Reason());
        }
    }
};

platform::SeamSlot<MediaDevices, EngineDevices> slot;

} // namespace

MediaDevices& mediaDevices() { return slot.Get(); }
void InstallMediaDevices(MediaDevices* devices) { slot.Install(devices); }

} // namespace media
