// The dictation's deciding rules: what a typed character matches, and where
// typed words stand while typing and once repainted.

#include "sentence/DictationRules.h"

#include <gtest/gtest.h>

namespace {

using namespace sentence;

// Widths as a fixed-pitch face gives them: 10 px a character.
int Pitch10(const QString& text) { return 10 * int(text.size()); }

TEST(DictationRules, LettersMatchInEitherCaseQuotesAndInputMethodFormsAsTheirPlainKeys)
{
    EXPECT_TRUE(TypedMatches(u'h', u'H'));
    EXPECT_TRUE(TypedMatches(u'W', u'w'));
    EXPECT_FALSE(TypedMatches(u',', u'.'));
    EXPECT_FALSE(TypedMatches(u'H', ExpectedAt(QStringLiteral("Hi"), 0))); // a finished sentence
    EXPECT_FALSE(TypedMatches(u'\r', u' '));                               // Enter is never the space
    // The plain keys type a book's typographic apostrophes and quotes.
    EXPECT_TRUE(TypedMatches(u'\'', u'\u2018'));
    EXPECT_TRUE(TypedMatches(u'\'', u'\u2019'));
    EXPECT_TRUE(TypedMatches(u'"', u'\u201C'));
    EXPECT_TRUE(TypedMatches(u'"', u'\u201D'));
    EXPECT_FALSE(TypedMatches(u'"', u'\u2019'));
    // A Chinese input method's punctuation and full-width forms.
    EXPECT_TRUE(TypedMatches(u'\u2019', u'\''));
    EXPECT_TRUE(TypedMatches(u'\uFF0C', u',')); // ，
    EXPECT_TRUE(TypedMatches(u'\u3002', u'.')); // 。
    EXPECT_TRUE(TypedMatches(u'\uFF21', u'a')); // Ａ
    // A tab a book carries inside a word is typed, and drawn, as a space.
    EXPECT_TRUE(TypedMatches(u' ', u'\t'));
    EXPECT_EQ(DrawnCharacter(u'\t'), u' ');
}

TEST(DictationRules, ALineExactlyAsWideAsTheInputWrapsWhileTypingButNotWhenRepainted)
{
    const QString first(59, u'a'); // 590 px; with " bbbb" exactly 640
    const TypedWordPlace exact = PlaceTypedWord(first, QStringLiteral("bbbb"), Pitch10, 640);
    EXPECT_TRUE(exact.wraps);
    EXPECT_EQ(exact.lineText, QStringLiteral("bbbb"));
    EXPECT_EQ(exact.left, 0);
    EXPECT_EQ(exact.width, 40);
    const TypedWordPlace fits = PlaceTypedWord(first, QStringLiteral("bbb"), Pitch10, 640);
    EXPECT_FALSE(fits.wraps);
    EXPECT_EQ(fits.left, 600);

    const QStringList words{first, QStringLiteral("bbbb"), QStringLiteral("cc")};
    const QString sentence = words.join(u' ');
    const int all = int(sentence.size());
    EXPECT_EQ(RepaintedInk(sentence, words, all, Pitch10, 640),
              (std::vector<InkRun>{{first + QStringLiteral(" bbbb "), 0, 0}, {QStringLiteral("cc"), 0, 29}}));
    EXPECT_EQ(RepaintedInk(sentence, words, all, Pitch10, 639),
              (std::vector<InkRun>{{first + u' ', 0, 0}, {QStringLiteral("bbbb cc"), 0, 29}}));
    EXPECT_EQ(RepaintedInk(sentence, words, 3, Pitch10, 640), (std::vector<InkRun>{{QStringLiteral("aaa"), 0, 0}}));
    EXPECT_TRUE(RepaintedInk(sentence, words, -1, Pitch10, 640).empty());
}

} // namespace
