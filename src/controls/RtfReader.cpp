#include "RtfReader.h"

#include "platform/TextEncoding.h"

#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Formatting state. RTF scopes formatting by groups: every '{' saves the
// state and the matching '}' restores it.

enum class Destination {
    Text,        // ordinary document text
    ColorTable,  // \colortbl: colour definitions
    Skipped,     // anything that is not shown: font table, pictures, \* groups ...
};

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;   // 0: the box's own size
    int colorIndex = 0;   // into the colour table; 0 is the automatic colour

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct ParagraphFormat {
    RichAlignment alignment = RichAlignment::Left;
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    int leftIndentTwips = 0;
};

struct State {
    Destination destination = Destination::Text;
    CharFormat format;
    ParagraphFormat paragraph;
    int unicodeSkip = 1;   // \ucN: how many characters stand in for each \uN
};

struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool automatic = true;   // an entry without components: the default colour
};

// ---------------------------------------------------------------------------
// Control words. A page has one for every few characters, so each is looked
// up once in a table rather than compared against every word we know.

enum class Word {
    Unknown, SkippedDestination, ColorTable, Red, Green, Blue, AnsiCodePage, UnicodeSkip, Unicode,
    Binary, Paragraph, Line, ParagraphDefaults, Plain, Bold, Italic, UnderlineNone, Underline,
    FontSize, Color, AlignLeft, AlignCenter, AlignRight, AlignJustify, SpaceBefore, SpaceAfter,
    LeftIndent, Symbol,
};

struct WordMeaning {
    Word word = Word::Unknown;
    char16_t symbol = 0;   // for Word::Symbol
};

using WordTable = std::unordered_map<std::string_view, WordMeaning>;

WordTable MakeWordTable()
{
    WordTable table{
        {"colortbl", {Word::ColorTable}}, {"red", {Word::Red}}, {"green", {Word::Green}},
        {"blue", {Word::Blue}}, {"ansicpg", {Word::AnsiCodePage}}, {"uc", {Word::UnicodeSkip}},
        {"u", {Word::Unicode}}, {"bin", {Word::Binary}}, {"par", {Word::Paragraph}},
        {"sect", {Word::Paragraph}}, {"page", {Word::Paragraph}}, {"line", {Word::Line}},
        {"pard", {Word::ParagraphDefaults}}, {"plain", {Word::Plain}}, {"b", {Word::Bold}},
        {"i", {Word::Italic}}, {"ulnone", {Word::UnderlineNone}}, {"fs", {Word::FontSize}},
        {"cf", {Word::Color}}, {"ql", {Word::AlignLeft}}, {"qc", {Word::AlignCenter}},
        {"qr", {Word::AlignRight}}, {"qj", {Word::AlignJustify}}, {"sb", {Word::SpaceBefore}},
        {"sa", {Word::SpaceAfter}}, {"li", {Word::LeftIndent}},
        {"tab", {Word::Symbol, u'\t'}}, {"emdash", {Word::Symbol, u'\u2014'}},
        {"endash", {Word::Symbol, u'\u2013'}}, {"bullet", {Word::Symbol, u'\u2022'}},
        {"lquote", {Word::Symbol, u'\u2018'}}, {"rquote", {Word::Symbol, u'\u2019'}},
        {"ldblquote", {Word::Symbol, u'\u201C'}}, {"rdblquote", {Word::Symbol, u'\u201D'}},
        {"emspace", {Word::Symbol, u' '}}, {"enspace", {Word::Symbol, u' '}},
        {"qmspace", {Word::Symbol, u' '}},
    };
    for (const char* underline : {"ul", "uld", "uldb", "ulw", "ulth", "uldash", "ulwave"})
        table[underline] = {Word::Underline};
    // Destinations whose content is never shown.
    for (const char* skipped :
         {"fonttbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl",
          "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst",
          "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
          "colorschememapping", "latentstyles", "datastore", "filetbl", "revtbl", "pgdsctbl",
          "bkmkstart", "bkmkend", "nonshppict", "shpinst", "sp", "sn", "sv", "txe", "author",
          "operator", "title", "subject", "keywords", "comment", "doccomm", "annotation",
          "atnid", "atnauthor", "template", "userprops", "mmathPr", "wgrffmtfilter", "panose",
          "falt", "fname", "protusertbl", "passwordhash", "ftnsep", "ftnsepc", "ftncn",
          "aftnsep", "aftnsepc", "aftncn", "pntxta", "pntxtb", "listtext"})
        table[skipped] = {Word::SkippedDestination};
    return table;
}

WordMeaning MeaningOf(std::string_view word)
{
    static const WordTable table = MakeWordTable();
    const auto found = table.find(word);
    return found == table.end() ? WordMeaning{} : found->second;
}

// Characters a text document takes for paragraph or frame boundaries, and
// other control characters, would break the page apart or show as boxes.
bool IsShowable(char16_t c)
{
    if (c < 0x20)
        return c == u'\t';
    return c != u'\u2029' && c != u'\uFDD0' && c != u'\uFDD1';
}

void AppendShowable(QString& to, QStringView text)
{
    for (const QChar c : text) {
        if (IsShowable(c.unicode()))
            to += c;
    }
}

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// ---------------------------------------------------------------------------

class RtfConverter {
public:
    explicit RtfConverter(const QByteArray& rtf) : in_(rtf) {}

    RichText Convert()
    {
        while (pos_ < in_.size())
            Step();
        EndParagraph(false);
        return std::move(page_);
    }

private:
    // Groups nested deeper than this still count, but no longer save the
    // state: a damaged file of nothing but '{' must not take up memory.
    static constexpr size_t kMaxSavedGroups = 1000;

    // One token of input.
    void Step()
    {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            OpenGroup();
            return;
        }
        if (c == '}') {
            ++pos_;
            CloseGroup();
            return;
        }
        if (c == '\\') {
            ++pos_;
            ControlSequence();
            return;
        }
        ++pos_;
        if (c == '\r' || c == '\n')
            return;   // line breaks in the file are not text
        if (ConsumedBySkip())
            return;
        if (state_.destination == Destination::ColorTable) {
            if (c == ';')
                colors_.push_back(std::exchange(pendingColor_, RgbColor{}));
            return;
        }
        AddByte(c);
    }

    void OpenGroup()
    {
        skipCount_ = 0;
        if (stack_.size() < kMaxSavedGroups)
            stack_.push_back(state_);
        else
            ++unsavedGroups_;
    }

    void CloseGroup()
    {
        skipCount_ = 0;
        if (unsavedGroups_ > 0) {
            --unsavedGroups_;
        } else if (!stack_.empty()) {
            state_ = stack_.back();
            stack_.pop_back();
        }
    }

    void ControlSequence()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            HexByte();
            return;
        case '*':
            state_.destination = Destination::Skipped;   // an optional destination we do not know
            return;
        case '\r':
        case '\n':
            if (!ConsumedBySkip())
                EndParagraph(true);
            return;
        case '\\':
        case '{':
        case '}':
            if (!ConsumedBySkip())
                AddByte(c);
            return;
        case '~':
            if (!ConsumedBySkip())
                AddCharacter(u'\u00A0');
            return;
        case '_':
            if (!ConsumedBySkip())
                AddCharacter(u'\u2011');
            return;
        default:
            ConsumedBySkip();   // \- \| \: and the like show nothing
            return;
        }
    }

    // \'hh: one byte of text. A cut escape (one digit or none) stands for no
    // byte, but still counts as a fallback character after \uN.
    void HexByte()
    {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size()) {
            const int digit = HexDigit(in_[pos_]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
            ++digits;
            ++pos_;
        }
        if (ConsumedBySkip() || digits < 2)
            return;
        AddByte(char(value));
    }

    void ControlWord()
    {
        const qsizetype start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        // No control word is longer; a longer run of letters is still one word.
        const std::string_view word(in_.constData() + start, size_t(std::min<qsizetype>(pos_ - start, 32)));
        bool hasParameter = false;
        int parameter = 0;
        ReadParameter(hasParameter, parameter);
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;   // the space that ends a control word belongs to it

        const WordMeaning meaning = MeaningOf(word);
        if (meaning.word == Word::Binary) {
            // Raw binary data follows; never text.
            pos_ += std::clamp<qsizetype>(parameter, 0, in_.size() - pos_);
            return;
        }
        if (ConsumedBySkip())
            return;
        if (meaning.word == Word::Unicode) {
            AddUnicode(parameter);
            return;
        }
        Apply(meaning, hasParameter, parameter);
    }

    void ReadParameter(bool& hasParameter, int& parameter)
    {
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        qint64 value = 0;
        int digits = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            if (digits < 10)
                value = value * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        hasParameter = digits > 0;
        value = std::min<qint64>(value, 0x7FFFFFFF);
        parameter = int(negative ? -value : value);
    }

    void Apply(const WordMeaning& meaning, bool hasParameter, int parameter)
    {
        if (meaning.word == Word::SkippedDestination) {
            state_.destination = Destination::Skipped;
        } else if (meaning.word == Word::ColorTable) {
            state_.destination = Destination::ColorTable;
            pendingColor_ = RgbColor{};
        } else if (state_.destination == Destination::ColorTable) {
            ColorComponent(meaning.word, parameter);
        } else if (state_.destination == Destination::Text) {
            ApplyToText(meaning, hasParameter, parameter);
        }
    }

    void ApplyToText(const WordMeaning& meaning, bool hasParameter, int parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        CharFormat& format = state_.format;
        ParagraphFormat& paragraph = state_.paragraph;
        switch (meaning.word) {
        case Word::AnsiCodePage: gbkText_ = parameter == 936 || parameter == 0; break;
        case Word::UnicodeSkip: state_.unicodeSkip = std::max(parameter, 0); break;
        case Word::Paragraph: EndParagraph(true); break;
        case Word::Line: LineBreak(); break;
        case Word::ParagraphDefaults: paragraph = ParagraphFormat{}; break;
        case Word::Plain: format = CharFormat{}; break;
        case Word::Bold: format.bold = on; break;
        case Word::Italic: format.italic = on; break;
        case Word::UnderlineNone: format.underline = false; break;
        case Word::Underline: format.underline = on; break;
        case Word::FontSize: format.halfPoints = hasParameter && parameter > 0 ? std::min(parameter, 2000) : 0; break;
        case Word::Color: format.colorIndex = std::max(parameter, 0); break;
        case Word::AlignLeft: paragraph.alignment = RichAlignment::Left; break;
        case Word::AlignCenter: paragraph.alignment = RichAlignment::Center; break;
        case Word::AlignRight: paragraph.alignment = RichAlignment::Right; break;
        case Word::AlignJustify: paragraph.alignment = RichAlignment::Justify; break;
        case Word::SpaceBefore: paragraph.spaceBeforeTwips = std::clamp(parameter, 0, 20000); break;
        case Word::SpaceAfter: paragraph.spaceAfterTwips = std::clamp(parameter, 0, 20000); break;
        case Word::LeftIndent: paragraph.leftIndentTwips = std::clamp(parameter, 0, 20000); break;
        case Word::Symbol: AddCharacter(meaning.symbol); break;
        default: break;   // every other control word changes nothing we show
        }
    }

    void ColorComponent(Word word, int value)
    {
        value = std::clamp(value, 0, 255);
        if (word == Word::Red)
            pendingColor_.red = value;
        else if (word == Word::Green)
            pendingColor_.green = value;
        else if (word == Word::Blue)
            pendingColor_.blue = value;
        else
            return;
        pendingColor_.automatic = false;
    }

    // After \uN, the next unicodeSkip characters are a fallback for readers
    // that do not know \u: a byte, a \'hh or a control word counts as one.
    bool ConsumedBySkip()
    {
        if (skipCount_ <= 0)
            return false;
        --skipCount_;
        return true;
    }

    // \uN is a signed 16-bit value; a character beyond U+FFFF comes as two
    // of them, the halves of a surrogate pair, which join in the text.
    void AddUnicode(int value)
    {
        if (state_.destination == Destination::Text) {
            const char32_t code = value < 0 ? char32_t(value + 65536) : char32_t(value);
            if (code <= 0xFFFF && IsShowable(char16_t(code)))
                AddText(QString(QChar(char16_t(code))));
            else if (code > 0xFFFF && code < 0x110000)
                AddText(QString::fromUcs4(&code, 1));
        }
        skipCount_ = state_.unicodeSkip;
    }

    // ---- text and runs ----------------------------------------------------

    // Text bytes wait here until something else comes, then are decoded
    // together: two \'hh escapes in a row make one Chinese character.
    void AddByte(char byte)
    {
        if (state_.destination != Destination::Text)
            return;
        StartRunIfFormatChanged();
        // Plain ASCII needs no decoding, unless it may end a GBK pair.
        if (pendingBytes_.isEmpty() && static_cast<unsigned char>(byte) < 0x80) {
            if (IsShowable(char16_t(byte)))
                paragraph_.text += QLatin1Char(byte);
            return;
        }
        pendingBytes_.append(byte);
    }

    void AddCharacter(char16_t character) { AddText(QString(QChar(character))); }

    void AddText(const QString& text)
    {
        if (state_.destination != Destination::Text)
            return;
        StartRunIfFormatChanged();
        DecodePendingBytes();
        paragraph_.text += text;
    }

    void StartRunIfFormatChanged()
    {
        if (state_.format == runFormat_)
            return;
        EndRun();
        runFormat_ = state_.format;
    }

    void DecodePendingBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        const bool decoded = gbkText_ && !IsAscii(pendingBytes_);
        AppendShowable(paragraph_.text, decoded ? platform::GbkToUnicode(pendingBytes_) : QString::fromLatin1(pendingBytes_));
        pendingBytes_.resize(0);   // keeps its room for the next bytes
    }

    void EndRun()
    {
        DecodePendingBytes();
        const qsizetype length = paragraph_.text.size() - runStart_;
        if (length == 0)
            return;
        AppendRun(Resolved(runFormat_), length);
    }

    // Runs that look alike are one run, even when the page switched its
    // formatting off and on again between them.
    void AppendRun(const RichTextFormat& format, qsizetype length)
    {
        std::vector<RichTextRun>& runs = paragraph_.runs;
        if (!runs.empty() && runs.back().format == format)
            runs.back().length += length;
        else
            runs.push_back({length, format});
        runStart_ = paragraph_.text.size();
    }

    RichTextFormat Resolved(const CharFormat& format) const
    {
        RichTextFormat resolved{format.bold, format.italic, format.underline, format.halfPoints, {}};
        if (format.colorIndex > 0 && format.colorIndex < qsizetype(colors_.size())) {
            const RgbColor& color = colors_[size_t(format.colorIndex)];
            if (!color.automatic)
                resolved.color = QColor(color.red, color.green, color.blue);
        }
        return resolved;
    }

    // A line break belongs to the paragraph, not to the run around it: it
    // takes no formatting.
    void LineBreak()
    {
        EndRun();
        paragraph_.text += QChar::LineSeparator;
        AppendRun(RichTextFormat{}, 1);
    }

    // Closes the current paragraph; `explicitEnd` is true for \par, which
    // makes a paragraph even when it is empty (an empty line).
    void EndParagraph(bool explicitEnd)
    {
        EndRun();
        if (!explicitEnd && paragraph_.runs.empty())
            return;
        const ParagraphFormat& format = state_.paragraph;
        paragraph_.alignment = format.alignment;
        // Twips to pixels at the usual 96 dots per inch: 15 twips a pixel.
        paragraph_.spaceBeforePixels = format.spaceBeforeTwips / 15;
        paragraph_.spaceAfterPixels = format.spaceAfterTwips / 15;
        paragraph_.leftIndentPixels = format.leftIndentTwips / 15;
        page_.paragraphs.push_back(std::exchange(paragraph_, RichParagraph{}));
        runStart_ = 0;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    State state_;
    std::vector<State> stack_;
    size_t unsavedGroups_ = 0;
    int skipCount_ = 0;
    bool gbkText_ = true;   // \ansicpg936, the code page of our pages

    std::vector<RgbColor> colors_;
    RgbColor pendingColor_;

    QByteArray pendingBytes_;
    CharFormat runFormat_;
    qsizetype runStart_ = 0;   // where the run being read starts in the paragraph's text
    RichParagraph paragraph_;
    RichText page_;
};

// ---------------------------------------------------------------------------
// Input that is not RTF is shown as the text it is: UTF-8 when it is valid
// UTF-8, otherwise GBK.

bool LooksLikeRtf(const QByteArray& bytes)
{
    return bytes.trimmed().startsWith("{\\rtf");
}

QString DecodePlainText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? platform::GbkToUnicode(bytes) : text;
}

RichText PlainTextPage(const QByteArray& bytes)
{
    QString text = DecodePlainText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RichText page;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        RichParagraph paragraph;
        AppendShowable(paragraph.text, line);
        if (!paragraph.text.isEmpty())
            paragraph.runs.push_back({paragraph.text.size(), {}});
        page.paragraphs.push_back(std::move(paragraph));
    }
    return page;
}

// ---------------------------------------------------------------------------
// The document: formats as the rich-text box's HTML import sets them, so a
// page looks as it always has.

Qt::Alignment DocumentAlignment(RichAlignment alignment)
{
    switch (alignment) {
    case RichAlignment::Left: return Qt::AlignLeft | Qt::AlignAbsolute;
    case RichAlignment::Center: return Qt::AlignHCenter;
    case RichAlignment::Right: return Qt::AlignRight | Qt::AlignAbsolute;
    case RichAlignment::Justify: return Qt::AlignJustify;
    case RichAlignment::Natural: break;
    }
    return {};
}

QTextBlockFormat BlockFormat(const RichParagraph& paragraph)
{
    QTextBlockFormat format;
    if (paragraph.alignment != RichAlignment::Natural)
        format.setAlignment(DocumentAlignment(paragraph.alignment));
    if (paragraph.spaceBeforePixels > 0)
        format.setTopMargin(paragraph.spaceBeforePixels);
    if (paragraph.spaceAfterPixels > 0)
        format.setBottomMargin(paragraph.spaceAfterPixels);
    if (paragraph.leftIndentPixels > 0)
        format.setLeftMargin(paragraph.leftIndentPixels);
    return format;
}

QTextCharFormat DocumentCharFormat(const RichTextFormat& run)
{
    QTextCharFormat format;
    if (run.halfPoints > 0)
        format.setFontPointSize(run.halfPoints / 2.0);
    if (run.color.isValid())
        format.setForeground(run.color);
    if (run.bold)
        format.setFontWeight(QFont::Bold);
    if (run.italic)
        format.setFontItalic(true);
    if (run.underline) {
        // The HTML import sets the older underline property besides the style.
        format.setProperty(QTextFormat::FontUnderline, true);
        format.setFontUnderline(true);
    }
    return format;
}

// Where to end a block that has `room` characters left within `text`: after
// the last space or line break near the end of the room, so that words stay
// whole, else at the room's end, never between the halves of a surrogate pair.
qsizetype BlockCut(QStringView text, qsizetype room)
{
    constexpr qsizetype kLookBack = 200;
    for (qsizetype k = room; k > 0 && k > room - kLookBack; --k) {
        const QChar c = text[k - 1];
        if (c == u' ' || c == QChar::LineSeparator)
            return k;
    }
    if (room > 0 && text[room - 1].isHighSurrogate())
        return room > 1 ? room - 1 : room + 1;
    return std::max<qsizetype>(room, 1);
}

} // namespace

RichText ReadRtf(const QByteArray& rtf)
{
    if (!LooksLikeRtf(rtf))
        return PlainTextPage(rtf);
    return RtfConverter(rtf).Convert();
}

RichTextWriter::RichTextWriter(QTextDocument& document, RichText text)
    : document_(&document), text_(std::move(text))
{
    // Emptied on its own, so that the layout takes what follows as a new page.
    document.clear();
    cursor_ = QTextCursor(&document);
}

bool RichTextWriter::WriteSome(qsizetype budget)
{
    if (!document_)
        return true;
    const bool undoable = document_->isUndoRedoEnabled();
    document_->setUndoRedoEnabled(false);
    cursor_.beginEditBlock();
    while (!Finished()) {
        const RichParagraph& paragraph = text_.paragraphs[paragraph_];
        if (paragraphStarted_ && run_ >= paragraph.runs.size()) {
            NextParagraph();
            continue;
        }
        // A slice ends only where a block would begin: the box lays out a
        // block again whenever it grows, so each is written in one go.
        const bool opensBlock = !paragraphStarted_ || blockFull_;
        if (opensBlock && budget <= 0)
            break;
        if (!paragraphStarted_)
            StartParagraph(paragraph);
        else if (blockFull_)
            ContinueParagraph(paragraph);
        if (opensBlock)
            budget -= kBlockCost;
        if (run_ < paragraph.runs.size())
            WriteRun(paragraph, paragraph.runs[run_], budget);
    }
    cursor_.endEditBlock();
    document_->setUndoRedoEnabled(undoable);
    document_->setModified(false);
    return Finished();
}

void RichTextWriter::WriteRun(const RichParagraph& paragraph, const RichTextRun& run, qsizetype& budget)
{
    const QStringView rest = QStringView(paragraph.text).sliced(runStart_ + runOffset_, run.length - runOffset_);
    const qsizetype room = kMaxBlockCharacters - blockCharacters_;
    const qsizetype length = rest.size() <= room ? rest.size() : BlockCut(rest, room);
    cursor_.insertText(rest.first(length).toString(), CharacterFormat(run.format));
    blockCharacters_ += length;
    ++blockRuns_;
    budget -= length + kRunCost;
    if (length < rest.size()) {
        runOffset_ += length;
        blockFull_ = true;
        return;
    }
    runStart_ += run.length;
    runOffset_ = 0;
    ++run_;
    blockFull_ = blockCharacters_ >= kMaxBlockCharacters || blockRuns_ >= kMaxBlockRuns;
}

void RichTextWriter::NextParagraph()
{
    ++paragraph_;
    run_ = 0;
    runStart_ = 0;
    paragraphStarted_ = false;
}

void RichTextWriter::StartParagraph(const RichParagraph& paragraph)
{
    if (paragraph_ == 0)
        cursor_.setBlockFormat(BlockFormat(paragraph));
    else
        cursor_.insertBlock(BlockFormat(paragraph), QTextCharFormat());
    paragraphStarted_ = true;
    StartBlock();
}

void RichTextWriter::StartBlock()
{
    blockCharacters_ = 0;
    blockRuns_ = 0;
    blockFull_ = false;
}

// The space before a paragraph goes above its first block, the space after
// it below its last.
void RichTextWriter::ContinueParagraph(const RichParagraph& paragraph)
{
    QTextBlockFormat ended = cursor_.blockFormat();
    ended.clearProperty(QTextFormat::BlockBottomMargin);
    cursor_.setBlockFormat(ended);
    QTextBlockFormat continued = BlockFormat(paragraph);
    continued.clearProperty(QTextFormat::BlockTopMargin);
    cursor_.insertBlock(continued, QTextCharFormat());
    StartBlock();
}

const QTextCharFormat& RichTextWriter::CharacterFormat(const RichTextFormat& format)
{
    // A page uses a handful of formats, over and over.
    for (const auto& [known, made] : formats_) {
        if (known == format)
            return made;
    }
    constexpr size_t kRemembered = 32;
    if (formats_.size() == kRemembered)
        formats_.erase(formats_.begin());
    formats_.emplace_back(format, DocumentCharFormat(format));
    return formats_.back().second;
}

void ShowRichText(QTextDocument& document, const RichText& text)
{
    RichTextWriter(document, text).WriteSome(std::numeric_limits<qsizetype>::max());
}
