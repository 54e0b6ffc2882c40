// The exercises' word split: spaces only, runs of spaces once, punctuation
// on its word, blanks and control characters trimmed from the ends.

#include "sentence/SentenceWords.h"

#include <gtest/gtest.h>

namespace {

using sentence::JoinWords;
using sentence::SplitWords;

TEST(SentenceWords, SplitsAtSpacesOnlyAndJoinsWithSingleSpaces)
{
    EXPECT_EQ(SplitWords(QStringLiteral("  Hello,  world!\t\r\n")),
              (QStringList{QStringLiteral("Hello,"), QStringLiteral("world!")}));
    EXPECT_EQ(JoinWords(SplitWords(QStringLiteral("I'm   fine,\tthanks."))), QStringLiteral("I'm fine,\tthanks."));
    EXPECT_EQ(SplitWords(QStringLiteral("Yes")), QStringList{QStringLiteral("Yes")});
    EXPECT_TRUE(SplitWords(QStringLiteral(" \t\n ")).isEmpty());
    EXPECT_TRUE(SplitWords(QString()).isEmpty());
}

} // namespace
