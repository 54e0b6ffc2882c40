// Text encoding and the font substitutions.

#include "PlatformDoubles.h"
#include "platform/Fonts.h"
#include "platform/SharedLibrary.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, GbkRoundTripsChineseAndAscii)
{
    const QString text = QStringLiteral("第1课 Hello, 你好！「引号」");
    const QByteArray gbk = platform::UnicodeToGbk(text);
    // Two bytes per Chinese character, one per ASCII character.
    EXPECT_EQ(gbk.size(), 2 * 9 + 9);
    EXPECT_EQ(gbk.left(2), QByteArray("\xB5\xDA"));
    EXPECT_EQ(platform::GbkToUnicode(gbk), text);
}

TEST(TextEncoding, DamagedBytesBecomeReplacementCharactersNotLostText)
{
    // A lead byte cut off at the end, and a byte GBK never uses.
    const QByteArray damaged = QByteArray("ab\xC4\xE3") + QByteArray("\xFF") + QByteArray("cd\xC4");
    const QString text = platform::GbkToUnicode(damaged);
    EXPECT_EQ(text, QStringLiteral("ab你\uFFFDcd\uFFFD"));
}

TEST(TextEncoding, CharactersGbkCannotHoldBecomeQuestionMarks)
{
    EXPECT_EQ(platform::UnicodeToGbk(QStringLiteral("a😀b한c")), QByteArray("a?b?c"));
}

TEST(Fonts, TheScreensFamiliesMapOntoInstalledOnes)
{
    RecordingFonts fonts;
    platform::InstallFonts(&fonts);
    platform::InstallFontSubstitutions();
    platform::InstallFonts(nullptr);
    std::map<QString, QString> mapped(fonts.substitutions.begin(), fonts.substitutions.end());
    EXPECT_EQ(mapped[QStringLiteral("楷体_GB2312")], QStringLiteral("AR PL KaitiM GB"));
    EXPECT_EQ(mapped[QStringLiteral("Arial")], QStringLiteral("Liberation Sans"));
    EXPECT_EQ(mapped[QStringLiteral("MS Sans Serif")], QStringLiteral("Liberation Sans"));
}

} // namespace

TEST(SharedLibrary, AMissingLibraryOrFunctionIsAProblemTextNotACrash)
{
    platform::SharedLibrary missing("libtingdu-no-such-library.so.0");
    EXPECT_FALSE(missing.Usable());
    EXPECT_TRUE(missing.Problem().contains(QStringLiteral("libtingdu-no-such-library.so.0")));
    int (*function)(int) = missing.Find<int(int)>("abs");
    EXPECT_EQ(function, nullptr);

    platform::SharedLibrary maths("libm.so.6");
    double (*squareRoot)(double) = maths.Find<double(double)>("sqrt");
    ASSERT_NE(squareRoot, nullptr);
    EXPECT_EQ(squareRoot(49.0), 7.0);
    EXPECT_TRUE(maths.Usable());
    double (*nothing)(double) = maths.Find<double(double)>("tingdu_no_such_function");
    EXPECT_EQ(nothing, nullptr);
    EXPECT_FALSE(maths.Usable());
    EXPECT_TRUE(maths.Problem().contains(QStringLiteral("tingdu_no_such_function")));
}
