// The bookmaker as the build and a course author run it.

#include "BookBytes.h"
#include "BookmakerRun.h"
#include "WavBytes.h"
#include "LessonRecording.h"
#include "SpeechSynthesizer.h"
#include "sentence/SentenceBook.h"
#include "sentence/SentenceBookWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace booktest;

class BookmakerTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString WriteBook(const QString& name, const QByteArray& bytes) const
    {
        const QString path = Path(QStringLiteral("EnglishBook/") + name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString WriteSource(const QString& name, const QString& text) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return Path(name);
    }
    QTemporaryDir folder_;
};

TEST_F(BookmakerTest, DumpPrintsTheGridsWithEveryControlCharacterEscaped)
{
    sentence::SentenceBookWriter writer("a\tb\\c");
    writer.AddSentence({"tab\there", QString::fromUtf8("第一行\n第二行"), 100, 900,
                        QString::fromUtf8("back\\slash\r\x01\x1f end"), "m", 3});
    writer.AddLesson({QString::fromUtf8("问候"), 1, 1, "lesson01.wav"});
    const QString book = WriteBook("escape.jz", writer.ToBytes());

    const Finished run = Bookmaker({"dump", book});
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString::fromUtf8(
                           "FSoundFolder\ta\\tb\\\\c\n"
                           "[ClassStringGrid]\n"
                           "编号\t标题\t开始句\t结束句\t音频名\n"
                           "1\t问候\t1\t1\tlesson01.wav\n"
                           "[SenStringGrid]\n"
                           "编号\t英语\t中文\t开始点\t结束点\t注解\t记忆\t备注编号\n"
                           "1\ttab\\there\t第一行\\n第二行\t100\t900\tback\\\\slash\\r\\x01\\x1f end\tm\t3\n"));
}

TEST_F(BookmakerTest, DumpAndCheckRefuseDamagedBooksWithoutCrashing)
{
    const QString cut = WriteBook("cut.jz", NumberedBook(3, 3).ToBytes().left(100 * jz::kRecordSize));
    for (const char* command : {"dump", "check"}) {
        const Finished run = Bookmaker({command, cut});
        ASSERT_FALSE(run.crashed) << command;
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8("书本文件已损坏"))) << command << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << command;
    }
    EXPECT_EQ(Bookmaker({"check", Path("EnglishBook/none.jz")}).exitCode, 1);
}

TEST_F(BookmakerTest, RandomBytesNeverCrashTheMaker)
{
    QRandomGenerator random(77);
    QByteArray bytes(230 * jz::kRecordSize, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    PutLessonCount(bytes, 20);
    const QString book = WriteBook("random.jz", bytes);
    const Finished dump = Bookmaker({"dump", book});
    ASSERT_FALSE(dump.crashed);
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out.count('\n'), 1 + 1 + 21 + 1 + 31);
    const Finished check = Bookmaker({"check", book});
    ASSERT_FALSE(check.crashed);
    EXPECT_EQ(check.exitCode, 1);   // its recordings do not exist, its ranges needed mending
}

TEST_F(BookmakerTest, CheckWantsEveryLessonRecording)
{
    const QString book = WriteBook("silent.jz", NumberedBook(4, 2, "silent").ToBytes());
    const Finished run = Bookmaker({"check", book});
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.count("missing"), 2) << run.out.toStdString();
}

TEST_F(BookmakerTest, CompilesASourceIntoABookWithSpokenClips)
{
    const QString source = WriteSource("tiny.txt", QString::fromUtf8(
        "# a tiny course\n"
        "book: 小书\n"
        "sound: tiny\n"
        "\n"
        "lesson: 问候\n"
        "en: Good morning.\n"
        "zh: 早上好。\n"
        "note: 上午见面时说。\n"
        "en: How are you?\n"
        "zh: 你好吗？\n"
        "\n"
        "lesson: 道别\n"
        "recording: goodbye.wav\n"
        "en: See you tomorrow.\n"
        "zh: 明天见。\n"));
    const Finished compile = Bookmaker({"sentence", source, Path("out")});
    ASSERT_FALSE(compile.crashed);
    ASSERT_EQ(compile.exitCode, 0) << compile.err.toStdString();

    const QString book = Path(QString::fromUtf8("out/EnglishBook/小书.jz"));
    EXPECT_TRUE(QFileInfo(Path("out/Sound/tiny/lesson01.wav")).isFile());
    EXPECT_TRUE(QFileInfo(Path("out/Sound/tiny/goodbye.wav")).isFile());

    const Finished check = Bookmaker({"check", book});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_EQ(check.out, QString::fromUtf8("小书.jz: 2 lessons, 3 sentences, 2 of 2 lesson recordings found\n"));

    const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.soundFolder, "tiny");
    EXPECT_EQ(loaded.book.lessons.RowList(2), (QStringList{"2", QString::fromUtf8("道别"), "3", "3", "goodbye.wav"}));
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kAnnotationColumn), QString::fromUtf8("上午见面时说。"));
    EXPECT_EQ(loaded.book.sentences.Cell(2, sentence::kChineseColumn), QString::fromUtf8("你好吗？"));
    // Within a lesson the clips follow one another with a pause between
    // them long enough for a 200 ms poll; each lasts as long as speech does.
    const int firstEnd = loaded.book.sentences.CellNumber(1, sentence::kEndColumn);
    const int secondStart = loaded.book.sentences.CellNumber(2, sentence::kStartColumn);
    EXPECT_GT(loaded.book.sentences.CellNumber(1, sentence::kStartColumn), 0);
    EXPECT_GT(firstEnd - loaded.book.sentences.CellNumber(1, sentence::kStartColumn), 300);
    EXPECT_GE(secondStart - firstEnd, 400);
    EXPECT_LT(loaded.book.sentences.CellNumber(3, sentence::kStartColumn), secondStart);   // a new recording

    // The voice says the same text the same way on every build.
    QFile first(Path("out/Sound/tiny/lesson01.wav"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    ASSERT_EQ(Bookmaker({"sentence", source, Path("again")}).exitCode, 0);
    QFile second(Path("again/Sound/tiny/lesson01.wav"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), firstBytes);
}


TEST_F(BookmakerTest, CheckFailsClipsThatCutIntoTheSoundOrLeaveSoundOutside)
{
    const QString source = WriteSource("two.txt", QString::fromUtf8(
        "book: 两句\n"
        "sound: two\n"
        "lesson: 一\n"
        "en: Good morning.\n"
        "zh: 早上好。\n"
        "en: Good night.\n"
        "zh: 晚安。\n"));
    ASSERT_EQ(Bookmaker({"sentence", source, Path("out")}).exitCode, 0);
    const QString book = Path(QString::fromUtf8("out/EnglishBook/两句.jz"));
    ASSERT_EQ(Bookmaker({"check", book}).exitCode, 0);
    const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(book);
    ASSERT_TRUE(loaded.Ok());
    const int firstStart = loaded.book.sentences.CellNumber(1, sentence::kStartColumn);
    const int secondEnd = loaded.book.sentences.CellNumber(2, sentence::kEndColumn);

    // A tone from the first clip's very start to beyond the second clip's
    // end: no quiet inside the clips, and sound outside them.
    constexpr int kRate = 16000;
    std::vector<short> samples(std::size_t((secondEnd + 1000) * kRate / 1000), 0);
    for (std::size_t i = std::size_t(firstStart * kRate / 1000); i < std::size_t((secondEnd + 300) * kRate / 1000); ++i)
        samples[i] = (i / 20) % 2 ? 6000 : -6000;
    QFile recording(Path("out/Sound/two/lesson01.wav"));
    ASSERT_TRUE(recording.open(QIODevice::WriteOnly | QIODevice::Truncate));
    recording.write(Wav(samples, kRate));
    recording.close();

    const Finished check = Bookmaker({"check", book});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains("lesson 1, sentence 1: clip")) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains("keeps 0 ms of quiet before its sound")) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains("lesson 1: sound outside every clip")) << check.out.toStdString();
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(BookmakerTest, ASentenceCanBeSaidOtherwiseThanItIsWrittenAndBySecondSpeaker)
{
    const auto compile = [this](const QString& name, const QString& body) {
        const QString source = WriteSource(name + ".txt", "book: " + name + "\nsound: " + name + "\n" + body);
        const Finished run = Bookmaker({"sentence", source, Path(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return FileBytes(Path(name + "/Sound/" + name + "/lesson01.wav"));
    };
    const QByteArray dialogue = compile("dialogue", QString::fromUtf8(
        "lesson: 见面\nen: I'm Li Ming.\nsay: I'm Lee Ming.\nzh: 我是李明。\nen: Hi.\nspeaker: slt\nzh: 你好。\n"));
    const QByteArray asSaid = compile("said", QString::fromUtf8(
        "lesson: 见面\nen: I'm Lee Ming.\nzh: 我是李明。\nen: Hi.\nspeaker: slt\nzh: 你好。\n"));
    const QByteArray oneVoice = compile("onevoice", QString::fromUtf8(
        "lesson: 见面\nen: I'm Lee Ming.\nzh: 我是李明。\nen: Hi.\nzh: 你好。\n"));
    ASSERT_FALSE(dialogue.isEmpty());
    EXPECT_EQ(dialogue, asSaid);      // what is said is the "say:" text
    EXPECT_NE(dialogue, oneVoice);    // the second sentence in the other voice
    const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(Path("dialogue/EnglishBook/dialogue.jz"));
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.book.sentences.Cell(1, sentence::kEnglishColumn), "I'm Li Ming.");   // what is shown and typed

    const QString bad = WriteSource("bad.txt", QString::fromUtf8(
        "book: 坏\nsound: bad\nlesson: 一\nen: Hi.\nzh: 你好。\nspeaker: bob\nsay: 李明\n"));
    const Finished run = Bookmaker({"sentence", bad, Path("bad")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("bad.txt:6: speaker must be one of: rms, slt")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("bad.txt:7:")) << run.err.toStdString();
}

TEST_F(BookmakerTest, CheckNamesTextsInTheWrongLanguageMissingOrTwice)
{
    sentence::SentenceBookWriter writer(QStringLiteral("texts"));
    writer.AddSentence({QStringLiteral("Good morning."), QString::fromUtf8("早上好。")});
    writer.AddSentence({QString::fromUtf8("Good 早上."), QString::fromUtf8("早上好。")});
    writer.AddLesson({QString::fromUtf8("一"), 1, 2, QStringLiteral("one.wav")});
    writer.AddSentence({QStringLiteral("Hello."), QString::fromUtf8("你好 hello")});
    writer.AddSentence({QStringLiteral("good morning. "), QString()});
    writer.AddSentence({QStringLiteral("Thanks, OK."), QString::fromUtf8("谢谢，OK。")});
    writer.AddLesson({QString::fromUtf8("二"), 3, 5, QStringLiteral("two.wav")});
    const QString book = WriteBook(QStringLiteral("texts.jz"), writer.ToBytes());

    const Finished check = Bookmaker({"check", book});
    EXPECT_EQ(check.exitCode, 1);
    for (const char* finding : {"lesson 1, sentence 2: the English holds characters that are not plain ASCII",
                                "lesson 2, sentence 3: the Chinese holds English words",
                                "lesson 2, sentence 4: no Chinese",
                                "lesson 2, sentence 4: the same as sentence 1",
                                "lesson 2, sentence 5: the Chinese holds English words"})
        EXPECT_TRUE(check.out.contains(QString::fromUtf8(finding))) << finding << "\n" << check.out.toStdString();
    EXPECT_FALSE(check.out.contains("sentence 1:")) << check.out.toStdString();
}

TEST_F(BookmakerTest, CheckFindsWordsRunTogetherAndSentencesDictationCannotShow)
{
    sentence::SentenceBookWriter writer(QStringLiteral("words"));
    writer.AddSentence({QStringLiteral("Nice to talkto you. Please carryon."), QString::fromUtf8("很高兴和你聊天。")});
    writer.AddSentence({QStringLiteral("I'm Li Ming, from Hangzhou. You'd better hurry, Anna's waiting!"),
                        QString::fromUtf8("我是李明。")});
    // One wide word to a line: nine lines on a card ruled for seven.
    writer.AddSentence({QStringList(9, QString(26, u'W')).join(u' ') + u'.', QString::fromUtf8("很长。")});
    writer.AddLesson({QString::fromUtf8("一"), 1, 3, QStringLiteral("one.wav")});
    const QString book = WriteBook(QStringLiteral("words.jz"), writer.ToBytes());

    const Finished check = Bookmaker({"check", book});
    EXPECT_EQ(check.exitCode, 1);
    for (const char* finding : {"lesson 1, sentence 1: \"talkto\" looks like two words run together (\"talk to\")",
                                "lesson 1, sentence 1: \"carryon\" looks like two words run together (\"carry on\")",
                                "lesson 1, sentence 3: dictation shows 7 lines, the sentence takes 9"})
        EXPECT_TRUE(check.out.contains(QString::fromUtf8(finding))) << finding << "\n" << check.out.toStdString();
    // Names, contractions and possessives are no run-together words.
    EXPECT_FALSE(check.out.contains("sentence 2:")) << check.out.toStdString();
}

TEST_F(BookmakerTest, CompilesAWordSourceIntoABookWhoseClipsHoldEachWord)
{
    const QString source = WriteSource(QStringLiteral("words.txt"), QString::fromUtf8("book: 水果\n"
                                                                                      "word: apple | ˈæpəl | n. 苹果\n"
                                                                                      "word: banana |  | n. 香蕉\n"
                                                                                      "word: orange juice | ˈɔrɪndʒ dʒus | 橙汁\n"));
    const Finished made = Bookmaker({"word", source, folder_.path()});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString book = Path(QString::fromUtf8("bdcBook/水果.wd"));
    ASSERT_TRUE(QFileInfo(Path(QString::fromUtf8("bdcSound/水果.mp3"))).isFile());

    const Finished dump = Bookmaker({"dump", book});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QStringList rows = dump.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    // The phonetic as the font shows it: the stored code mapped once more.
    EXPECT_TRUE(rows[0].startsWith(QString::fromUtf8("1\tapple\tn. 苹果\t5BpZl\t"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].startsWith(QString::fromUtf8("2\tbanana\tn. 香蕉\tbZ5nBnZ\t"))) << rows[1].toStdString();
    // Clips in order, apart, each of some length.
    qint64 previousEnd = -1;
    for (const QString& row : rows) {
        const QStringList cells = row.split(u'\t');
        ASSERT_EQ(cells.size(), 6);
        EXPECT_GT(cells[4].toLongLong(), previousEnd);
        EXPECT_GT(cells[5].toLongLong(), cells[4].toLongLong() + 200);
        previousEnd = cells[5].toLongLong();
    }

    const Finished check = Bookmaker({"check", book});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(QString::fromUtf8("水果.wd: 3 words, recording found")));

    QFile::remove(Path(QString::fromUtf8("bdcSound/水果.mp3")));
    const Finished unheard = Bookmaker({"check", book});
    EXPECT_EQ(unheard.exitCode, 1);
    EXPECT_TRUE(unheard.out.contains("is missing")) << unheard.out.toStdString();
    const Finished damaged = Bookmaker({"check", WriteBook(QStringLiteral("short.wd"), QByteArray(700, 'x'))});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_FALSE(damaged.crashed);
}

TEST_F(BookmakerTest, SourceFaultsNameTheirLines)
{
    const QString source = WriteSource("bad.txt", QString::fromUtf8(
        "book: 坏书\n"
        "sound: bad\n"
        "lesson: 一\n"
        "zh: 没有英语的中文\n"
        "en: Caf\u00e9 au lait.\n"
        "colour: red\n"
        "lesson: 空课\n"));
    const Finished run = Bookmaker({"sentence", source, Path("out")});
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* where : {"bad.txt:4:", "bad.txt:5:", "bad.txt:6:", "bad.txt:7:"})
        EXPECT_TRUE(run.err.contains(where)) << where << "\n" << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("out")));
}

} // namespace

// ---------------------------------------------------------------------------
// Books from recordings of real speech

namespace {

// A recording of `sentences` spoken by the other voice, slower than the
// bookmaker's, with the pauses of a textbook recording; the clips it truly
// holds are returned.
std::vector<bookmaker::Clip> RecordByAnotherVoice(const QStringList& sentences, const QString& path)
{
    QString error;
    const auto voice = bookmaker::SpeechSynthesizer::Create(QStringLiteral("slt"), 1.2, error);
    EXPECT_TRUE(voice) << error.toStdString();
    bookmaker::LessonRecording recording(voice->SampleRate());
    std::vector<bookmaker::Clip> truth;
    std::vector<short> samples;
    for (const QString& sentence : sentences) {
        EXPECT_TRUE(voice->Speak(sentence, samples, error));
        truth.push_back(recording.AddSentence(samples));
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(recording.Write(path, error)) << error.toStdString();
    return truth;
}

const QString kBankSource = QString::fromUtf8(
    "book: 银行\n"
    "sound: bank\n"
    "lesson: 开户\n"
    "recording: audio/bank one.wav\n"
    "en: Good morning. How can I help you?\n"
    "zh: 早上好，有什么可以帮您？\n"
    "en: I'd like to open a bank account.\n"
    "zh: 我想开一个银行账户。\n"
    "en: Could you fill in this form, please?\n"
    "zh: 请您填一下这张表。\n");

const QStringList kBankSentences = {QStringLiteral("Good morning. How can I help you?"),
                                    QStringLiteral("I'd like to open a bank account."),
                                    QStringLiteral("Could you fill in this form, please?")};

} // namespace

TEST_F(BookmakerTest, AlignFindsEverySentenceInARecordingOfAnotherVoiceAndCheckPassesTheBook)
{
    const std::vector<bookmaker::Clip> truth = RecordByAnotherVoice(kBankSentences, Path("audio/bank one.wav"));
    const Finished run = Bookmaker({"align", WriteSource("bank.txt", kBankSource), Path("out")});
    ASSERT_FALSE(run.crashed);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("finding 3 sentences"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("warning"))) << run.err.toStdString();

    // The recording is the book's, under its own name; the clips are the truth.
    EXPECT_TRUE(QFileInfo(Path("out/Sound/bank/bank one.wav")).isFile());
    const sentence::BookLoadResult loaded = sentence::LoadSentenceBook(Path("out/EnglishBook/银行.jz"));
    ASSERT_TRUE(loaded.Ok()) << loaded.message.toStdString();
    EXPECT_EQ(loaded.book.lessons.Cell(1, sentence::kRecordingColumn), QStringLiteral("bank one.wav"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(loaded.book.sentences.CellNumber(i + 1, sentence::kStartColumn), truth[std::size_t(i)].startMs, 1);
        EXPECT_NEAR(loaded.book.sentences.CellNumber(i + 1, sentence::kEndColumn), truth[std::size_t(i)].endMs, 1);
    }
    const Finished check = Bookmaker({"check", Path("out/EnglishBook/银行.jz")});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
}

TEST_F(BookmakerTest, AlignNamesTheSentenceOrRecordingItCannotUseAndWritesNoBook)
{
    RecordByAnotherVoice(kBankSentences, Path("audio/bank one.wav"));
    QFile notSound(Path("audio/notes.wav"));
    ASSERT_TRUE(notSound.open(QIODevice::WriteOnly));
    notSound.write("these are my notes, not a recording\n");
    notSound.close();

    struct Case {
        const char* name;
        QString source;
        QString fault;
    } cases[] = {
        {"unsaid.txt", kBankSource + QString::fromUtf8("en: Please sign your name at the bottom of the second page.\nzh: 请在第二页底部签名。\n"),
         QStringLiteral("unsaid.txt:11: sentence 4 \"Please sign your name at the bottom of the second page.\" cannot be found")},
        {"missing.txt", QString(kBankSource).replace(QStringLiteral("bank one.wav"), QStringLiteral("bank two.wav")),
         QStringLiteral("missing.txt:3: recording ")},
        {"notsound.txt", QString(kBankSource).replace(QStringLiteral("bank one.wav"), QStringLiteral("notes.wav")),
         QStringLiteral("cannot be read as sound")},
        {"norecording.txt", QString(kBankSource).remove(QStringLiteral("recording: audio/bank one.wav\n")),
         QString::fromUtf8("norecording.txt:3: lesson \"开户\" names no recording")},
        {"text.txt", QString(kBankSource).replace(QStringLiteral("bank one.wav"), QStringLiteral("bank one.txt")),
         QStringLiteral("is not a recording the bookmaker reads")},
        {"twice.txt", kBankSource + QString::fromUtf8("lesson: 再来\nrecording: other/Bank One.wav\nen: Yes.\nzh: 是。\n"),
         QString::fromUtf8("twice.txt:11: lesson \"再来\" has the recording file name of line 3")},
    };
    for (const Case& c : cases) {
        const QString out = Path(QStringLiteral("out-") + c.name);
        const Finished run = Bookmaker({"align", WriteSource(c.name, c.source), out});
        ASSERT_FALSE(run.crashed) << c.name;
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(run.err.contains(c.fault)) << c.name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out + QString::fromUtf8("/EnglishBook/银行.jz"))) << c.name;
    }
}

TEST_F(BookmakerTest, HelpTellsEveryCommandAndAMistakeTellsTheUsage)
{
    for (const QStringList& asked : {QStringList{"--help"}, QStringList{"align", "--help"}, QStringList{"help"}}) {
        const Finished run = Bookmaker(asked);
        EXPECT_EQ(run.exitCode, 0);
        for (const char* command : {"sentence SOURCE", "align SOURCE", "import SUBTITLES", "word WORDLIST", "check BOOK"})
            EXPECT_TRUE(run.out.contains(QLatin1String(command))) << command;
    }
    const Finished wrong = Bookmaker({"align", "only-one-argument"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("usage:")));
}
