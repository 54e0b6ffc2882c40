#include "SoundFixtures.h"
#include "media/SoundFile.h"

#include <QFile>
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

TEST_F(SoundFileTest, DamagedOrMissingFilesAreRefusedWithTheReason)
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

    EXPECT_TRUE(OpenFailure(path("missing.mp3")).contains("does not exist"));
    EXPECT_TRUE(OpenFailure(path("empty.wav")).contains("empty"));
    EXPECT_TRUE(OpenFailure(path("text.wav")).contains("not a sound file"));
    EXPECT_TRUE(OpenFailure(path("text.mp3")).contains("no MPEG audio"));
    EXPECT_TRUE(OpenFailure(path("cut.wav")).contains("truncated"));
    EXPECT_TRUE(OpenFailure(path("cut.mp3")).contains("truncated"));
    EXPECT_NE(OpenFailure(path("header-only.wav")), QStringLiteral("(opened)"));
}
