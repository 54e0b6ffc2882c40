// Word book sources, the word lists an author starts them from, and the
// phonetic transcriptions the bookmaker writes into word books.

#include "BookmakerRun.h"
#include "Phonetics.h"
#include "WordSource.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Stored(const QString& ipa)
{
    QString stored;
    QString error;
    EXPECT_TRUE(bookmaker::StoredPhonetic(ipa, stored, error)) << error.toStdString();
    return stored;
}

TEST(BookmakerPhonetics, EverySymbolOfAmericanIpaHasItsStoredCode)
{
    EXPECT_EQ(Stored(QStringLiteral("ˈæpəl")), QStringLiteral("'1p4l"));
    EXPECT_EQ(Stored(QStringLiteral("æɑɔəɛɪʊʌθðŋˈˌʃʒː")), QStringLiteral("1234567890=';SJ:"));
    // Other spellings of the same sounds a dictionary may use.
    EXPECT_EQ(Stored(QStringLiteral("ɡʊd ˈbɝd ˈtitʃɚ ɹ")), QStringLiteral("g7d 'b4rd 'titS4r r"));

    QString stored;
    QString error;
    for (const char* foreign : {"/ˈæpəl/", "ˈÆpl", "ʔuh", "apple2"}) {
        EXPECT_FALSE(bookmaker::StoredPhonetic(QString::fromUtf8(foreign), stored, error)) << foreign;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(BookmakerPhonetics, TheVoicesDictionaryGivesIpaWithStressBeforeTheSyllable)
{
    EXPECT_EQ(bookmaker::VoiceIpa(QStringLiteral("banana")), QStringLiteral("bəˈnænə"));
    EXPECT_EQ(bookmaker::VoiceIpa(QStringLiteral("Good morning!")), QStringLiteral("gʊd ˈmɔrnɪŋ"));
    // The onset goes with its stressed syllable; a later stress is secondary.
    EXPECT_EQ(bookmaker::VoiceIpa(QStringLiteral("restaurant")), QStringLiteral("ˈrɛstərˌɑnt"));
    EXPECT_EQ(bookmaker::VoiceIpa(QStringLiteral("hello")), QStringLiteral("həˈloʊ"));
    EXPECT_EQ(bookmaker::VoiceIpa(QStringLiteral("strong")), QStringLiteral("strɔŋ"));
    EXPECT_TRUE(bookmaker::VoiceIpa(QStringLiteral("42 !")).isEmpty());
}

TEST(BookmakerWordSource, WordsGetTheirStoredPhoneticAndFaultsNameTheirLines)
{
    bookmaker::WordSource source;
    QStringList errors;
    ASSERT_TRUE(bookmaker::ParseWordSource(QString::fromUtf8("\xEF\xBB\xBF# first words\n"
                                                            "book: 1 入门词汇\n"
                                                            "pace: 1.2\n"
                                                            "word: apple | ˈæpəl | n. 苹果\n"
                                                            "\n"
                                                            "word: good morning |  | 早上好\n"),
                                           QStringLiteral("w.txt"), source, errors))
        << errors.join('\n').toStdString();
    EXPECT_EQ(source.bookName, QString::fromUtf8("1 入门词汇"));
    EXPECT_EQ(source.pace, 1.2);
    ASSERT_EQ(source.words.size(), 2);
    EXPECT_EQ(source.words[0].stored, QStringLiteral("'1p4l"));
    EXPECT_EQ(source.words[0].line, 4);
    // No IPA given: the voice's own.
    EXPECT_EQ(source.words[1].ipa, QStringLiteral("gʊd ˈmɔrnɪŋ"));
    EXPECT_EQ(source.words[1].meaning, QString::fromUtf8("早上好"));

    EXPECT_FALSE(bookmaker::ParseWordSource(QString::fromUtf8("book: b\n"
                                                             "word: apple | ˈæpəl | 苹果\n"
                                                             "word: Apple | ˈæpəl | 苹果\n"
                                                             "word: check-in | ˈtʃɛkɪn | 登记\n"
                                                             "word: cat | /kæt/ | 猫\n"
                                                             "word: cat | kæt\n"
                                                             "word: dog | dɔɡ | 一种常见的家养动物，是人类最忠实的朋友之一\n"
                                                             "pace: 3\n"),
                                            QStringLiteral("w.txt"), source, errors));
    for (const char* fault : {"w.txt:3: \"Apple\" is in the book already", "w.txt:4: \"check-in\"", "w.txt:5: \"cat\": \"/\"",
                              "w.txt:6: a word is", "w.txt:7: \"dog\": the meaning", "w.txt:8: pace"})
        EXPECT_TRUE(errors.join('\n').contains(QString::fromUtf8(fault))) << fault << "\n" << errors.join('\n').toStdString();
    EXPECT_FALSE(errors.join('\n').contains("w.txt:2:"));
}

TEST(BookmakerWordSource, EmptyMeaningsAndBareWordsAreToldPlainly)
{
    bookmaker::WordSource source;
    QStringList errors;
    EXPECT_FALSE(bookmaker::ParseWordSource(QString::fromUtf8("book: b\nword: pear |  |   \nword: '' |  | 撇号\n"),
                                            QStringLiteral("w.txt"), source, errors));
    EXPECT_EQ(errors.join('\n'), QStringLiteral("w.txt:2: \"pear\" has no meaning: write its Chinese meaning after the last \"|\"\n"
                                                "w.txt:3: \"''\": a word is letters, single spaces and apostrophes, at most 30 of them"));

    // A list given a "book:" line: one fault for all its bare words.
    const QString mixed = QString::fromUtf8("book: b\napple\nword: pear | | 梨\nplum\nfig\ncheck-in\n");
    EXPECT_FALSE(bookmaker::IsWordList(mixed));
    EXPECT_FALSE(bookmaker::ParseWordSource(mixed, QStringLiteral("w.txt"), source, errors));
    ASSERT_EQ(errors.size(), 2) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith("w.txt:6: expected \"key: value\"")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith("w.txt:2: lines 2, 4 and 5 are bare words among \"key: value\" lines"))
        << errors[1].toStdString();
}

TEST(BookmakerWordList, ListWordsGetTheVoicesIpaAndTheListsName)
{
    const QString text = QString::fromUtf8("\xEF\xBB\xBF# fruit\r\napple\r\n\r\n  orange juice  \r\n# drinks\r\nI'm sorry\r\n");
    ASSERT_TRUE(bookmaker::IsWordList(text));
    bookmaker::WordSource list;
    QStringList errors;
    ASSERT_TRUE(bookmaker::ParseWordList(text, QString::fromUtf8("1 水果.txt"), list, errors)) << errors.join('\n').toStdString();
    EXPECT_EQ(list.bookName, QString::fromUtf8("1 水果"));
    const QStringList english{"apple", "orange juice", "I'm sorry"};
    const QList<int> lines{2, 4, 6};
    ASSERT_EQ(list.words.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        EXPECT_EQ(list.words[i].english, english[i]);
        EXPECT_EQ(list.words[i].line, lines[i]);
        EXPECT_EQ(list.words[i].ipa, bookmaker::VoiceIpa(english[i]));
        EXPECT_FALSE(list.words[i].stored.isEmpty());
    }
}

TEST(BookmakerWordList, ListFaultsNameTheirLines)
{
    bookmaker::WordSource list;
    QStringList errors;
    EXPECT_FALSE(bookmaker::ParseWordList(
        QStringLiteral("apple\ncheck-in\nAPPLE\ngood  morning\nan apple a day keeps the doctor\n'\npear\n"),
        QStringLiteral("fruit.txt"), list, errors));
    const QString told = errors.join('\n');
    for (const char* fault : {"fruit.txt:2: \"check-in\": a word is", "fruit.txt:3: \"APPLE\" is in the list already (line 1)",
                              "fruit.txt:4: \"good  morning\": a word is", "fruit.txt:5: \"an apple a day keeps the doctor\": a word is",
                              "fruit.txt:6: \"'\": a word is"})
        EXPECT_TRUE(told.contains(fault)) << fault << "\n" << told.toStdString();
    EXPECT_EQ(errors.size(), 5) << told.toStdString();

    EXPECT_FALSE(bookmaker::ParseWordList(QStringLiteral("# only a comment\n\n"), QStringLiteral("none.txt"), list, errors));
    EXPECT_TRUE(errors.join('\n').startsWith("none.txt: no words")) << errors.join('\n').toStdString();
    // The book is named after the list, so the list's name must do for a book.
    EXPECT_FALSE(bookmaker::ParseWordList(QStringLiteral("apple\n"), QString::fromUtf8("水果😀.txt"), list, errors));
    EXPECT_TRUE(errors.join('\n').contains("cannot be a book's file name")) << errors.join('\n').toStdString();
}

using booktest::Bookmaker;
using booktest::Finished;

QString Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

TEST(BookmakerWordList, AListBecomesASourceAndThenABookThatPassesCheck)
{
    const QTemporaryDir folder;
    const QDir here(folder.path());
    const QString list = here.filePath("fruit.txt");
    const QString words = QStringLiteral("# fruit\napple\nbanana\n\norange juice\n");
    Write(list, words);
    const QString source = here.filePath("source/fruit.txt");
    const Finished made = Bookmaker({"word", list, here.filePath("source")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.contains(source + ": 3 words")) << made.out.toStdString();
    const QString written = Contents(source);
    EXPECT_TRUE(written.contains("bookmaker word fruit.txt OUTDIR")) << written.toStdString();

    // Neither a source the author may have begun nor the list itself is written over.
    const Finished again = Bookmaker({"word", list, here.filePath("source")});
    EXPECT_TRUE(again.exitCode == 1 && again.err.contains("is there already")) << again.err.toStdString();
    EXPECT_EQ(Contents(source), written);
    const Finished overList = Bookmaker({"word", list, folder.path()});
    EXPECT_TRUE(overList.exitCode == 1 && overList.err.contains("is the word list itself")) << overList.err.toStdString();
    EXPECT_EQ(Contents(list), words);

    // Each word's own line is named until its meaning is written.
    const Finished unfinished = Bookmaker({"word", source, here.filePath("program")});
    EXPECT_EQ(unfinished.exitCode, 1);
    const QStringList lines = written.split(u'\n');
    QStringList filled;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        filled.append(lines[i]);
        if (!lines[i].startsWith("word:"))
            continue;
        const QString english = lines[i].section(u'|', 0, 0).mid(5).trimmed();
        EXPECT_EQ(lines[i].section(u'|', 1, 1).trimmed(), bookmaker::VoiceIpa(english));
        const QString fault = QStringLiteral("fruit.txt:%1: \"%2\" has no meaning").arg(i + 1).arg(english);
        EXPECT_TRUE(unfinished.err.contains(fault)) << fault.toStdString() << "\n" << unfinished.err.toStdString();
        filled.last() += QString::fromUtf8(" 水果");
    }
    EXPECT_EQ(unfinished.err.count("has no meaning"), 3) << unfinished.err.toStdString();
    EXPECT_FALSE(here.exists("program/bdcBook"));

    Write(source, filled.join(u'\n'));
    const Finished compiled = Bookmaker({"word", source, here.filePath("program")});
    ASSERT_EQ(compiled.exitCode, 0) << compiled.err.toStdString();
    const Finished check = Bookmaker({"check", here.filePath("program/bdcBook/fruit.wd")});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains("fruit.wd: 3 words, recording found")) << check.out.toStdString();
}

} // namespace
