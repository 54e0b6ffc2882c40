#include "media/SpeechEngineCheck.h"
#include "media/SpeechSynthesizer.h"
#include "media/SpeechVoice.h"
#include "FakeVoice.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include "ChildProcess.h"
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EndOfStream {
    int stream;
    int position;
};

class VoiceTest : public ::testing::Test {
protected:
    VoiceTest()
    {
        voice_.OnEndStream = [this](int stream, int position) { ends_.push_back({stream, position}); };
    }
    TSpVoice voice_;
    std::vector<EndOfStream> ends_;
};

class FakeVoiceTest : public VoiceTest {
protected:
    FakeVoice fake_;
};

const QString kShort = QStringLiteral("你好");
const QString kLong = QStringLiteral("我们今天学习第一课。请认真听，然后跟着读每一个句子，读完以后再听一遍。");

} // namespace

TEST_F(FakeVoiceTest, SpeakingAgainReleasesTheUtteranceInUseFirst)
{
    voice_.Speak(QStringLiteral("一"));
    voice_.Speak(QStringLiteral("二"));
    EXPECT_EQ(fake_.Commands(),
              QStringList({"connect", "speak 一", "release", "connect", "speak 二"}));
    ASSERT_TRUE(fake_.FinishSpeaking(640));
    EXPECT_FALSE(fake_.FinishSpeaking()) << "the released utterance has no end to deliver";
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 2);
    EXPECT_EQ(ends_[0].position, 640);
}

TEST_F(FakeVoiceTest, SilencePausesThenReleasesAndNoEndOfStreamFollows)
{
    voice_.Speak(QStringLiteral("一"));
    voice_.Silence();
    voice_.Silence();
    EXPECT_EQ(fake_.Commands(), QStringList({"connect", "speak 一", "pause", "release"}));
    EXPECT_FALSE(fake_.FinishSpeaking());
    EXPECT_TRUE(ends_.empty());
}

// espeak-ng speaking through the audio engine (the silent output in CI).
TEST_F(VoiceTest, EachUtteranceEndsItsStreamOnceOnTheGuiThread)
{
    voice_.Speak(kShort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends_.empty(); }, 30'000));
    QTest::qWait(300);
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 1);
    EXPECT_GT(ends_[0].position, 22050) << "bytes of at least half a second of 16-bit sound";
}

TEST_F(VoiceTest, ReleasedUtterancesNeverEndTheirStreams)
{
    voice_.Speak(kLong);
    QTest::qWait(200);
    voice_.Speak(kShort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends_.empty(); }, 30'000));
    voice_.Silence();
    voice_.Speak(kShort);
    voice_.Silence();
    QTest::qWait(3000); // longer than the short text takes to say
    ASSERT_EQ(ends_.size(), 1u);
    EXPECT_EQ(ends_[0].stream, 2);
}

TEST(SpeechEngineCheck, InstalledEspeakSpeaksChinese)
{
    const auto status = media::CheckSpeechEngine();
    EXPECT_EQ(status.version, media::SpeechEngineVersion());
    EXPECT_EQ(status.version, media::SpeechSynthesizer::Instance().Describe().version);
    EXPECT_NE(status.version, QStringLiteral("0.0"));
    EXPECT_TRUE(status.speaksChinese);
}

// Only an engine that can really speak Mandarin counts: without its data, or
// with only the voice that reads characters as English, it shows as "0.0".
TEST(SpeechEngineCheck, EngineWithoutAMandarinVoiceItCanUseShowsNoVersionAndIsNotReady)
{
    std::uint8_t ready = 7;
    QString readyText;
    const media::SpeechEngineInfo unusable[] = {
        {true, "1.51", {}, {"en", "de", "yue"}},
        {true, "1.51", {}, {"en", "cmn"}},
        {false, "1.51", "no data", {}},
        {false, "1.51", "no data", {"cmn-latn-pinyin"}},
    };
    for (const auto& engine : unusable) {
        const auto status = media::CheckSpeechEngine(engine);
        EXPECT_EQ(status.version, QStringLiteral("0.0")) << engine.languages.join(' ').toStdString();
        media::FillSpeechReady(status, ready, readyText);
        EXPECT_EQ(ready, 0);
        EXPECT_EQ(readyText, QStringLiteral("False"));
    }

    const auto status = media::CheckSpeechEngine({true, "1.51", {}, {"en", "cmn", "cmn-latn-pinyin"}});
    EXPECT_EQ(status.version, QStringLiteral("1.51"));
    media::FillSpeechReady(status, ready, readyText);
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(readyText, QStringLiteral("True"));
}

namespace {

// The Chinese translations of the bundled course.
QStringList CourseTranslations()
{
    QStringList translations;
    QDirIterator sources(QStringLiteral(TINGDU_SOURCE_DIR "/data/course"), {QStringLiteral("*.txt")});
    while (sources.hasNext()) {
        QFile source(sources.next());
        if (!source.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("zh:")))
                translations << line.mid(3).trimmed();
    }
    return translations;
}

// The words of a phoneme transcription read as English: those behind a
// switch to another language, marked "(en)", and syllables without a
// Mandarin tone number.
QStringList EnglishReadings(const QString& phonemes)
{
    static const QRegularExpression tone(QStringLiteral("[1-5]"));
    QStringList english;
    for (const QString& word : phonemes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (word.contains(QLatin1Char('(')) || !word.contains(tone))
            english << word;
    return english;
}

} // namespace

TEST(ChineseVoice, ReadsEveryCourseTranslationAsMandarin)
{
    auto& synthesizer = media::SpeechSynthesizer::Instance();
    const QStringList translations = CourseTranslations();
    ASSERT_GE(translations.size(), 20);
    for (const QString& text : translations) {
        const QString phonemes = synthesizer.Phonemes(text);
        ASSERT_FALSE(phonemes.isEmpty()) << text.toStdString();
        EXPECT_TRUE(EnglishReadings(phonemes).isEmpty()) << text.toStdString() << ": " << phonemes.toStdString();
    }
}

// The criterion above tells the voices apart: espeak-ng's "cmn" voice reads
// these same sentences with English phonemes.
TEST(ChineseVoice, TheVoiceThatReadsChineseAsEnglishIsCaughtByTheSameCheck)
{
    auto& synthesizer = media::SpeechSynthesizer::Instance();
    int readAsEnglish = 0;
    const QStringList translations = CourseTranslations();
    for (const QString& text : translations)
        readAsEnglish += !EnglishReadings(synthesizer.Phonemes(text, QStringLiteral("cmn"))).isEmpty();
    EXPECT_GT(readAsEnglish, translations.size() / 2);
    EXPECT_TRUE(EnglishReadings(synthesizer.Phonemes(kShort)).isEmpty()) << "the Chinese voice is chosen again";
}

// Everything below a folder, as paths relative to it.
QStringList Contents(const QString& folder)
{
    QStringList found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        found << QDir(folder).relativeFilePath(entries.next());
    return found;
}

// The program writes nothing: starting the speech engine and speaking leave
// no sound-server folders or links in the home, runtime or temporary folder.
TEST(ChineseVoice, SpeakingCreatesNothingInTheHomeRuntimeOrTemporaryFolder)
{
    QTemporaryDir home;
    QTemporaryDir runtime;
    QTemporaryDir temporary;
    const auto end = testsupport::RunChild(SPEAK_ONCE_PROGRAM, {kShort.toStdString()},
                                           {{"HOME", home.path().toStdString()},
                                            {"XDG_RUNTIME_DIR", runtime.path().toStdString()},
                                            {"TMPDIR", temporary.path().toStdString()},
                                            {"SDL_AUDIODRIVER", "dummy"}});
    ASSERT_TRUE(end.finished);
    EXPECT_EQ(end.exitCode, 0) << "spoken to its end";
    for (const QTemporaryDir* folder : {&home, &runtime, &temporary})
        EXPECT_TRUE(Contents(folder->path()).isEmpty()) << Contents(folder->path()).join(' ').toStdString();
}
