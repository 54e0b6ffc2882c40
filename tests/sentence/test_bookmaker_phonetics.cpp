// The phonetic transcriptions the bookmaker writes into word books.

#include "Phonetics.h"

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

} // namespace
