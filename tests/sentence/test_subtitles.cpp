// Subtitle files as authors bring them to "bookmaker import", and the placing
// of their cues on the sound of the recording.

#include "CuePlacement.h"
#include "SubtitleFile.h"
#include "platform/TextEncoding.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

using bookmaker::CueClip;
using bookmaker::ReadSubtitles;
using bookmaker::RecordingSound;
using bookmaker::SubtitleCue;
using bookmaker::SubtitleFormat;
using bookmaker::Subtitles;

// Every byte of a literal, NUL bytes inside it too.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

Subtitles Read(const QByteArray& bytes, const QString& name = QStringLiteral("talk.srt"))
{
    return ReadSubtitles(bytes, name);
}

Subtitles ReadUtf8(const char* text, const QString& name = QStringLiteral("talk.srt"))
{
    return Read(QByteArray(text), name);
}

std::string Messages(const Subtitles& subtitles)
{
    return (subtitles.errors + subtitles.warnings).join(u'\n').toStdString();
}

// Whether one of `messages` is about line `where` ("talk.srt:6") and says `what`.
bool Says(const QStringList& messages, const char* where, const char* what)
{
    const QString prefix = QString::fromUtf8(where) + QStringLiteral(": ");
    return std::any_of(messages.begin(), messages.end(), [&](const QString& m) {
        return m.startsWith(prefix) && m.contains(QString::fromUtf8(what));
    });
}

QStringList Englishes(const Subtitles& subtitles)
{
    QStringList english;
    for (const SubtitleCue& cue : subtitles.cues)
        english.append(cue.english);
    return english;
}

QStringList Chineses(const Subtitles& subtitles)
{
    QStringList chinese;
    for (const SubtitleCue& cue : subtitles.cues)
        chinese.append(cue.chinese);
    return chinese;
}

// ---------------------------------------------------------------------------
// SRT

constexpr const char* kPlainSrt =
    "1\n"
    "00:00:01,600 --> 00:00:04,200\n"
    "Good morning,\n"
    "everyone.\n"
    "\n"
    "2\n"
    "00:00:05.250 --> 01:02:03.004  X1:100 X2:200\n"
    "How are you?\n";

TEST(SubtitlesSrt, CuesKeepTheirTimesAndLinesAndTheEnglishLinesJoin)
{
    const Subtitles srt = ReadUtf8(kPlainSrt);
    ASSERT_TRUE(srt.Ok()) << Messages(srt);
    EXPECT_EQ(srt.format, SubtitleFormat::Srt);
    ASSERT_EQ(srt.cues.size(), 2);
    EXPECT_EQ(srt.cues[0].startMs, 1600);
    EXPECT_EQ(srt.cues[0].endMs, 4200);
    EXPECT_EQ(srt.cues[0].line, 2);
    EXPECT_EQ(srt.cues[0].english, QStringLiteral("Good morning, everyone."));
    // A full stop for the comma, hours, and a position after the end time.
    EXPECT_EQ(srt.cues[1].startMs, 5250);
    EXPECT_EQ(srt.cues[1].endMs, ((1 * 60 + 2) * 60 + 3) * 1000 + 4);
    EXPECT_EQ(srt.cues[1].line, 7);
    EXPECT_FALSE(srt.cues[1].lastsToTheEnd);
}

TEST(SubtitlesSrt, WindowsLineEndsAndAByteOrderMarkReadTheSame)
{
    QByteArray windows = QByteArray("\xEF\xBB\xBF") + QByteArray(kPlainSrt).replace("\n", "\r\n");
    const Subtitles srt = Read(windows);
    ASSERT_TRUE(srt.Ok()) << Messages(srt);
    EXPECT_EQ(Englishes(srt), Englishes(ReadUtf8(kPlainSrt)));
    EXPECT_EQ(srt.cues[1].line, 7);
}

TEST(SubtitlesSrt, FormattingTagsAreNotText)
{
    const Subtitles srt = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\n"
                                   "{\\an8}<i>I</i> <b>really</b> <font color=\"#ffff00\">mean</font> it.\n"
                                   "<i></i>\n");
    ASSERT_TRUE(srt.Ok()) << Messages(srt);
    EXPECT_EQ(srt.cues[0].english, QStringLiteral("I really mean it."));
}

TEST(SubtitlesSrt, CuesWithoutTheirBlankLineOrTextStillSeparate)
{
    const Subtitles srt = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\nFirst.\n"
                                   "2\n00:00:03,000 --> 00:00:04,000\n"
                                   "\n"
                                   "3\n00:00:05,000 --> 00:00:06,000\nThird.\n");
    ASSERT_TRUE(srt.Ok()) << Messages(srt);
    EXPECT_EQ(Englishes(srt), (QStringList{"First.", "Third."}));
    EXPECT_TRUE(Says(srt.warnings, "talk.srt:5", "no text")) << Messages(srt);
}

TEST(SubtitlesSrt, TimeFaultsNameTheCuesLine)
{
    const Subtitles srt = ReadUtf8("1\n00:00:01,000 --> 00:00:03,000\nOne.\n\n"          // lines 1-4
                                   "2\n00:00:02,500 --> 00:00:04,000\nOverlaps.\n\n"     // 5-8
                                   "3\n00:00:06,000 --> 00:00:05,000\nReversed.\n\n"     // 9-12
                                   "4\n00:00:07,000 --> 00:00:07,000\nNo time.\n\n"      // 13-16
                                   "5\n00:00:00,500 --> 00:00:00,900\nEarlier.\n\n"      // 17-20
                                   "6\n00:61:00,000 --> 00:62:00,000\nMinutes.\n\n"      // 21-24
                                   "7\n00:00:09,000 -> 00:00:10,000\nArrow.\n\n"         // 25-28
                                   "8b\n00:00:11,000 --> 00:00:12,000\nNumber.\n\n"      // 29-32
                                   "Hello\nthere\n\n"                                    // 33-35
                                   "10\n");                                              // 36
    EXPECT_TRUE(srt.cues.isEmpty());
    EXPECT_TRUE(Says(srt.errors, "talk.srt:6", "before the cue at line 2 ends (0:03.000)")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:10", "ends (0:05.000) before it starts (0:06.000)")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:14", "ends where it starts")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:18", "in time order")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:22", "malformed time line")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:26", "malformed time line")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:29", "cue number \"8b\" is not a number")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:33", "expected a cue number")) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:36", "no time line")) << Messages(srt);
    EXPECT_EQ(srt.errors.size(), 9) << Messages(srt);
}

// ---------------------------------------------------------------------------
// The English a learner types, the Chinese beside it

TEST(SubtitlesText, TypographyBecomesTheAsciiALearnerTypes)
{
    EXPECT_EQ(bookmaker::TypeableEnglish(QString::fromUtf8("\u201CIt\u2019s\u00A0fine,\u201D she said\u2026 Wait\u2014what?")),
              QStringLiteral("\"It's fine,\" she said... Wait - what?"));
    EXPECT_EQ(bookmaker::TypeableEnglish(QString::fromUtf8("1990\u20132000\u3000\uFF21\uFF22\uFF01  sea\u00ADside\u200B")),
              QStringLiteral("1990-2000 AB! seaside"));
    EXPECT_EQ(bookmaker::TypeableEnglish(QString::fromUtf8("Caf\u00E9")), QString::fromUtf8("Caf\u00E9"));

    const Subtitles srt = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\nA \u2018quoted\u2019 word.\n\n"
                                   "2\n00:00:03,000 --> 00:00:04,000\nOne\nCaf\u00E9 au lait.\n");
    EXPECT_TRUE(srt.cues.isEmpty());
    ASSERT_EQ(srt.errors.size(), 1) << Messages(srt);
    EXPECT_TRUE(Says(srt.errors, "talk.srt:8", "\"\u00E9\" (U+00E9), which a learner cannot type")) << Messages(srt);
}

TEST(SubtitlesText, EachLanguageGoesToItsOwnSideWhateverTheLayout)
{
    const Subtitles srt = ReadUtf8(
        "1\n00:00:01,000 --> 00:00:02,000\nGood morning.\n早上好。\n\n"               // Chinese below
        "2\n00:00:03,000 --> 00:00:04,000\n你好吗？\nHow are you?\n\n"                 // Chinese above
        "3\n00:00:05,000 --> 00:00:06,000\nI'm fine. / 我很好。\n\n"                   // one line, a slash
        "4\n00:00:07,000 --> 00:00:08,000\nThanks a lot! 多谢！\n\n"                   // one line, a space
        "5\n00:00:09,000 --> 00:00:10,000\n“再见……”“Bye...”\n\n"                       // Chinese first, own quotes
        "6\n00:00:11,000 --> 00:00:12,000\nI use an\niPhone.\n我用 iPhone 手机，\n很好用。\n");  // Latin inside Chinese
    ASSERT_TRUE(srt.Ok()) << Messages(srt);
    EXPECT_EQ(Englishes(srt), (QStringList{"Good morning.", "How are you?", "I'm fine.", "Thanks a lot!",
                                           "\"Bye...\"", "I use an iPhone."}));
    EXPECT_EQ(Chineses(srt), (QStringList{QString::fromUtf8("早上好。"), QString::fromUtf8("你好吗？"),
                                          QString::fromUtf8("我很好。"), QString::fromUtf8("多谢！"),
                                          QString::fromUtf8("“再见……”"), QString::fromUtf8("我用 iPhone 手机，很好用。")}));
    EXPECT_TRUE(srt.warnings.isEmpty()) << Messages(srt);
}

TEST(SubtitlesText, AMissingTranslationWarnsAndMissingEnglishIsAFault)
{
    const Subtitles untranslated = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\nNo Chinese here.\n");
    ASSERT_TRUE(untranslated.Ok()) << Messages(untranslated);
    EXPECT_TRUE(untranslated.cues[0].chinese.isEmpty());
    EXPECT_TRUE(Says(untranslated.warnings, "talk.srt:2", "no Chinese")) << Messages(untranslated);

    const Subtitles chineseOnly = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\nHi.\n你好。\n\n"
                                           "2\n00:00:03,000 --> 00:00:04,000\n只有中文。\n\n"
                                           "3\n00:00:05,000 --> 00:00:06,000\nThis 这 mixes 那 up.\n");
    EXPECT_TRUE(chineseOnly.cues.isEmpty());
    EXPECT_TRUE(Says(chineseOnly.errors, "talk.srt:7", "no English")) << Messages(chineseOnly);
    EXPECT_TRUE(Says(chineseOnly.errors, "talk.srt:12", "both sides of the Chinese")) << Messages(chineseOnly);
    EXPECT_EQ(chineseOnly.errors.size(), 2) << Messages(chineseOnly);
}

TEST(SubtitlesText, ChineseABookCannotStoreIsAFault)
{
    const Subtitles srt = ReadUtf8("1\n00:00:01,000 --> 00:00:02,000\nA smile.\n微笑 \xF0\x9F\x98\x80\n");
    EXPECT_TRUE(srt.cues.isEmpty());
    EXPECT_TRUE(Says(srt.errors, "talk.srt:4", "GBK cannot store")) << Messages(srt);
}

// ---------------------------------------------------------------------------
// Encodings and files that are not subtitles

TEST(SubtitlesEncoding, GbkFilesReadLikeUtf8Ones)
{
    const QString text = QString::fromUtf8("1\r\n00:00:01,000 --> 00:00:02,000\r\nGood night.\r\n晚安。\r\n");
    const Subtitles gbk = Read(platform::UnicodeToGbk(text));
    ASSERT_TRUE(gbk.Ok()) << Messages(gbk);
    EXPECT_EQ(gbk.cues[0].chinese, QString::fromUtf8("晚安。"));
    EXPECT_EQ(gbk.cues[0].english, QStringLiteral("Good night."));
}

TEST(SubtitlesEncoding, BytesThatAreNotTextAreToldWhereTheyStart)
{
    const Subtitles binary = Read(Bytes("1\n00:00:01,000 --> 00:00:02,000\nHi\0there\n"));
    EXPECT_TRUE(binary.cues.isEmpty());
    EXPECT_TRUE(Says(binary.errors, "talk.srt:3", "not a text file")) << Messages(binary);

    const Subtitles utf16 = Read(Bytes("\xFF\xFE" "1\0\n\0"));
    EXPECT_TRUE(Says(utf16.errors, "talk.srt", "UTF-16")) << Messages(utf16);

    // 0xFF is neither a UTF-8 nor a GBK byte.
    const Subtitles neither = Read(QByteArray("1\n00:00:01,000 --> 00:00:02,000\n\xFF\xFF\n"));
    EXPECT_TRUE(Says(neither.errors, "talk.srt:3", "neither UTF-8 nor GBK")) << Messages(neither);

    const Subtitles markedBroken = Read(QByteArray("\xEF\xBB\xBF" "1\n\xC4\xE3\n"));
    EXPECT_TRUE(Says(markedBroken.errors, "talk.srt:2", "not UTF-8")) << Messages(markedBroken);

    const Subtitles empty = Read(QByteArray("\n  \r\n"));
    EXPECT_TRUE(Says(empty.errors, "talk.srt", "holds no subtitles")) << Messages(empty);
}

TEST(SubtitlesEncoding, TheContentTellsTheFormatAndTheNameOnlyWhenItCannot)
{
    EXPECT_EQ(ReadUtf8(kPlainSrt, QStringLiteral("talk.txt")).format, SubtitleFormat::Srt);
    EXPECT_TRUE(ReadUtf8(kPlainSrt, QStringLiteral("talk.txt")).Ok());
    const Subtitles misnamed = ReadUtf8("[00:01.00]Hello.\n", QStringLiteral("talk.srt"));
    EXPECT_EQ(misnamed.format, SubtitleFormat::Lrc);
    EXPECT_TRUE(misnamed.Ok()) << Messages(misnamed);

    const Subtitles lrcByName = ReadUtf8("Hello.\n[00:01.00]Hello.\n", QStringLiteral("talk.lrc"));
    EXPECT_TRUE(Says(lrcByName.errors, "talk.lrc:1", "no time tag")) << Messages(lrcByName);
    const Subtitles unknown = ReadUtf8("Hello.\n", QStringLiteral("talk.txt"));
    EXPECT_TRUE(Says(unknown.errors, "talk.txt:1", "neither SRT")) << Messages(unknown);
}

// ---------------------------------------------------------------------------
// LRC

TEST(SubtitlesLrc, EachCueLastsUntilTheNextTimeAndTheLastToTheEnd)
{
    const Subtitles lrc = ReadUtf8("[ti:At the station]\n"
                                   "[ar:Wang Fang]\n"
                                   "[al:Travel]\n"
                                   "[by:someone]\n"
                                   "[00:01.50]Excuse me.\n"
                                   "[00:04.250]Where is <00:05.00>the <00:05.50>platform?\n"
                                   "[00:07]\n"
                                   "[00:09.10][00:02.30]Thank you.\n",
                                   QStringLiteral("talk.lrc"));
    ASSERT_TRUE(lrc.Ok()) << Messages(lrc);
    ASSERT_EQ(lrc.cues.size(), 4);
    EXPECT_EQ(Englishes(lrc), (QStringList{"Excuse me.", "Thank you.", "Where is the platform?", "Thank you."}));
    EXPECT_EQ(lrc.cues[0].startMs, 1500);
    EXPECT_EQ(lrc.cues[0].endMs, 2300);
    EXPECT_EQ(lrc.cues[1].line, 8);
    EXPECT_EQ(lrc.cues[2].startMs, 4250);
    EXPECT_EQ(lrc.cues[2].endMs, 7000);   // a time without text ends the cue before it
    EXPECT_EQ(lrc.cues[3].startMs, 9100);
    EXPECT_TRUE(lrc.cues[3].lastsToTheEnd);
    EXPECT_FALSE(lrc.cues[2].lastsToTheEnd);
}

TEST(SubtitlesLrc, BilingualLinesShareTheirTime)
{
    const Subtitles lrc = ReadUtf8("[00:01.00]Good morning.\n"
                                   "[00:01.00]早上好。\n"
                                   "[00:03.00]你好吗？\n"
                                   "[00:03.00]How are you?\n"
                                   "[00:05.00]Fine, thanks. / 很好，谢谢。\n"
                                   "[00:07.00]See you. 再见。\n",
                                   QStringLiteral("talk.lrc"));
    ASSERT_TRUE(lrc.Ok()) << Messages(lrc);
    EXPECT_EQ(Englishes(lrc), (QStringList{"Good morning.", "How are you?", "Fine, thanks.", "See you."}));
    EXPECT_EQ(Chineses(lrc), (QStringList{QString::fromUtf8("早上好。"), QString::fromUtf8("你好吗？"),
                                          QString::fromUtf8("很好，谢谢。"), QString::fromUtf8("再见。")}));
    EXPECT_EQ(lrc.cues[1].line, 3);
}

TEST(SubtitlesLrc, AnOffsetShiftsEveryTimeAndFaultsNameTheirLines)
{
    const Subtitles sooner = ReadUtf8("[offset:+300]\n[00:01.00]One.\n[00:00.10]Zero.\n", QStringLiteral("t.lrc"));
    ASSERT_TRUE(sooner.Ok()) << Messages(sooner);
    EXPECT_EQ(sooner.cues[0].startMs, 0);   // kept at the recording's start
    EXPECT_EQ(sooner.cues[1].startMs, 700);
    const Subtitles later = ReadUtf8("[00:01.00]One.\n[offset: -250]\n", QStringLiteral("t.lrc"));
    ASSERT_TRUE(later.Ok()) << Messages(later);
    EXPECT_EQ(later.cues[0].startMs, 1250);

    const Subtitles broken = ReadUtf8("[00:01.00]Fine.\n"
                                      "[00:61.00]Seconds.\n"
                                      "[1:2:3]Hours.\n"
                                      "[00:03.00 Unclosed.\n"
                                      "Untagged.\n"
                                      "[offset:soon]\n"
                                      "[offset:100]\n"
                                      "[offset:200]\n",
                                      QStringLiteral("t.lrc"));
    EXPECT_TRUE(broken.cues.isEmpty());
    EXPECT_TRUE(Says(broken.errors, "t.lrc:2", "malformed time tag \"[00:61.00]\"")) << Messages(broken);
    EXPECT_TRUE(Says(broken.errors, "t.lrc:3", "malformed time tag")) << Messages(broken);
    EXPECT_TRUE(Says(broken.errors, "t.lrc:4", "malformed time tag")) << Messages(broken);
    EXPECT_TRUE(Says(broken.errors, "t.lrc:5", "no time tag")) << Messages(broken);
    EXPECT_TRUE(Says(broken.errors, "t.lrc:6", "whole milliseconds")) << Messages(broken);
    EXPECT_TRUE(Says(broken.errors, "t.lrc:8", "a second [offset:]")) << Messages(broken);
    EXPECT_EQ(broken.errors.size(), 6) << Messages(broken);
}

// ---------------------------------------------------------------------------
// Placing cues on the sound

// At 1,000 samples a second, a sample is a millisecond.
constexpr int kRate = 1000;
constexpr int kMargin = 50;

RecordingSound Sound(qint64 lengthMs, std::vector<bookmaker::SoundStretch> loud, int rate = kRate)
{
    return {rate, lengthMs * rate / 1000, std::move(loud)};
}

SubtitleCue Cue(qint64 startMs, qint64 endMs, int line)
{
    SubtitleCue cue;
    cue.startMs = startMs;
    cue.endMs = endMs;
    cue.line = line;
    cue.english = QStringLiteral("Hi.");
    return cue;
}

bookmaker::PlacedCues Place(const QList<SubtitleCue>& cues, const RecordingSound& sound)
{
    return bookmaker::PlaceCues(cues, sound, kMargin, QStringLiteral("talk.srt"));
}

void ExpectClip(const CueClip& clip, qint64 startMs, qint64 endMs)
{
    EXPECT_EQ(clip.startMs, startMs);
    EXPECT_EQ(clip.endMs, endMs);
}

// Three sentences of words with short pauses inside, a second between them.
const RecordingSound kThreeSentences = Sound(7000, {{1000, 1300}, {1420, 1900},      // 1000-1900
                                                    {2900, 3100}, {3250, 3400},      // 2900-3400
                                                    {4400, 5600}});                  // 4400-5600

TEST(CuePlacement, CuesSetEarlyOrLateLandOnAllOfTheirSound)
{
    const auto placed = Place({Cue(1250, 1700, 2), Cue(2600, 3650, 6), Cue(4700, 5300, 10)}, kThreeSentences);
    ASSERT_TRUE(placed.errors.isEmpty()) << placed.errors.join('\n').toStdString();
    ASSERT_EQ(placed.clips.size(), 3u);
    ExpectClip(placed.clips[0], 950, 1951);
    ExpectClip(placed.clips[1], 2850, 3451);
    ExpectClip(placed.clips[2], 4350, 5651);
}

TEST(CuePlacement, TouchingCuesFindThePauseBetweenTheirSentences)
{
    // LRC: each cue runs to the next one's time, here 200 ms after its
    // sentence starts, there 300 ms before.
    SubtitleCue last = Cue(4100, 0, 9);
    last.lastsToTheEnd = true;
    const auto placed = Place({Cue(1300, 3100, 3), Cue(3100, 4100, 6), last}, kThreeSentences);
    ASSERT_TRUE(placed.errors.isEmpty()) << placed.errors.join('\n').toStdString();
    ExpectClip(placed.clips[0], 950, 1951);
    ExpectClip(placed.clips[1], 2850, 3451);
    ExpectClip(placed.clips[2], 4350, 5651);
}

TEST(CuePlacement, AClipNeverHoldsItsNeighboursSound)
{
    // The second sentence follows the first after 60 ms: the clips meet
    // between them, each holding only its own sound.
    const RecordingSound close = Sound(4000, {{1000, 1499}, {1560, 2000}});
    const auto placed = Place({Cue(1000, 1500, 2), Cue(1560, 2000, 6)}, close);
    ASSERT_TRUE(placed.errors.isEmpty());
    EXPECT_EQ(placed.clips[0].endMs, placed.clips[1].startMs);
    EXPECT_GE(placed.clips[0].endMs, 1500);
    EXPECT_LE(placed.clips[1].startMs, 1560);
    EXPECT_EQ(placed.clips[0].startMs, 950);
    EXPECT_EQ(placed.clips[1].endMs, 2051);

    // A cue that ends early takes its own sound up to the pause, not the
    // next sentence that begins 400 ms after it.
    const RecordingSound tight = Sound(4000, {{1000, 1800}, {2200, 2600}});
    const auto spilled = Place({Cue(1000, 1500, 2), Cue(2300, 2600, 6)}, tight);
    ASSERT_TRUE(spilled.errors.isEmpty());
    ExpectClip(spilled.clips[0], 950, 1851);
    ExpectClip(spilled.clips[1], 2150, 2651);
}

TEST(CuePlacement, SoundFarFromEveryCueIsNotTaken)
{
    const RecordingSound noisy = Sound(6000, {{200, 220}, {2000, 2500}, {3700, 3710}});
    const auto placed = Place({Cue(1800, 2600, 2)}, noisy);
    ASSERT_TRUE(placed.errors.isEmpty());
    ExpectClip(placed.clips[0], 1950, 2551);
}

TEST(CuePlacement, RoundingKeepsEverySampleOfTheSoundInsideTheClip)
{
    constexpr int kCdRate = 44100;
    const RecordingSound sound = Sound(3000, {{44123, 66150}}, kCdRate);
    const auto placed = Place({Cue(1000, 1500, 2)}, sound);
    ASSERT_TRUE(placed.errors.isEmpty());
    const CueClip clip = placed.clips[0];
    // The sample at the clip's start lies 50 ms or a little more before the
    // first loud sample; the clip ends 50 ms or a little more after the last.
    EXPECT_LE(clip.startMs * kCdRate / 1000, 44123 - 50 * kCdRate / 1000);
    EXPECT_GT(clip.startMs * kCdRate / 1000, 44123 - 51 * kCdRate / 1000);
    EXPECT_GE(clip.endMs * kCdRate / 1000, 66151 + 50 * kCdRate / 1000);
    EXPECT_LT(clip.endMs * kCdRate / 1000, 66151 + 51 * kCdRate / 1000);
}

TEST(CuePlacement, CuesPastTheRecordingOrWithoutSoundNameTheirLines)
{
    const auto past = Place({Cue(1000, 1900, 2), Cue(6900, 7200, 6), Cue(7100, 7300, 10)}, kThreeSentences);
    EXPECT_TRUE(past.clips.empty());
    ASSERT_EQ(past.errors.size(), 2) << past.errors.join('\n').toStdString();
    EXPECT_TRUE(Says(past.errors, "talk.srt:6", "ends at 0:07.200, after the recording's end (0:07.000)"));
    EXPECT_TRUE(Says(past.errors, "talk.srt:10", "starts at 0:07.100"));

    const auto silent = Place({Cue(1000, 1900, 2), Cue(6400, 6900, 6)}, kThreeSentences);
    EXPECT_TRUE(silent.clips.empty());
    ASSERT_EQ(silent.errors.size(), 1) << silent.errors.join('\n').toStdString();
    EXPECT_TRUE(Says(silent.errors, "talk.srt:6", "holds no sound"));
}

} // namespace
