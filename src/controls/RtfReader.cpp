#include "RtfReader.h"

#include "platform/TextEncoding.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
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

enum class Alignment { Left, Center, Right, Justify };

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;   // 0: the box's own size
    int colorIndex = 0;   // into the colour table; 0 is the automatic colour

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
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

// Destinations whose content is never shown.
bool IsSkippedDestination(const QByteArray& word)
{
    static const QList<QByteArray> skipped{
        "fonttbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst",
        "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
        "colorschememapping", "latentstyles", "datastore", "filetbl", "revtbl", "pgdsctbl",
        "bkmkstart", "bkmkend", "nonshppict", "shpinst", "sp", "sn", "sv", "txe", "author",
        "operator", "title", "subject", "keywords", "comment", "doccomm", "annotation",
        "atnid", "atnauthor", "template", "userprops", "mmathPr", "wgrffmtfilter", "panose",
        "falt", "fname", "protusertbl", "passwordhash", "ftnsep", "ftnsepc", "ftncn",
        "aftnsep", "aftnsepc", "aftncn", "pntxta", "pntxtb", "listtext",
    };
    return skipped.contains(word);
}

// Control words that stand for one character.
char16_t SymbolCharacter(const QByteArray& word)
{
    if (word == "tab") return u'\t';
    if (word == "emdash") return u'\u2014';
    if (word == "endash") return u'\u2013';
    if (word == "bullet") return u'\u2022';
    if (word == "lquote") return u'\u2018';
    if (word == "rquote") return u'\u2019';
    if (word == "ldblquote") return u'\u201C';
    if (word == "rdblquote") return u'\u201D';
    if (word == "emspace" || word == "enspace" || word == "qmspace") return u' ';
    return 0;
}

QString HtmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString ColorName(const RgbColor& color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color.red, 2, 16, QLatin1Char('0'))
        .arg(color.green, 2, 16, QLatin1Char('0'))
        .arg(color.blue, 2, 16, QLatin1Char('0'));
}

// ---------------------------------------------------------------------------

class RtfToHtmlConverter {
public:
    explicit RtfToHtmlConverter(const QByteArray& rtf) : in_(rtf) {}

    QString Convert()
    {
        while (pos_ < in_.size())
            Step();
        EndParagraph(false);
        return html_;
    }

private:
    // One token of input.
    void Step()
    {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            skipCount_ = 0;
            stack_.push_back(state_);
            return;
        }
        if (c == '}') {
            ++pos_;
            skipCount_ = 0;
            if (!stack_.empty()) {
                state_ = stack_.back();
                stack_.pop_back();
            }
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
        if (digits == 0 || ConsumedBySkip())
            return;
        AddByte(char(value));
    }

    void ControlWord()
    {
        const qsizetype start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        // No control word is longer; a longer run of letters is still one word.
        const QByteArray word = in_.mid(start, std::min<qsizetype>(pos_ - start, 32));
        bool hasParameter = false;
        int parameter = 0;
        ReadParameter(hasParameter, parameter);
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;   // the space that ends a control word belongs to it

        if (word == "bin") {
            // Raw binary data follows; never text.
            pos_ += std::clamp<qsizetype>(parameter, 0, in_.size() - pos_);
            return;
        }
        if (ConsumedBySkip())
            return;
        if (word == "u") {
            AddUnicode(parameter);
            return;
        }
        Apply(word, hasParameter, parameter);
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

    void Apply(const QByteArray& word, bool hasParameter, int parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        if (IsSkippedDestination(word)) {
            state_.destination = Destination::Skipped;
        } else if (word == "colortbl") {
            state_.destination = Destination::ColorTable;
            pendingColor_ = RgbColor{};
        } else if (state_.destination == Destination::ColorTable) {
            ColorComponent(word, parameter);
        } else if (state_.destination == Destination::Skipped) {
            return;
        } else if (word == "ansicpg") {
            gbkText_ = parameter == 936 || parameter == 0;
        } else if (word == "uc") {
            state_.unicodeSkip = std::max(parameter, 0);
        } else if (word == "par" || word == "sect" || word == "page") {
            EndParagraph(true);
        } else if (word == "line") {
            LineBreak();
        } else if (word == "pard") {
            state_.paragraph = ParagraphFormat{};
        } else if (word == "plain") {
            state_.format = CharFormat{};
        } else if (word == "b") {
            state_.format.bold = on;
        } else if (word == "i") {
            state_.format.italic = on;
        } else if (word == "ulnone") {
            state_.format.underline = false;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth"
                   || word == "uldash" || word == "ulwave") {
            state_.format.underline = on;
        } else if (word == "fs") {
            state_.format.halfPoints = hasParameter && parameter > 0 ? std::min(parameter, 2000) : 0;
        } else if (word == "cf") {
            state_.format.colorIndex = std::max(parameter, 0);
        } else if (word == "ql") {
            state_.paragraph.alignment = Alignment::Left;
        } else if (word == "qc") {
            state_.paragraph.alignment = Alignment::Center;
        } else if (word == "qr") {
            state_.paragraph.alignment = Alignment::Right;
        } else if (word == "qj") {
            state_.paragraph.alignment = Alignment::Justify;
        } else if (word == "sb") {
            state_.paragraph.spaceBeforeTwips = std::clamp(parameter, 0, 20000);
        } else if (word == "sa") {
            state_.paragraph.spaceAfterTwips = std::clamp(parameter, 0, 20000);
        } else if (word == "li") {
            state_.paragraph.leftIndentTwips = std::clamp(parameter, 0, 20000);
        } else if (const char16_t symbol = SymbolCharacter(word); symbol != 0) {
            AddCharacter(symbol);
        }
        // Every other control word changes nothing we show.
    }

    void ColorComponent(const QByteArray& word, int value)
    {
        value = std::clamp(value, 0, 255);
        if (word == "red")
            pendingColor_.red = value;
        else if (word == "green")
            pendingColor_.green = value;
        else if (word == "blue")
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

    void AddUnicode(int value)
    {
        if (state_.destination == Destination::Text) {
            const char32_t code = value < 0 ? char32_t(value + 65536) : char32_t(value);
            if (code != 0 && code < 0x110000) {
                const char32_t codes[1] = {code};
                AddText(QString::fromUcs4(codes, 1));
            }
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
        pendingBytes_.append(byte);
    }

    void AddCharacter(char16_t character) { AddText(QString(QChar(character))); }

    void AddText(const QString& text)
    {
        if (state_.destination != Destination::Text)
            return;
        StartRunIfFormatChanged();
        DecodePendingBytes();
        runText_ += text;
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
        runText_ += gbkText_ ? platform::GbkToUnicode(pendingBytes_) : QString::fromLatin1(pendingBytes_);
        pendingBytes_.clear();
    }

    void EndRun()
    {
        DecodePendingBytes();
        if (runText_.isEmpty())
            return;
        paragraphHtml_ += RunHtml(runFormat_, runText_);
        runText_.clear();
    }

    QString RunHtml(const CharFormat& format, const QString& text) const
    {
        QString style;
        if (format.halfPoints > 0)
            style += QStringLiteral("font-size:%1pt;").arg(format.halfPoints / 2.0);
        if (format.colorIndex > 0 && format.colorIndex < qsizetype(colors_.size())
            && !colors_[size_t(format.colorIndex)].automatic)
            style += QStringLiteral("color:%1;").arg(ColorName(colors_[size_t(format.colorIndex)]));
        QString html = HtmlEscaped(text);
        if (format.bold)
            html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
        if (format.italic)
            html = QStringLiteral("<i>") + html + QStringLiteral("</i>");
        if (format.underline)
            html = QStringLiteral("<u>") + html + QStringLiteral("</u>");
        if (!style.isEmpty())
            html = QStringLiteral("<span style=\"%1\">%2</span>").arg(style, html);
        return html;
    }

    void LineBreak()
    {
        EndRun();
        paragraphHtml_ += QStringLiteral("<br />");
        paragraphHasContent_ = true;
    }

    // Closes the current paragraph; `explicitEnd` is true for \par, which
    // makes a paragraph even when it is empty (an empty line).
    void EndParagraph(bool explicitEnd)
    {
        EndRun();
        if (!explicitEnd && paragraphHtml_.isEmpty() && !paragraphHasContent_)
            return;
        const ParagraphFormat& paragraph = state_.paragraph;
        static const char* const alignments[] = {"left", "center", "right", "justify"};
        // An empty paragraph is an empty line; the rich-text box keeps it only
        // when it is marked as such.
        const bool empty = paragraphHtml_.isEmpty();
        // Twips to pixels at the usual 96 dots per inch: 15 twips a pixel.
        html_ += QStringLiteral("<p align=\"%1\" style=\"%2margin-top:%3px; margin-bottom:%4px; margin-left:%5px; "
                                "white-space:pre-wrap;\">")
                     .arg(QLatin1StringView(alignments[int(paragraph.alignment)]),
                          empty ? QStringLiteral("-qt-paragraph-type:empty; ") : QString())
                     .arg(paragraph.spaceBeforeTwips / 15)
                     .arg(paragraph.spaceAfterTwips / 15)
                     .arg(paragraph.leftIndentTwips / 15);
        html_ += empty ? QStringLiteral("<br />") : paragraphHtml_;
        html_ += QStringLiteral("</p>");
        paragraphHtml_.clear();
        paragraphHasContent_ = false;
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
    int skipCount_ = 0;
    bool gbkText_ = true;   // \ansicpg936, the code page of our pages

    std::vector<RgbColor> colors_;
    RgbColor pendingColor_;

    QByteArray pendingBytes_;
    QString runText_;
    CharFormat runFormat_;
    QString paragraphHtml_;
    bool paragraphHasContent_ = false;
    QString html_;
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

QString PlainTextToHtml(const QByteArray& bytes)
{
    QString text = DecodePlainText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString html;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        html += line.isEmpty()
            ? QStringLiteral("<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px;\"><br />")
            : QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; white-space:pre-wrap;\">") + HtmlEscaped(line);
        html += QStringLiteral("</p>");
    }
    return html;
}

} // namespace

QString RtfToHtml(const QByteArray& rtf)
{
    if (!LooksLikeRtf(rtf))
        return PlainTextToHtml(rtf);
    return RtfToHtmlConverter(rtf).Convert();
}
