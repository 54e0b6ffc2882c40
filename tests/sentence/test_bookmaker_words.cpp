// Word book sources and the phonetic transcriptions the bookmaker writes
// into word books.

#include "Phonetics.h"
#include "WordSource.h"

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
}

} // namespace
