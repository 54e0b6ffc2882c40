// Finding a lesson's sentences in a recording of real speech: recordings are
// made here from the other voice at another pace than the one the aligner
// compares with, so their truth is known to the sample.

#include "ClipRule.h"
#include "SpeechAligner.h"
#include "SpeechSynthesizer.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace bookmaker;

// A recording made of sentences and what each truly holds.
struct MadeRecording {
    Recording recording;
    std::vector<Clip> truth;   // each sentence's sound with kClipMarginMs of quiet at each end
};

class RecordingMaker {
public:
    RecordingMaker(const QString& voice, double pace)
    {
        QString error;
        voice_ = SpeechSynthesizer::Create(voice, pace, error);
        EXPECT_TRUE(voice_) << error.toStdString();
        made_.recording.rate = voice_ ? voice_->SampleRate() : 16000;
        Pause(600);
    }

    void Say(const QString& text)
    {
        std::vector<short> samples;
        QString error;
        ASSERT_TRUE(voice_->Speak(text, samples, error)) << error.toStdString();
        std::vector<short>& out = made_.recording.samples;
        const qsizetype start = qsizetype(out.size());
        out.insert(out.end(), samples.begin(), samples.end());
        const int rate = made_.recording.rate;
        // Speak() keeps exactly kClipMarginMs of quiet around the sound.
        made_.truth.push_back({int(qint64(start) * 1000 / rate), int((qint64(out.size()) * 1000 + rate - 1) / rate)});
    }

    void Pause(int ms) { made_.recording.samples.resize(made_.recording.samples.size() + std::size_t(made_.recording.rate) * ms / 1000, 0); }

    // White noise `decibels` below the speech's level.
    void AddNoise(double decibels)
    {
        double energy = 0;
        for (const short s : made_.recording.samples)
            energy += double(s) * s;
        const double speech = std::sqrt(energy / double(made_.recording.samples.size()));
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0, speech / std::pow(10, decibels / 20));
        for (short& s : made_.recording.samples)
            s = short(std::clamp(double(s) + noise(random), -32768.0, 32767.0));
    }

    MadeRecording Made()
    {
        MeasureSound(made_.recording);
        return made_;
    }

private:
    std::unique_ptr<SpeechSynthesizer> voice_;
    MadeRecording made_;
};

std::vector<SentenceRendering> Rendered(const QStringList& sentences)
{
    QString error;
    const std::unique_ptr<SpeechSynthesizer> voice = SpeechSynthesizer::Create(QStringLiteral("rms"), 1.0, error);
    std::vector<SentenceRendering> renderings;
    for (const QString& text : sentences) {
        SentenceRendering rendering;
        EXPECT_TRUE(voice->Speak(text, rendering.samples, error));
        rendering.rate = voice->SampleRate();
        rendering.breaks = PlacesToPause(text);
        renderings.push_back(rendering);
    }
    return renderings;
}

const QStringList kLesson = {
    QStringLiteral("Good morning. How can I help you?"),
    QStringLiteral("I'd like to open a bank account."),
    QStringLiteral("Yes."),
    QStringLiteral("Could you fill in this form for me, please? Then sign at the bottom."),
    QStringLiteral("Thank you very much."),
    QStringLiteral("You're welcome. Have a nice day."),
};

// Speaks the lesson with pauses of 0.6 to 1.3 s, as a textbook recording does.
RecordingMaker SpokenLesson(const QString& voice, double pace, const QStringList& sentences = kLesson)
{
    RecordingMaker maker(voice, pace);
    const int pauses[] = {700, 1300, 600, 900, 1100, 800};
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        maker.Say(sentences[i]);
        maker.Pause(pauses[i % 6]);
    }
    return maker;
}

void ExpectNear(const std::vector<AlignedSentence>& aligned, const std::vector<Clip>& truth, int startMs, int endMs)
{
    ASSERT_EQ(aligned.size(), truth.size());
    for (std::size_t i = 0; i < truth.size(); ++i) {
        EXPECT_TRUE(aligned[i].found) << "sentence " << i + 1;
        EXPECT_NEAR(aligned[i].clip.startMs, truth[i].startMs, startMs) << "sentence " << i + 1;
        EXPECT_NEAR(aligned[i].clip.endMs, truth[i].endMs, endMs) << "sentence " << i + 1;
    }
}

QStringList ClipRuleFaults(const std::vector<AlignedSentence>& aligned, const Recording& recording)
{
    std::vector<LabelledClip> clips;
    for (std::size_t i = 0; i < aligned.size(); ++i)
        clips.push_back({QStringLiteral("sentence %1: ").arg(i + 1), aligned[i].clip.startMs, aligned[i].clip.endMs});
    QStringList problems;
    CheckClipRule(clips, recording, QString(), problems);
    return problems;
}

TEST(SpeechAligner, FindsEverySentenceOfAnotherVoiceAtAnotherPaceToTheMillisecond)
{
    for (const double pace : {0.85, 1.3}) {
        const MadeRecording made = SpokenLesson(QStringLiteral("slt"), pace).Made();
        EXPECT_FALSE(made.recording.Noisy());
        const std::vector<AlignedSentence> aligned = AlignSentences(made.recording, Rendered(kLesson));
        ExpectNear(aligned, made.truth, 1, 1);
        for (const AlignedSentence& sentence : aligned)
            EXPECT_TRUE(sentence.doubt.isEmpty()) << sentence.doubt.toStdString();
        EXPECT_EQ(ClipRuleFaults(aligned, made.recording), QStringList()) << "pace " << pace;
    }
}

TEST(SpeechAligner, InNoiseTwentyDecibelsDownKeepsTheSentencesApartAndTheClipRule)
{
    RecordingMaker maker = SpokenLesson(QStringLiteral("slt"), 1.1);
    maker.AddNoise(20);
    const MadeRecording made = maker.Made();
    EXPECT_TRUE(made.recording.Noisy());
    const std::vector<AlignedSentence> aligned = AlignSentences(made.recording, Rendered(kLesson));
    // The softest edges of the speech drown in the noise: clips may start a
    // little late and end a little early, never by a word.
    ExpectNear(aligned, made.truth, 100, 150);
    EXPECT_EQ(ClipRuleFaults(aligned, made.recording), QStringList());
}

TEST(SpeechAligner, NoiseAloneIsNeverSoundButSpeechBarelyAboveTheNoiseIs)
{
    MadeRecording made;
    made.recording.rate = 16000;
    made.recording.samples.resize(4 * 16000);
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0, 300);
    for (short& s : made.recording.samples)
        s = short(noise(random));
    // In the second second, a tone 3.5 dB louder than the noise.
    const int rate = made.recording.rate;
    for (int i = 0; i < rate; ++i)
        made.recording.samples[std::size_t(rate + i)] += short(1.5 * 300 * std::sqrt(2.0) * std::sin(i * 0.3));
    MeasureSound(made.recording);
    ASSERT_TRUE(made.recording.Noisy());
    // 20 ms at each edge of the tone may go either way.
    const qsizetype edge = rate / 50;
    qsizetype soundInNoise = 0, soundInTone = 0;
    for (qsizetype i = 0; i < qsizetype(made.recording.samples.size()); ++i) {
        if (i >= rate + edge && i < 2 * rate - edge)
            soundInTone += made.recording.Loud(i) ? 1 : 0;
        else if (i < rate - edge || i >= 2 * rate + edge)
            soundInNoise += made.recording.Loud(i) ? 1 : 0;
    }
    EXPECT_EQ(soundInNoise, 0);
    EXPECT_EQ(soundInTone, rate - 2 * (rate / 50));
}

TEST(SpeechAligner, SentencesRunTogetherAreSplitWhereTheWordsChangeAndDoubted)
{
    RecordingMaker maker(QStringLiteral("slt"), 1.0);
    maker.Say(QStringLiteral("I'd like to open a bank account."));
    maker.Pause(900);
    maker.Say(QStringLiteral("Could you fill in this form for me, please?"));
    maker.Say(QStringLiteral("Then sign your name at the bottom of the page."));   // no pause before it
    maker.Pause(900);
    maker.Say(QStringLiteral("Thank you very much."));
    maker.Pause(700);
    const MadeRecording made = maker.Made();
    const QStringList text = {QStringLiteral("I'd like to open a bank account."),
                              QStringLiteral("Could you fill in this form for me, please?"),
                              QStringLiteral("Then sign your name at the bottom of the page."),
                              QStringLiteral("Thank you very much.")};
    const std::vector<AlignedSentence> aligned = AlignSentences(made.recording, Rendered(text));
    ASSERT_EQ(aligned.size(), 4u);
    // The two run together meet within a syllable of where one voice stopped
    // and the next began (Speak() kept 50 ms of quiet at each end).
    const int meeting = made.truth[1].endMs - kClipMarginMs;
    EXPECT_NEAR(aligned[1].clip.endMs, meeting, 150);
    EXPECT_LE(aligned[1].clip.endMs, aligned[2].clip.startMs);
    EXPECT_TRUE(aligned[1].doubt.contains(QStringLiteral("between sentences 2 and 3"))) << aligned[1].doubt.toStdString();
    EXPECT_EQ(aligned[2].doubt, aligned[1].doubt);
    // The others are untouched by it.
    EXPECT_NEAR(aligned[0].clip.startMs, made.truth[0].startMs, 1);
    EXPECT_NEAR(aligned[3].clip.endMs, made.truth[3].endMs, 1);
    EXPECT_TRUE(aligned[0].doubt.isEmpty());
    EXPECT_TRUE(aligned[3].doubt.isEmpty());
}

TEST(SpeechAligner, ASentenceTheRecordingLacksIsNotFoundAndTheOthersStillAre)
{
    QStringList spoken = kLesson;
    spoken.removeAt(3);   // the long one is never said
    const MadeRecording made = SpokenLesson(QStringLiteral("slt"), 1.0, spoken).Made();
    const std::vector<AlignedSentence> aligned = AlignSentences(made.recording, Rendered(kLesson));
    ASSERT_EQ(aligned.size(), 6u);
    EXPECT_FALSE(aligned[3].found);
    std::vector<AlignedSentence> others = aligned;
    others.erase(others.begin() + 3);
    ExpectNear(others, made.truth, 1, 1);
}

TEST(SpeechAligner, SpeechThatIsNoSentenceOfTheLessonIsLeftOutOfEveryClip)
{
    RecordingMaker maker(QStringLiteral("slt"), 1.0);
    maker.Say(QStringLiteral("Lesson twelve. At the bank. Listen and repeat."));
    maker.Pause(1500);
    MadeRecording made = SpokenLesson(QStringLiteral("slt"), 1.0).Made();
    MadeRecording announced = maker.Made();
    // The lesson after the announcement.
    const int shift = int(qint64(announced.recording.samples.size()) * 1000 / announced.recording.rate);
    announced.recording.samples.insert(announced.recording.samples.end(), made.recording.samples.begin(),
                                       made.recording.samples.end());
    MeasureSound(announced.recording);
    for (Clip& clip : made.truth)
        clip = {clip.startMs + shift, clip.endMs + shift};
    const std::vector<AlignedSentence> aligned = AlignSentences(announced.recording, Rendered(kLesson));
    ExpectNear(aligned, made.truth, 2, 2);
}

TEST(SpeechAligner, NothingToFindInSilenceOrAnEmptyRecording)
{
    Recording silent;
    silent.rate = 16000;
    silent.samples.assign(16000 * 3, 0);
    for (const Recording& recording : {silent, Recording{{}, 16000, {}, kQuietLevel}}) {
        const std::vector<AlignedSentence> aligned = AlignSentences(recording, Rendered({QStringLiteral("Hello there.")}));
        ASSERT_EQ(aligned.size(), 1u);
        EXPECT_FALSE(aligned[0].found);
    }
}

} // namespace
