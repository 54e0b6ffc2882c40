// The built phonetic font: its family name and the IPA its display
// characters draw.

#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <gtest/gtest.h>

namespace {

constexpr qreal kPixelSize = 64;

quint32 GlyphFor(const QRawFont& font, QChar c)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(c));
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

// Glyph indexes differ between the subset and DejaVu, so glyphs are compared
// by what they draw.
void ExpectSameDrawing(const QRawFont& phonetic, QChar shown, const QRawFont& dejavu, QChar drawn)
{
    SCOPED_TRACE(QStringLiteral("%1 drawn as U+%2").arg(shown).arg(drawn.unicode(), 4, 16, QChar('0')).toStdString());
    const quint32 shownGlyph = GlyphFor(phonetic, shown);
    const quint32 drawnGlyph = GlyphFor(dejavu, drawn);
    ASSERT_NE(shownGlyph, 0u);
    ASSERT_NE(drawnGlyph, 0u);
    const QPainterPath expected = dejavu.pathForGlyph(drawnGlyph);
    const QPainterPath actual = phonetic.pathForGlyph(shownGlyph);
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(actual.boundingRect(), expected.boundingRect());
    EXPECT_EQ(actual.elementCount(), expected.elementCount());
    EXPECT_EQ(phonetic.advancesForGlyphIndexes({shownGlyph}), dejavu.advancesForGlyphIndexes({drawnGlyph}));
}

TEST(PhoneticFont, LoadsUnderItsFamilyName)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(TINGDU_PHONETIC_FONT));
    ASSERT_NE(id, -1);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Kingsoft Phonetic Plain")});
    QFontDatabase::removeApplicationFont(id);
}

TEST(PhoneticFont, DisplayCharactersDrawIpaAndOtherCharactersStayThemselves)
{
    const QRawFont phonetic(QStringLiteral(TINGDU_PHONETIC_FONT), kPixelSize);
    const QRawFont dejavu(QStringLiteral(TINGDU_PHONETIC_FONT_SOURCE), kPixelSize);
    ASSERT_TRUE(phonetic.isValid());
    ASSERT_TRUE(dejavu.isValid());

    const std::pair<char, char16_t> table[] = {
        {'B', u'æ'}, {'Q', u'ɑ'}, {'E', u'ɔ'}, {'Z', u'ə'}, {'A', u'ɛ'}, {'R', u'ɪ'},
        {'F', u'ʊ'}, {'T', u'ʌ'}, {'N', u'θ'}, {'W', u'ð'}, {'V', u'ŋ'}, {'5', u'\u02C8'},
        {'7', u'\u02CC'}, {'S', u'ʃ'}, {'J', u'ʒ'}, {':', u'\u02D0'},
    };
    for (const auto& [shown, ipa] : table)
        ExpectSameDrawing(phonetic, QChar(shown), dejavu, QChar(ipa));

    // Letters and digits outside the table, and the apostrophe books store.
    for (const char plain : {'b', 'p', 'l', 'C', '1', '\''})
        ExpectSameDrawing(phonetic, QChar(plain), dejavu, QChar(plain));
}

} // namespace
