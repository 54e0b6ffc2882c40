// The help pages' rich text: what the learner sees once the HTML we make is
// laid out by Qt's rich-text document, as the help dialog's box lays it out.

#include "controls/RtfReader.h"
#include "platform/TextEncoding.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace {

struct TextRun {
    QString text;
    QTextCharFormat format;
};

// The runs of text as the document holds them, paragraph after paragraph.
std::vector<TextRun> RunsOf(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    std::vector<TextRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    }
    return runs;
}

QString PlainText(const QByteArray& rtf)
{
    QTextDocument document;
    document.setHtml(RtfToHtml(rtf));
    return document.toPlainText();
}

// The format of the run reading exactly `text`; fails the test if none does.
QTextCharFormat FormatOf(const std::vector<TextRun>& runs, const QString& text)
{
    for (const TextRun& run : runs) {
        if (run.text == text)
            return run.format;
    }
    ADD_FAILURE() << "no run reads \"" << text.toStdString() << "\"";
    return {};
}

bool IsBold(const QTextCharFormat& format)
{
    return format.fontWeight() >= QFont::Bold;
}

QByteArray GbkEscaped(const QString& text)
{
    QByteArray escaped;
    for (const char byte : platform::UnicodeToGbk(text))
        escaped += "\\'" + QByteArray::number(static_cast<unsigned char>(byte), 16);
    return escaped;
}

TEST(RtfReader, CharacterFormattingReachesTheDocument)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil Arial;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
        "\\pard plain {\\b bold} {\\i italic} {\\ul under}\\ulnone  "
        "{\\fs36 big} {\\cf1 red} {\\cf2\\b navy} \\b\\i on\\b0 off\\plain reset\\par}";
    const std::vector<TextRun> runs = RunsOf(RtfToHtml(rtf));

    EXPECT_TRUE(IsBold(FormatOf(runs, "bold")));
    EXPECT_FALSE(FormatOf(runs, "bold").fontItalic());
    EXPECT_TRUE(FormatOf(runs, "italic").fontItalic());
    EXPECT_FALSE(IsBold(FormatOf(runs, "italic")));
    EXPECT_TRUE(FormatOf(runs, "under").fontUnderline());
    EXPECT_DOUBLE_EQ(FormatOf(runs, "big").fontPointSize(), 18.0);   // \fs counts half points
    EXPECT_EQ(FormatOf(runs, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(runs, "navy").foreground().color(), QColor(0, 0, 128));
    EXPECT_TRUE(IsBold(FormatOf(runs, "navy")));
    // Switches without a group: \b0 ends bold only, \plain ends everything.
    EXPECT_TRUE(IsBold(FormatOf(runs, "on")) && FormatOf(runs, "on").fontItalic());
    EXPECT_TRUE(!IsBold(FormatOf(runs, "off")) && FormatOf(runs, "off").fontItalic());
    EXPECT_FALSE(FormatOf(runs, "reset").fontItalic());

    // Groups end their formatting: the spaces between them are plain; the
    // font table is not text.
    for (const TextRun& run : runs) {
        if (run.text.trimmed().isEmpty()) {
            EXPECT_FALSE(IsBold(run.format) || run.format.fontItalic());
        }
        EXPECT_FALSE(run.text.contains("Arial"));
    }
}

TEST(RtfReader, ChineseFromGbkEscapesAndUnicodeEscapes)
{
    // Pairs of \'hh bytes are one GBK character each.
    EXPECT_EQ(PlainText("{\\rtf1\\ansi\\ansicpg936 " + GbkEscaped("学习方法") + "}"), "学习方法");
    // Mixed with ASCII.
    EXPECT_EQ(PlainText("{\\rtf1 A" + GbkEscaped("听") + "B}"), "A听B");

    // \uN with the default of one fallback character, which is skipped.
    EXPECT_EQ(PlainText("{\\rtf1 \\u21548?\\u35835?}"), "听读");
    // \uc2: two fallback characters, here a \'hh pair.
    EXPECT_EQ(PlainText("{\\rtf1\\uc2 \\u21548\\'cc\\'fd end}"), "听 end");
    // \uc0: nothing to skip.
    EXPECT_EQ(PlainText("{\\rtf1\\uc0 \\u21548 x}"), "听x");
    // Values above 32767 are written negative.
    EXPECT_EQ(PlainText("{\\rtf1 \\u-26159?}"), QString(QChar(char16_t(65536 - 26159))));
    // The skip count does not reach beyond the group.
    EXPECT_EQ(PlainText("{\\rtf1 {\\uc3 \\u21548}ab}"), "听ab");
}

TEST(RtfReader, ParagraphsLinesAndEscapedSymbols)
{
    EXPECT_EQ(PlainText("{\\rtf1 first\\par second\\line third\\par}"), QString("first\nsecond\nthird"));
    EXPECT_EQ(PlainText("{\\rtf1 \\{braces\\} and \\\\ back\\tab tab}"), "{braces} and \\ back\ttab");
    EXPECT_EQ(PlainText("{\\rtf1 \\ldblquote q\\rdblquote \\emdash}"), QString::fromUtf8("“q”—"));
    // Text that looks like markup stays text.
    EXPECT_EQ(PlainText("{\\rtf1 <b>not bold</b> & \"quoted\"}"), "<b>not bold</b> & \"quoted\"");
    // An empty \par is an empty line between paragraphs.
    EXPECT_EQ(PlainText("{\\rtf1 a\\par\\par b}"), "a\n\nb");
    // \qc centres the paragraph.
    QTextDocument document;
    document.setHtml(RtfToHtml("{\\rtf1\\pard\\qc centred\\par\\pard left\\par}"));
    const Qt::Alignment horizontal = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify;
    EXPECT_EQ(document.begin().blockFormat().alignment() & horizontal, Qt::AlignHCenter);
    EXPECT_EQ(document.begin().next().blockFormat().alignment() & horizontal, Qt::AlignLeft);
}

TEST(RtfReader, IgnorableDestinationsShowNothing)
{
    const QByteArray rtf =
        "{\\rtf1{\\*\\generator Writer 1.0;}{\\info{\\title Secret}{\\author Nobody}}"
        "{\\stylesheet{\\s0 Normal;}}{\\*\\unknowndest hidden}"
        "{\\pict\\pngblip 89504e470d0a1a0a}{\\*\\bkmkstart mark}"
        "shown\\bin3 {}}x}";   // three bytes of binary data, then text again
    EXPECT_EQ(PlainText(rtf), "shownx");
}

TEST(RtfReader, InputThatIsNotRtfShowsItsPlainText)
{
    EXPECT_EQ(PlainText("line one\nline <two> & more"), "line one\nline <two> & more");
    EXPECT_EQ(PlainText(QString::fromUtf8("纯文本，UTF-8").toUtf8()), QString::fromUtf8("纯文本，UTF-8"));
    EXPECT_EQ(PlainText(platform::UnicodeToGbk(QString::fromUtf8("国标码文本"))), QString::fromUtf8("国标码文本"));
    EXPECT_TRUE(PlainText(QByteArray()).isEmpty());
}

TEST(RtfReader, DamagedRtfNeverShowsControlWords)
{
    // Unbalanced groups, a cut escape, a cut control word, a huge number.
    const QByteArray samples[] = {
        "{\\rtf1 text}}}} more",
        "{\\rtf1 {{{ open \\'",
        "{\\rtf1 cut \\'4",
        "{\\rtf1 word\\fs99999999999999999999 big\\",
        "{\\rtf1 \\u",
        "{\\rtf1 \\bin99999999 x",
    };
    for (const QByteArray& rtf : samples) {
        const QString text = PlainText(rtf);
        EXPECT_FALSE(text.contains('\\')) << rtf.constData() << " -> " << text.toStdString();
        EXPECT_FALSE(text.contains("rtf1")) << rtf.constData();
    }
    EXPECT_EQ(PlainText("{\\rtf1 text}}}} more"), "text more");
}

TEST(RtfReader, OurHelpPagesReadAsChineseText)
{
    const struct {
        const char* file;
        const char* heading;
    } pages[] = {{"1.rtf", "主要特色"}, {"2.rtf", "学习方法"}, {"3.rtf", "主要功能"}};
    for (const auto& page : pages) {
        QFile file(QStringLiteral(TINGDU_SOURCE_DIR "/data/help/") + page.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.file;
        const QString text = PlainText(file.readAll());
        EXPECT_TRUE(text.contains(QString::fromUtf8(page.heading))) << page.file;
        EXPECT_FALSE(text.contains('\\')) << page.file;
        EXPECT_FALSE(text.contains(QChar(0xFFFD))) << page.file;
        EXPECT_GT(text.size(), 200) << page.file;
    }
}

} // namespace
