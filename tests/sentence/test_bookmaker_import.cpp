// "bookmaker import": a book made from a recording of real speech and its
// subtitles, as an author runs it.

#include "BookmakerRun.h"
#include "WavBytes.h"
#include "SpeechSynthesizer.h"
#include "sentence/SentenceBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using booktest::Wav;

using booktest::Bookmaker;
using booktest::Finished;

struct Sound {
    std::vector<short> samples;
    int rate = 0;
};

// The samples of a 16-bit mono PCM WAV file, as espeak-ng writes them.
bool ReadWav(const QString& path, Sound& sound)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt " && size >= 16)
            sound.rate = int(qFromLittleEndian<quint32>(body + 4));
        if (id == "data") {
            const qsizetype count = std::min(size, bytes.size() - at - 8) / 2;
            for (qsizetype i = 0; i < count; ++i)
                sound.samples.push_back(qFromLittleEndian<qint16>(body + 2 * i));
            return sound.rate > 0;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}


bool IsLoud(short sample) { return std::abs(int(sample)) > bookmaker::kQuietLevel; }

// Where a sentence's sound lies in the recording, in samples, both loud.
struct Speech {
    qint64 first = 0;
    qint64 last = 0;
};

constexpr int kLeadInMs = 700;
constexpr int kPauseMs = 1000;
constexpr int kTailMs = 2000;

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        const QStringList sentences{QStringLiteral("Good morning, everyone."),
                                    QStringLiteral("Where is the railway station?"),
                                    QStringLiteral("Thank you very much.")};
        for (const QString& sentence : sentences) {
            Sound spoken;
            ASSERT_NO_FATAL_FAILURE(Speak(sentence, spoken));
            Append(spoken);
        }
        AddSilence(kTailMs);
        WriteFile(QStringLiteral("talk.wav"), Wav(recording_.samples, recording_.rate));
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString Path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

    Finished Import(const QString& subtitles, const QString& recording) const
    {
        return Bookmaker({QStringLiteral("import"), subtitles, recording, Path("out")});
    }
    Finished Import(const QString& subtitles) const { return Import(subtitles, Path("talk.wav")); }
    Finished Check(const char* book) const { return Bookmaker({QStringLiteral("check"), Path(book)}); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    // The times of sentence `k` (0-based) as an author might have set them:
    // `early` ms before its sound starts and `late` ms after it ends,
    // either of them negative.
    qint64 StartMs(int k, qint64 early) const { return speech_[k].first * 1000 / recording_.rate - early; }
    qint64 EndMs(int k, qint64 late) const { return (speech_[k].last + 1) * 1000 / recording_.rate + late; }
    qint64 LengthMs() const { return qint64(recording_.samples.size()) * 1000 / recording_.rate; }

    // Each clip keeps 50 ms (a millisecond's rounding aside) of quiet before
    // its sentence's first loud sample and after its last.
    void ExpectClipsOnTheSpeech(const QString& bookPath) const
    {
        const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(bookPath);
        ASSERT_TRUE(loaded.Ok()) << loaded.message.toStdString();
        ASSERT_EQ(loaded.book.SentenceCount(), qsizetype(speech_.size()));
        for (std::size_t k = 0; k < speech_.size(); ++k) {
            const double firstMs = double(speech_[k].first) * 1000 / recording_.rate;
            const double lastMs = double(speech_[k].last + 1) * 1000 / recording_.rate;
            const int row = int(k) + 1;
            const int start = loaded.book.sentences.CellNumber(row, sentence::kStartColumn);
            const int end = loaded.book.sentences.CellNumber(row, sentence::kEndColumn);
            EXPECT_NEAR(firstMs - start, bookmaker::kClipMarginMs, 1.5) << "sentence " << row;
            EXPECT_NEAR(end - lastMs, bookmaker::kClipMarginMs, 1.5) << "sentence " << row;
        }
    }

    QTemporaryDir folder_;
    Sound recording_;
    std::vector<Speech> speech_;

private:
    void Speak(const QString& text, Sound& spoken)
    {
        const QString wav = Path(QStringLiteral("spoken.wav"));
        QProcess speak;
        speak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-w"), wav, text});
        ASSERT_TRUE(speak.waitForFinished(60000) && speak.exitCode() == 0)
            << "espeak-ng (scripts/setup installs it): " << speak.readAllStandardError().toStdString();
        ASSERT_TRUE(ReadWav(wav, spoken));
        ASSERT_TRUE(std::any_of(spoken.samples.begin(), spoken.samples.end(), IsLoud));
    }

    void AddSilence(int ms) { recording_.samples.resize(recording_.samples.size() + std::size_t(qint64(ms) * recording_.rate / 1000), 0); }

    void Append(const Sound& spoken)
    {
        recording_.rate = spoken.rate;
        AddSilence(speech_.empty() ? kLeadInMs : kPauseMs);
        const auto first = std::find_if(spoken.samples.begin(), spoken.samples.end(), IsLoud);
        const auto last = std::find_if(spoken.samples.rbegin(), spoken.samples.rend(), IsLoud).base() - 1;
        const qint64 at = qint64(recording_.samples.size());
        recording_.samples.insert(recording_.samples.end(), first, last + 1);
        speech_.push_back({at, at + (last - first)});
    }
};

// Times as an SRT file writes them.
QString SrtTime(qint64 ms)
{
    return QStringLiteral("%1:%2:%3,%4").arg(ms / 3600000, 2, 10, QLatin1Char('0')).arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0')).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString SrtCue(int number, qint64 startMs, qint64 endMs, const char* text)
{
    return QStringLiteral("%1\r\n%2 --> %3\r\n%4\r\n\r\n")
        .arg(number).arg(SrtTime(startMs), SrtTime(endMs), QString::fromUtf8(text).replace("\n", "\r\n"));
}

TEST_F(ImportTest, ClipsLandOnTheSpeechTheCuesMissedAndTheBookPassesCheck)
{
    const QString srt = WriteFile(QStringLiteral("talk.srt"),
        (SrtCue(1, StartMs(0, -250), EndMs(0, -200), "Good morning, everyone.\n大家早上好。") +
         SrtCue(2, StartMs(1, 300), EndMs(1, 150), "<i>Where is the \u201Crailway\u201D station?</i>\n火车站在哪里？") +
         SrtCue(3, StartMs(2, -100), EndMs(2, -300), "Thank you very much. / 非常感谢。")).toUtf8());
    const Finished import = Import(srt);
    ASSERT_FALSE(import.crashed);
    ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();
    EXPECT_TRUE(import.err.isEmpty()) << import.err.toStdString();
    EXPECT_TRUE(import.out.contains(QStringLiteral("1 lesson, 3 sentences"))) << import.out.toStdString();

    const QString book = Path("out/EnglishBook/talk.jz");
    ASSERT_NO_FATAL_FAILURE(ExpectClipsOnTheSpeech(book));
    const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(book);
    EXPECT_EQ(loaded.book.soundFolder, QStringLiteral("talk"));
    EXPECT_EQ(loaded.book.lessons.RowList(1), (QStringList{"1", "talk", "1", "3", "talk.wav"}));
    EXPECT_EQ(loaded.book.sentences.Cell(2, sentence::kEnglishColumn), QStringLiteral("Where is the \"railway\" station?"));
    EXPECT_EQ(loaded.book.sentences.Cell(3, sentence::kChineseColumn), QString::fromUtf8("非常感谢。"));

    QFile original(Path("talk.wav"));
    QFile copy(Path("out/Sound/talk/talk.wav"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());

    const Finished check = Check("out/EnglishBook/talk.jz");
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_EQ(check.out, QStringLiteral("talk.jz: 1 lessons, 3 sentences, 1 of 1 lesson recordings found\n"));
}

TEST_F(ImportTest, LrcCuesRunToTheNextTimeAndTheLastToTheRecordingsEnd)
{
    // Each line 200 ms late, then put right by the offset but for 80 ms.
    const auto tag = [this](int k) {
        const qint64 ms = StartMs(k, -200);
        return QStringLiteral("[%1:%2.%3]").arg(ms / 60000, 2, 10, QLatin1Char('0')).arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
            .arg(ms % 1000 / 10, 2, 10, QLatin1Char('0'));
    };
    const QString lrc = WriteFile(QStringLiteral("station.lrc"),
        (QStringLiteral("[ti:At the station]\n[offset:+120]\n") +
         tag(0) + QStringLiteral("Good morning, everyone.\n") + tag(0) + QString::fromUtf8("大家早上好。\n") +
         tag(1) + QString::fromUtf8("Where is the railway station? 火车站在哪里？\n") +
         tag(2) + QString::fromUtf8("Thank you very much.\n") + tag(2) + QString::fromUtf8("非常感谢。\n")).toUtf8());
    const Finished import = Import(lrc);
    ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();

    ASSERT_NO_FATAL_FAILURE(ExpectClipsOnTheSpeech(Path("out/EnglishBook/station.jz")));
    EXPECT_TRUE(QFileInfo(Path("out/Sound/station/talk.wav")).isFile());
    const Finished check = Check("out/EnglishBook/station.jz");
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
}

TEST_F(ImportTest, FaultsOfTheInputExitOneNamingTheirLineAndWriteNothing)
{
    const QByteArray fine = (SrtCue(1, StartMs(0, 0), EndMs(0, 0), "Good morning.\n早上好。")).toUtf8();
    QFile recordingFile(Path("talk.wav"));
    ASSERT_TRUE(recordingFile.open(QIODevice::ReadOnly));
    const struct {
        const char* name;
        QByteArray subtitles;
        const char* where;
        const char* says;
    } faults[] = {
        {"overlap.srt", fine + SrtCue(2, EndMs(0, -100), EndMs(1, 0), "Hi.\n嗨。").toUtf8(), "overlap.srt:7:",
         "before the cue at line 2 ends"},
        {"reversed.srt", fine + SrtCue(2, EndMs(1, 0), StartMs(1, 0), "Hi.\n嗨。").toUtf8(), "reversed.srt:7:",
         "before it starts"},
        {"late.srt", fine + SrtCue(2, StartMs(1, 0), LengthMs() + 10, "Hi.\n嗨。").toUtf8(), "late.srt:7:",
         "after the recording's end"},
        {"silent.srt", fine + SrtCue(2, LengthMs() - 700, LengthMs() - 200, "Hi.\n嗨。").toUtf8(), "silent.srt:7:",
         "holds no sound"},
        {"binary.srt", recordingFile.readAll(), "binary.srt:", "is not a text file"},
        {"cue.srt", fine + QByteArray("two\r\n00:00:09,000 --> 00:00:09,500\r\nHi.\r\n"), "cue.srt:6:",
         "cue number \"two\" is not a number"},
    };
    for (const auto& fault : faults) {
        const QString subtitles = WriteFile(QString::fromUtf8(fault.name), fault.subtitles);
        const Finished import = Import(subtitles);
        ASSERT_FALSE(import.crashed) << fault.name;
        EXPECT_EQ(import.exitCode, 1) << fault.name;
        const QString told = QStringLiteral("bookmaker: ") + QString::fromUtf8(fault.where);
        EXPECT_TRUE(import.err.contains(told) && import.err.contains(QString::fromUtf8(fault.says)))
            << fault.name << ": " << import.err.toStdString();
        EXPECT_TRUE(import.out.isEmpty()) << fault.name;
        EXPECT_FALSE(QFileInfo::exists(Path("out"))) << fault.name;
    }

    // A recording that is not sound, one that is not there, a name that
    // cannot name a book.
    const QString fineSrt = WriteFile(QStringLiteral("fine.srt"), fine);
    const struct {
        Finished run;
        const char* says;
    } refusals[] = {
        {Import(fineSrt, fineSrt), "is not a recording"},
        {Import(fineSrt, Path("none.wav")), "no such file"},
        {Import(WriteFile(QStringLiteral(".srt"), fine)), "cannot name them"},
    };
    for (const auto& refused : refusals) {
        EXPECT_EQ(refused.run.exitCode, 1) << refused.says;
        EXPECT_TRUE(refused.run.err.contains(QString::fromUtf8(refused.says))) << refused.run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Path("out")));
}

TEST_F(ImportTest, SentencesTooCloseForTheClipRuleAreWrittenWithAWarningNamingTheCue)
{
    // A beep 200 ms after the first sentence: no clip can keep the pause the
    // players need, so the author is told which cue breaks the rule.
    Sound close = recording_;
    const qint64 beep = speech_[0].last + qint64(recording_.rate) / 5;
    for (qint64 i = beep; i < beep + recording_.rate / 4; ++i)
        close.samples[std::size_t(i)] = (i / 20) % 2 ? 8000 : -8000;
    const QString wav = WriteFile(QStringLiteral("close.wav"), Wav(close.samples, close.rate));
    const qint64 beepMs = beep * 1000 / recording_.rate;
    const QString srt = WriteFile(QStringLiteral("close.srt"),
        (SrtCue(1, StartMs(0, 0), EndMs(0, 0), "Good morning, everyone.\n大家早上好。") +
         SrtCue(2, beepMs, beepMs + 250, "Beep.\n嘟。") +
         SrtCue(3, StartMs(1, 0), EndMs(1, 0), "Where is the railway station?\n火车站在哪里？")).toUtf8());
    const Finished import = Import(srt, wav);
    ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains(QStringLiteral("close.srt:7: only"))) << import.err.toStdString();
    EXPECT_FALSE(import.err.contains(QStringLiteral("close.srt:2:"))) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains(QStringLiteral("\"bookmaker check\" will refuse"))) << import.err.toStdString();
    const Finished check = Check("out/EnglishBook/close.jz");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains(QStringLiteral("lesson 1, sentence 2: only"))) << check.out.toStdString();
}

} // namespace
