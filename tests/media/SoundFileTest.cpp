#include "SoundFixtures.h"
#include "media/SoundFile.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <gtest/gtest.h>

using fixtures::Decoded;
using fixtures::DecodeWhole;
using media::OpenSoundFile;
using media::SoundFileError;

namespace {

// Largest difference between `frames` frames read after seeking to `frame`
// and the same frames of a straight decode.
double SeekDifference(const QString& path, const Decoded& straight, long frame, int frames)
{
    const auto source = OpenSoundFile(path);
    EXPECT_TRUE(source->Seek(frame));
    std::vector<float> read(static_cast<size_t>(frames * straight.channels));
    EXPECT_EQ(source->Read(read.data(), frames).frames, frames);
    double worst = 0;
    for (size_t i = 0; i < read.size(); ++i)
        worst = std::max(worst, std::abs(double(read[i]) - straight.samples[frame * straight.channels + i]));
    return worst;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 16-bit PCM wav of `frames` frames of quiet noise whose header claims
// `rate` and `channels`, written byte by byte so any header can be made.
QByteArray CraftedWav(quint32 rate, quint16 channels, quint32 frames)
{
    const auto put16 = [](QByteArray& bytes, quint16 value) {
        bytes.append(char(value & 0xFF)).append(char(value >> 8));
    };
    const auto put32 = [&](QByteArray& bytes, quint32 value) {
        put16(bytes, quint16(value & 0xFFFF));
        put16(bytes, quint16(value >> 16));
    };
    const quint32 dataBytes = frames * channels * 2;
    QByteArray bytes("RIFF");
    put32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(bytes, 16);
    put16(bytes, 1); // PCM
    put16(bytes, channels);
    put32(bytes, rate);
    put32(bytes, quint32(quint64(rate) * channels * 2));
    put16(bytes, quint16(channels * 2));
    put16(bytes, 16);
    bytes.append("data");
    put32(bytes, dataBytes);
    for (quint32 i = 0; i < frames * channels; ++i)
        put16(bytes, quint16(i % 2 ? 300 : -300));
    return bytes;
}

QString OpenFailure(const QString& path)
{
    try {
        OpenSoundFile(path);
    } catch (const SoundFileError& error) {
        return error.Reason();
    }
    return QStringLiteral("(opened)");
}

class SoundFileTest : public fixtures::RecordingsTest {};

} // namespace

TEST_F(SoundFileTest, SeekingLandsOnTheSamplesAStraightDecodeGivesThere)
{
    for (const QString& path : {stereo->wav, stereo->mp3, mono->wav, mono->mp3}) {
        const Decoded straight = DecodeWhole(path);
        for (long frame : {0L, 1L, 1151L, straight.frames() / 2 + 13, straight.frames() - 4000})
            EXPECT_LE(SeekDifference(path, straight, frame, 4000), 1e-6) << path.toStdString() << " at " << frame;
    }
}

// Gapless decoding drops the encoder's delay and padding: the mp3 has the
// length of the wav it came from and its sound lines up with it to the sample.
TEST_F(SoundFileTest, Mp3KeepsTheLengthAndTimingOfItsSource)
{
    const QString wavPath = stereo->Path(QStringLiteral("smooth.wav"));
    const QString mp3Path = stereo->Path(QStringLiteral("smooth.mp3"));
    fixtures::WriteWav(wavPath, 44100, 2, fixtures::SmoothNoise(2 * 44100, 2, 5));
    fixtures::EncodeMp3(wavPath, mp3Path);
    const Decoded wav = DecodeWhole(wavPath);
    const Decoded mp3 = DecodeWhole(mp3Path);
    ASSERT_EQ(mp3.frames(), wav.frames());

    long bestLag = 0;
    double best = 0;
    for (long lag = -1200; lag <= 1200; ++lag) {
        double sum = 0;
        for (long i = 20'000; i < 40'000; ++i)
            sum += wav.samples[2 * i] * mp3.samples[2 * (i + lag)];
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    EXPECT_EQ(bestLag, 0);
}

TEST_F(SoundFileTest, DamagedOrMissingFilesAreRefusedWithAChineseReason)
{
    const auto path = [](const char* name) { return stereo->Path(QString::fromLatin1(name)); };
    const QByteArray text = QByteArray("this is a lesson list, not a recording\n").repeated(200);
    WriteBytes(path("empty.wav"), {});
    WriteBytes(path("text.wav"), text);
    WriteBytes(path("text.mp3"), text);
    const QByteArray wav = ReadBytes(stereo->wav);
    const QByteArray mp3 = ReadBytes(stereo->mp3);
    WriteBytes(path("cut.wav"), wav.left(wav.size() / 3));
    WriteBytes(path("cut.mp3"), mp3.left(mp3.size() / 3));
    WriteBytes(path("header-only.wav"), wav.left(30));

    EXPECT_EQ(OpenFailure(path("missing.mp3")), QStringLiteral("文件不存在"));
    EXPECT_EQ(OpenFailure(path("empty.wav")), QStringLiteral("文件是空的"));
    EXPECT_EQ(OpenFailure(path("text.wav")), QStringLiteral("它不是本程序能读取的声音文件"));
    EXPECT_EQ(OpenFailure(path("text.mp3")), QStringLiteral("文件里找不到 MPEG 音频"));
    EXPECT_TRUE(OpenFailure(path("cut.wav")).startsWith(QStringLiteral("文件不完整"))) << OpenFailure(path("cut.wav")).toStdString();
    EXPECT_TRUE(OpenFailure(path("cut.mp3")).startsWith(QStringLiteral("文件不完整"))) << OpenFailure(path("cut.mp3")).toStdString();
    EXPECT_NE(OpenFailure(path("header-only.wav")), QStringLiteral("(opened)"));
}

// A file missing only its last few kilobytes is as cut short as one missing
// two thirds: it must not open as a shorter recording.
TEST_F(SoundFileTest, RecordingsMissingTheirLastFewKilobytesAreRefusedAsIncomplete)
{
    for (const QString& whole : {stereo->wav, stereo->mp3, mono->wav, mono->mp3}) {
        const QByteArray bytes = ReadBytes(whole);
        // 200 bytes is less than one mp3 frame: the file ends inside its last frame.
        for (int missing : {200, 500, 1024, 4096}) {
            const QString cut = stereo->Path(QStringLiteral("cut-%1-%2").arg(missing).arg(QFileInfo(whole).fileName()));
            WriteBytes(cut, bytes.left(bytes.size() - missing));
            const QString reason = OpenFailure(cut);
            EXPECT_TRUE(reason.startsWith(QStringLiteral("文件不完整")))
                << whole.toStdString() << " missing " << missing << " bytes: " << reason.toStdString();
        }
    }
}

// Some writers count the Info frame itself in its frame count: such a file
// announces one frame more than it holds, yet ends on a whole frame.
TEST_F(SoundFileTest, Mp3AnnouncingOneFrameTooManyButEndingOnAWholeFrameOpens)
{
    QByteArray bytes = ReadBytes(stereo->mp3);
    const qsizetype info = bytes.indexOf("Info");
    ASSERT_GT(info, 0);
    ASSERT_TRUE(quint8(bytes[info + 7]) & 1) << "the Info header carries a frame count";
    // The count is big-endian, four bytes after the flags.
    for (qsizetype at = info + 11; at >= info + 8; --at) {
        bytes[at] = char(quint8(bytes[at]) + 1);
        if (bytes[at] != 0)
            break;
    }
    const QString path = stereo->Path(QStringLiteral("counts-itself.mp3"));
    WriteBytes(path, bytes);
    ASSERT_EQ(OpenFailure(path), QStringLiteral("(opened)"));
    EXPECT_EQ(DecodeWhole(path).frames(), OpenSoundFile(path)->LengthFrames());
}

// What opens keeps the promise of OpenSoundFile: every announced frame can
// be read, right up to the end.
TEST_F(SoundFileTest, ARecordingThatOpensReadsToItsAnnouncedEnd)
{
    for (const QString& path : {stereo->wav, stereo->mp3, mono->wav, mono->mp3}) {
        const auto source = OpenSoundFile(path);
        EXPECT_EQ(DecodeWhole(path).frames(), source->LengthFrames()) << path.toStdString();
    }
}

TEST_F(SoundFileTest, SampleRatesAndChannelCountsTheEngineCannotPlayAreRefusedOnOpen)
{
    struct Header {
        quint32 rate;
        quint16 channels;
    };
    for (const Header header : {Header{2'000'000'000, 1}, Header{134'000'000, 2}, Header{192'001, 2},
                                Header{7'999, 1}, Header{1, 1}}) {
        const QString path = stereo->Path(QStringLiteral("rate-%1.wav").arg(header.rate));
        WriteBytes(path, CraftedWav(header.rate, header.channels, 4000));
        const QString reason = OpenFailure(path);
        EXPECT_TRUE(reason.contains(QStringLiteral("采样率 %1 Hz").arg(header.rate))) << reason.toStdString();
    }
    for (const quint16 channels : {9, 64}) {
        const QString path = stereo->Path(QStringLiteral("channels-%1.wav").arg(channels));
        WriteBytes(path, CraftedWav(44'100, channels, 4000));
        const QString reason = OpenFailure(path);
        EXPECT_TRUE(reason.contains(QStringLiteral("声道数 %1").arg(channels))) << reason.toStdString();
    }
    for (const Header header : {Header{8'000, 1}, Header{192'000, 8}}) {
        const QString path = stereo->Path(QStringLiteral("edge-%1.wav").arg(header.rate));
        WriteBytes(path, CraftedWav(header.rate, header.channels, 4000));
        EXPECT_EQ(OpenFailure(path), QStringLiteral("(opened)")) << header.rate;
    }
}
