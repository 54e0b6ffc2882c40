#include "FakeMediaDevice.h"
#include "platform/Clock.h"

#include <algorithm>

namespace {

std::int64_t Now() { return platform::clock().NowMs(); }

class FakeRecording final : public media::MediaDevice {
public:
    FakeRecording(std::shared_ptr<FakeMediaDevice::State> state, QString fileName, int lengthMs)
        : state_(std::move(state)), fileName_(std::move(fileName)), length_(lengthMs)
    {
        Record(FakeMediaDevice::Command::Open);
        ++state_->openCount;
    }

    ~FakeRecording() override
    {
        --state_->openCount;
        Record(FakeMediaDevice::Command::Close);
    }

    int LengthMs() const override { return length_; }

    int PositionMs() const override
    {
        if (!playing_)
            return position_;
        return static_cast<int>(std::min<std::int64_t>(playFrom_ + (Now() - startedAt_), playTo_));
    }

    bool IsPlaying() const override { return playing_ && PositionMs() < playTo_; }

    void Seek(int ms) override
    {
        Record(FakeMediaDevice::Command::Seek, ms);
        playing_ = false;
        position_ = ms;
    }

    void Play(int fromMs, int toMs) override
    {
        Record(FakeMediaDevice::Command::Play, fromMs, toMs);
        playing_ = true;
        playFrom_ = fromMs;
        playTo_ = toMs;
        startedAt_ = Now();
    }

    void Stop() override
    {
        Record(FakeMediaDevice::Command::Stop);
        position_ = PositionMs();
        playing_ = false;
    }

private:
    void Record(FakeMediaDevice::Command::Kind kind, int from = 0, int to = 0)
    {
        state_->log.push_back({kind, fileName_, from, to});
    }

    std::shared_ptr<FakeMediaDevice::State> state_;
    QString fileName_;
    int length_;
    int position_ = 0;
    bool playing_ = false;
    int playFrom_ = 0;
    int playTo_ = 0;
    std::int64_t startedAt_ = 0;
};

} // namespace

QString FakeMediaDevice::Command::Text() const
{
    switch (kind) {
    case Open:
        return QStringLiteral("open %1").arg(fileName);
    case Close:
        return QStringLiteral("close %1").arg(fileName);
    case Seek:
        return QStringLiteral("seek %1").arg(from);
    case Play:
        return QStringLiteral("play %1-%2").arg(from).arg(to);
    case Stop:
        return QStringLiteral("stop");
    }
    return {};
}

FakeMediaDevice::FakeMediaDevice() { media::InstallMediaDevices(this); }

FakeMediaDevice::~FakeMediaDevice() { media::InstallMediaDevices(nullptr); }

void FakeMediaDevice::FailOpen(const QString& fileName, const QString& reason) { failures_[fileName] = reason; }

QStringList FakeMediaDevice::Commands() const
{
    QStringList texts;
    for (const Command& command : state_->log)
        texts << command.Text();
    return texts;
}

QStringList FakeMediaDevice::Commands(const QString& fileName) const
{
    QStringList texts;
    for (const Command& command : state_->log)
        if (command.fileName == fileName)
            texts << command.Text();
    return texts;
}

std::unique_ptr<media::MediaDevice> FakeMediaDevice::Open(const QString& fileName)
{
    if (const auto failure = failures_.constFind(fileName); failure != failures_.constEnd())
        throw media::MediaOpenError(*failure);
    return std::make_unique<FakeRecording>(state_, fileName, lengths_.value(fileName, defaultLength_));
}
