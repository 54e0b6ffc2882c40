// The help pages' rich text: what the learner sees once a page is written
// into a rich-text document, as the help dialog's box shows it.

#include "controls/RtfReader.h"
#include "platform/TextEncoding.h"

#include <QFile>
#include <QRegularExpression>
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
std::vector<TextRun> RunsOf(const QTextDocument& document)
{
    std::vector<TextRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    }
    return runs;
}

std::vector<TextRun> RunsOf(const QByteArray& rtf)
{
    QTextDocument document;
    ShowRichText(document, ReadRtf(rtf));
    return RunsOf(document);
}

QString PlainText(const QByteArray& rtf)
{
    QTextDocument document;
    ShowRichText(document, ReadRtf(rtf));
    return document.toPlainText();
}

QString RunText(const RichParagraph& paragraph, size_t run)
{
    qsizetype start = 0;
    for (size_t k = 0; k < run; ++k)
        start += paragraph.runs[k].length;
    return paragraph.text.mid(start, paragraph.runs[run].length);
}

QByteArray ReadHelpPage(const char* name)
{
    QFile file(QStringLiteral(TINGDU_SOURCE_DIR "/data/help/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
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
    const std::vector<TextRun> runs = RunsOf(rtf);

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
    ShowRichText(document, ReadRtf("{\\rtf1\\pard\\qc centred\\par\\pard left\\par}"));
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

TEST(RtfReader, OurHelpPagesShowTheirTextAndFormats)
{
    const struct {
        const char* file;
        const char* heading;
        const char* firstWords;   // the start of the first paragraph after the heading
    } pages[] = {{"1.rtf", "主要特色", "听读英语是一套在电脑上练习英语听力"},
                 {"2.rtf", "学习方法", "学语言最重要的是多听、多说、多写。"},
                 {"3.rtf", "主要功能", "软件启动后进入主菜单。"}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.file);
        const QByteArray rtf = ReadHelpPage(page.file);
        QTextDocument document;
        ShowRichText(document, ReadRtf(rtf));

        // One line of the box for every \par of the page.
        EXPECT_EQ(document.blockCount(), QString::fromLatin1(rtf).count(QRegularExpression("\\\\par(?![a-z])")));
        const QString text = document.toPlainText();
        EXPECT_FALSE(text.contains('\\'));
        EXPECT_FALSE(text.contains(QChar(0xFFFD)));

        // The heading: centred, large, bold, dark blue, with space around it.
        const QTextBlock heading = document.begin();
        EXPECT_EQ(heading.text(), QString::fromUtf8(page.heading));
        EXPECT_EQ(heading.blockFormat().alignment(), Qt::AlignHCenter);
        EXPECT_EQ(heading.blockFormat().topMargin(), 4);      // \sb60: 60 twips
        EXPECT_EQ(heading.blockFormat().bottomMargin(), 8);   // \sa120
        const QTextCharFormat headingFormat = heading.begin().fragment().charFormat();
        EXPECT_TRUE(IsBold(headingFormat));
        EXPECT_DOUBLE_EQ(headingFormat.fontPointSize(), 18.0);
        EXPECT_EQ(headingFormat.foreground().color(), QColor(0, 64, 128));

        // Body text: the page's own size (\fs21), left aligned.
        const QTextBlock body = heading.next();
        EXPECT_TRUE(body.text().startsWith(QString::fromUtf8(page.firstWords))) << body.text().toStdString();
        EXPECT_EQ(body.blockFormat().alignment(), Qt::AlignLeft | Qt::AlignAbsolute);
        EXPECT_DOUBLE_EQ(body.begin().fragment().charFormat().fontPointSize(), 10.5);
    }
}

TEST(RtfReader, OurFirstHelpPageKeepsItsBoldLeadWordsAndGreenBullets)
{
    const std::vector<TextRun> runs = RunsOf(ReadHelpPage("1.rtf"));
    const QTextCharFormat lead = FormatOf(runs, QString::fromUtf8("听读英语"));
    EXPECT_TRUE(IsBold(lead));
    EXPECT_DOUBLE_EQ(lead.fontPointSize(), 10.5);
    EXPECT_FALSE(lead.hasProperty(QTextFormat::ForegroundBrush));
    const QTextCharFormat course = FormatOf(runs, QString::fromUtf8("两套课程"));
    EXPECT_EQ(course.foreground().color(), QColor(160, 32, 32));
    int bullets = 0;
    for (const TextRun& run : runs) {
        if (run.text == QString::fromUtf8("•")) {
            ++bullets;
            EXPECT_EQ(run.format.foreground().color(), QColor(0, 112, 64));
            EXPECT_FALSE(IsBold(run.format));
        }
    }
    EXPECT_GE(bullets, 4);
}

TEST(RtfReader, RunsThatLookAlikeAreMergedAndKeepTheirFormat)
{
    // Colours 1 and 2 are the same red; \b0\b in between changes nothing.
    const QByteArray rtf =
        "{\\rtf1{\\colortbl ;\\red200\\green0\\blue0;\\red200\\green0\\blue0;}"
        "{\\b a}{\\b b}\\b c\\b0\\b d\\b0 e{\\cf1 f}{\\cf2 g}\\line{\\i h}\\par}";
    const RichText page = ReadRtf(rtf);
    ASSERT_EQ(page.paragraphs.size(), 1u);
    const RichParagraph& paragraph = page.paragraphs[0];
    EXPECT_EQ(paragraph.text, QString("abcdefg") + QChar::LineSeparator + "h");
    ASSERT_EQ(paragraph.runs.size(), 5u);
    EXPECT_EQ(RunText(paragraph, 0), "abcd");
    EXPECT_TRUE(paragraph.runs[0].format.bold);
    EXPECT_EQ(RunText(paragraph, 1), "e");
    EXPECT_EQ(paragraph.runs[1].format, RichTextFormat{});
    EXPECT_EQ(RunText(paragraph, 2), "fg");
    EXPECT_EQ(paragraph.runs[2].format.color, QColor(200, 0, 0));
    EXPECT_FALSE(paragraph.runs[2].format.bold);
    EXPECT_EQ(RunText(paragraph, 3), QString(QChar::LineSeparator));   // a line break takes no format
    EXPECT_EQ(RunText(paragraph, 4), "h");
    EXPECT_TRUE(paragraph.runs[4].format.italic);

    // In the document each merged run is one fragment with its format.
    const std::vector<TextRun> runs = RunsOf(rtf);
    EXPECT_TRUE(IsBold(FormatOf(runs, "abcd")));
    EXPECT_EQ(FormatOf(runs, "fg").foreground().color(), QColor(200, 0, 0));
}

TEST(RtfReader, DamagedRtfGivesTheTextItHolds)
{
    // An unterminated group, a lone \'h at the end, a cut \'h before text.
    EXPECT_EQ(PlainText("{\\rtf1 {\\b open"), "open");
    EXPECT_EQ(PlainText("{\\rtf1 cut \\'4"), "cut ");
    EXPECT_EQ(PlainText("{\\rtf1 a\\'4x b}"), "ax b");
    // \binN larger than the file, or negative, skips at most the rest.
    EXPECT_EQ(PlainText("{\\rtf1 before\\bin2147483647 after}"), "before");
    EXPECT_EQ(PlainText("{\\rtf1 a\\bin-5 b}"), "ab");
    // \uN out of range shows nothing, and still skips its fallback.
    EXPECT_EQ(PlainText("{\\rtf1 a\\u-99999?b\\u1114112?c\\u0?d}"), "abcd");
    // A character beyond U+FFFF written as its two halves.
    EXPECT_EQ(PlainText("{\\rtf1\\uc0 \\u-10179\\u-8704 }"), QString::fromUtf8("😀"));
    // Characters that would split the paragraph or show as boxes are left out.
    QTextDocument document;
    ShowRichText(document, ReadRtf("{\\rtf1 a\\'0ab\\u8233?c\\'00d\\u10?e\\tab f}"));
    EXPECT_EQ(document.toPlainText(), "abcde\tf");
    EXPECT_EQ(document.blockCount(), 1);

    // Nesting far deeper than any page: the text inside still shows, and the
    // groups close again.
    const int depth = 200000;
    const QByteArray deep = "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " plain}";
    const std::vector<TextRun> runs = RunsOf(deep);
    EXPECT_TRUE(IsBold(FormatOf(runs, "deep")));
    EXPECT_FALSE(IsBold(FormatOf(runs, " plain")));
}

// ---------------------------------------------------------------------------
// Writing a page in slices.

QByteArray LongPage()
{
    // Many paragraphs, one of them far longer than a block, runs by turns.
    QByteArray rtf = "{\\rtf1{\\colortbl ;\\red0\\green0\\blue200;}";
    for (int k = 0; k < 300; ++k)
        rtf += "\\pard\\sb30\\sa60 line " + QByteArray::number(k) + " {\\b bold}{\\cf1 blue}\\par ";
    rtf += "\\pard\\sb150\\sa300 ";
    for (int k = 0; k < 3000; ++k)
        rtf += k % 2 ? "{\\i word} " : "word ";
    return rtf + "\\par end}";
}

// Every character with the format it is shown in.
std::vector<std::pair<QString, QTextCharFormat>> Characters(const QTextDocument& document)
{
    std::vector<std::pair<QString, QTextCharFormat>> characters;
    for (const TextRun& run : RunsOf(document)) {
        for (const QChar c : run.text)
            characters.emplace_back(QString(c), run.format);
    }
    return characters;
}

TEST(RichTextWriter, APageWrittenInSlicesIsThePageWrittenAtOnce)
{
    const RichText page = ReadRtf(LongPage());
    QTextDocument whole;
    ShowRichText(whole, page);

    QTextDocument sliced;
    sliced.setPlainText("what was there before");
    RichTextWriter writer(sliced, page);
    EXPECT_TRUE(sliced.isEmpty());
    int slices = 1;
    while (!writer.WriteSome(2000))
        ++slices;
    EXPECT_GT(slices, 10);
    EXPECT_EQ(sliced.toPlainText(), whole.toPlainText());
    EXPECT_EQ(Characters(sliced), Characters(whole));
    EXPECT_TRUE(writer.WriteSome(2000));   // nothing more to write
}

TEST(RichTextWriter, AParagraphLongerThanABlockGoesOnInNewLinesWithWordsWhole)
{
    const RichText page = ReadRtf(LongPage());
    QTextDocument document;
    ShowRichText(document, page);

    // The long paragraph is every block from the one starting "word".
    QTextBlock block = document.begin();
    while (block.isValid() && !block.text().startsWith("word"))
        block = block.next();
    ASSERT_TRUE(block.isValid());
    QString joined;
    std::vector<QTextBlock> pieces;
    for (; block.isValid() && block.text() != "end"; block = block.next()) {
        pieces.push_back(block);
        EXPECT_LE(block.length() - 1, RichTextWriter::kMaxBlockCharacters);
        EXPECT_TRUE(block.text().endsWith(' ')) << "a word was cut";
        joined += block.text();
    }
    ASSERT_GT(pieces.size(), 3u);
    EXPECT_EQ(joined, page.paragraphs[300].text);
    // Its space before is above the first piece, its space after below the last.
    EXPECT_EQ(pieces.front().blockFormat().topMargin(), 10);
    EXPECT_EQ(pieces.front().blockFormat().bottomMargin(), 0);
    EXPECT_EQ(pieces[1].blockFormat().topMargin(), 0);
    EXPECT_EQ(pieces.back().blockFormat().bottomMargin(), 20);
}

TEST(RichTextWriter, ABlockNeverEndsBetweenTheHalvesOfACharacter)
{
    // No spaces at all, and a character beyond U+FFFF at the block's end.
    RichParagraph paragraph;
    paragraph.text = QString(RichTextWriter::kMaxBlockCharacters - 1, QLatin1Char('x')) + QString::fromUtf8("😀") + "yz";
    paragraph.runs.push_back({paragraph.text.size(), {}});
    QTextDocument document;
    ShowRichText(document, RichText{std::vector<RichParagraph>{paragraph}});
    ASSERT_EQ(document.blockCount(), 2);
    EXPECT_FALSE(document.begin().text().back().isHighSurrogate());
    EXPECT_EQ(document.begin().text() + document.begin().next().text(), paragraph.text);
}

TEST(RichTextWriter, AParagraphOfVeryManyRunsGoesOnInNewLines)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int k = 0; k < 3 * RichTextWriter::kMaxBlockRuns; ++k)
        rtf += k % 2 ? "\\b0 b" : "\\b a";
    QTextDocument document;
    ShowRichText(document, ReadRtf(rtf + "}"));
    EXPECT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.toPlainText().remove('\n').size(), 3 * RichTextWriter::kMaxBlockRuns);
}

} // namespace
