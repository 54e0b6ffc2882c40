#include "SubtitleFile.h"

#include "SourceText.h"
#include "platform/GbkDecoder.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace bookmaker {
namespace {

// Faults and warnings, each naming the file and, where there is one, the line.
class Report {
public:
    Report(const QString& fileName, Subtitles& subtitles) : fileName_(fileName), subtitles_(subtitles) {}

    void Error(int line, const QString& message) { subtitles_.errors.append(SourceFault(fileName_, line, message)); }
    void Warning(int line, const QString& message) { subtitles_.warnings.append(SourceFault(fileName_, line, message)); }
    bool HasErrors() const { return !subtitles_.errors.isEmpty(); }

private:
    const QString& fileName_;
    Subtitles& subtitles_;
};

// ---------------------------------------------------------------------------
// Bytes to text

struct DecodedText {
    QString text;
    QString fault;   // empty when the bytes are text
    int faultLine = 0;
};

int LineOfByte(QByteArrayView bytes, qsizetype at)
{
    return 1 + int(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

int LineOfCharacter(const QString& text, qsizetype at)
{
    return 1 + int(QStringView(text).left(at).count(u'\n'));
}

// Control characters other than tabs, form feeds and line ends do not
// belong in any subtitle file: such bytes are a sound or a picture.
bool IsBinaryByte(unsigned char byte)
{
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f';
}

DecodedText Decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return {{}, QStringLiteral("is UTF-16 text; save it as UTF-8 or GBK"), 0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (IsBinaryByte(byte))
            return {{}, QStringLiteral("is not a text file: it holds the byte 0x%1").arg(byte, 2, 16, QLatin1Char('0')),
                    LineOfByte(bytes, i)};
    }
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = marked ? bytes.sliced(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return {std::move(text), {}, 0};
    if (marked)
        return {{}, QStringLiteral("begins as UTF-8 text but is not UTF-8"),
                LineOfCharacter(text, std::max<qsizetype>(0, text.indexOf(QChar::ReplacementCharacter)))};
    // Chinese files from older editors are GBK; any byte GBK lacks says the
    // file is neither.
    QString gbk = platform::DecodeGbk(body.data(), body.size());
    const qsizetype damaged = gbk.indexOf(QChar::ReplacementCharacter);
    if (damaged >= 0)
        return {{}, QStringLiteral("is neither UTF-8 nor GBK text"), LineOfCharacter(gbk, damaged)};
    return {std::move(gbk), {}, 0};
}

QStringList SplitLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

// ---------------------------------------------------------------------------
// Text of a cue

// Italics and colours of SRT (<i>, </b>, <font color=...>), positions of
// ASS-style subtitles ({\an8}) and the word times of enhanced LRC (<00:12.34>)
// are not what anyone says.
QString WithoutMarkup(const QString& line)
{
    static const QRegularExpression markup(QStringLiteral(R"(</?[A-Za-z][^<>]*>|\{\\[^{}]*\}|<[0-9]+:[0-9]+(?:\.[0-9]+)?>)"));
    return QString(line).remove(markup).trimmed();
}

bool IsHan(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF);
}

// Characters only Chinese text uses: ideographs, radicals, bopomofo, CJK
// punctuation and full-width forms.
bool IsChineseSide(QChar c)
{
    const char16_t u = c.unicode();
    return IsHan(c) || (u >= 0x2E80 && u <= 0x2FDF) || (u >= 0x3000 && u <= 0x303F) || (u >= 0x3100 && u <= 0x312F) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

bool HoldsLatinLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
}

// Typographic marks that open or close the Chinese half of a line written
// against it: “你好” keeps its quotes, 你好…… its ellipsis.
bool OpensChinese(QChar c) { return c == QChar(0x201C) || c == QChar(0x2018); }
bool ClosesChinese(QChar c)
{
    return c == QChar(0x201D) || c == QChar(0x2019) || c == QChar(0x2026) || c == QChar(0x2014) || c == QChar(0x2015);
}

// What stands between the English and the Chinese of one line: "Hi / 你好".
QString WithoutSeparators(QStringView text)
{
    static const QString separators = QStringLiteral(" \t/|\u3000\uFF0F\uFF5C");
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && separators.contains(text[from]))
        ++from;
    while (to > from && separators.contains(text[to - 1]))
        --to;
    return text.sliced(from, to - from).toString();
}

struct LineParts {
    QString english;
    QString chinese;
    bool tangled = false;   // English on both sides of the Chinese
};

// One subtitle line told apart into its English and its Chinese. A line
// without ideographs is English; one without Latin letters is Chinese;
// otherwise the Chinese runs from its first full-width character to its
// last, and the English lies before or after it.
LineParts SplitLanguages(const QString& line)
{
    if (std::none_of(line.begin(), line.end(), IsHan))
        return {line, {}};
    if (!HoldsLatinLetter(line))
        return {{}, line};
    qsizetype first = 0;
    while (!IsChineseSide(line[first]))
        ++first;
    qsizetype last = line.size() - 1;
    while (!IsChineseSide(line[last]))
        --last;
    const bool englishBefore = HoldsLatinLetter(QStringView(line).left(first));
    const bool englishAfter = HoldsLatinLetter(QStringView(line).sliced(last + 1));
    if (englishBefore && englishAfter)
        return {{}, {}, true};
    if (!englishBefore && !englishAfter)
        return {{}, line};   // Latin letters inside the Chinese: "我用 iPhone 手机"
    if (englishBefore) {
        while (first > 0 && OpensChinese(line[first - 1]))
            --first;
        return {WithoutSeparators(QStringView(line).left(first)), WithoutSeparators(QStringView(line).sliced(first))};
    }
    while (last + 1 < line.size() && ClosesChinese(line[last + 1]))
        ++last;
    return {WithoutSeparators(QStringView(line).sliced(last + 1)), WithoutSeparators(QStringView(line).left(last + 1))};
}

// Lines of a translation joined: Chinese runs on without a space, Latin
// words inside it keep one.
QString JoinChinese(const QStringList& parts)
{
    QString joined;
    for (const QString& part : parts) {
        if (!joined.isEmpty() && joined.back().unicode() < 0x80 && part.front().unicode() < 0x80)
            joined += u' ';
        joined += part;
    }
    return joined;
}

// A character named so that an author can find it: "é" (U+00E9).
QString Described(const QString& character)
{
    const QList<uint> points = character.toUcs4();
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(character, QString::number(points.value(0), 16).toUpper().rightJustified(4, u'0'));
}

QString FirstUntypeable(const QString& text)
{
    const auto found = std::find_if(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() > 0x7E; });
    if (found == text.end())
        return {};
    const qsizetype at = found - text.begin();
    return text.sliced(at, found->isHighSurrogate() && at + 1 < text.size() ? 2 : 1);
}

// The first character of `text` GBK lacks, or nothing.
QString FirstBeyondGbk(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString character = text.sliced(i, text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1);
        if (!FitsGbk(character))
            return character;
        i += character.size() - 1;
    }
    return {};
}

// A cue as the file gives it: its times and its raw text lines.
struct CueDraft {
    qint64 startMs = 0;
    qint64 endMs = 0;
    bool lastsToTheEnd = false;
    int line = 0;
    QList<std::pair<int, QString>> texts;   // line number, text
};

// The English and the Chinese of a cue's lines, each line's fault told.
class CueText {
public:
    explicit CueText(Report& report) : report_(report) {}

    void Add(int line, const QString& raw)
    {
        const QString text = WithoutMarkup(raw);
        if (text.isEmpty())
            return;
        holdsText_ = true;
        const LineParts parts = SplitLanguages(text);
        if (parts.tangled)
            Fault(line, QStringLiteral("English stands on both sides of the Chinese; give each language a line of its own"));
        if (!parts.english.isEmpty())
            AddEnglish(line, TypeableEnglish(parts.english));
        if (!parts.chinese.isEmpty())
            AddChinese(line, parts.chinese);
    }

    bool HoldsText() const { return holdsText_; }
    // A line's fault told already says what the cue lacks.
    bool Faulty() const { return faulty_; }
    QString English() const { return english_.join(u' '); }
    QString Chinese() const { return JoinChinese(chinese_); }

private:
    void AddEnglish(int line, const QString& typeable)
    {
        if (const QString bad = FirstUntypeable(typeable); !bad.isEmpty())
            Fault(line, QStringLiteral("the English holds %1, which a learner cannot type; write it in plain ASCII")
                            .arg(Described(bad)));
        else if (!typeable.isEmpty())
            english_.append(typeable);
    }

    void AddChinese(int line, const QString& chinese)
    {
        if (const QString bad = FirstBeyondGbk(chinese); !bad.isEmpty())
            Fault(line, QStringLiteral("the Chinese holds %1, which GBK cannot store (a book keeps its text in GBK)")
                            .arg(Described(bad)));
        else
            chinese_.append(chinese);
    }

    void Fault(int line, const QString& message)
    {
        report_.Error(line, message);
        faulty_ = true;
    }

    Report& report_;
    QStringList english_;
    QStringList chinese_;
    bool holdsText_ = false;
    bool faulty_ = false;
};

// Turns a draft into a cue. A cue without any text is left out, since
// subtitle editors leave empty cues behind; one without English cannot be a
// sentence; one without Chinese can, though check will want its translation.
void FinishCue(const CueDraft& draft, Report& report, QList<SubtitleCue>& cues)
{
    CueText text(report);
    for (const auto& [line, raw] : draft.texts)
        text.Add(line, raw);
    if (text.Faulty())
        return;
    if (!text.HoldsText()) {
        report.Warning(draft.line, QStringLiteral("the cue holds no text; it is left out"));
        return;
    }
    if (text.English().isEmpty()) {
        report.Error(draft.line, QStringLiteral("the cue has no English: a sentence needs English to hear and type"));
        return;
    }
    if (text.Chinese().isEmpty())
        report.Warning(draft.line, QStringLiteral("the cue has no Chinese; its translation stays empty, which "
                                                  "\"bookmaker check\" reports"));
    cues.append({draft.startMs, draft.endMs, draft.lastsToTheEnd, text.English(), text.Chinese(), draft.line});
}

// ---------------------------------------------------------------------------
// SRT

bool IsWholeNumber(QStringView text)
{
    return !text.isEmpty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsSrtTimeLine(const QString& line) { return line.contains(QStringLiteral("-->")); }

// "01:02:03,456"; a full stop in place of the comma too.
bool ParseSrtTime(QStringView text, qint64& ms)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^([0-9]{1,3}):([0-9]{1,2}):([0-9]{1,2})[,.]([0-9]{1,3})$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const qint64 minutes = match.capturedView(2).toLongLong();
    const qint64 seconds = match.capturedView(3).toLongLong();
    if (minutes >= 60 || seconds >= 60)
        return false;
    const QString fraction = match.captured(4).leftJustified(3, u'0');
    ms = ((match.capturedView(1).toLongLong() * 60 + minutes) * 60 + seconds) * 1000 + fraction.toLongLong();
    return true;
}

// "00:00:01,000 --> 00:00:02,500", perhaps followed by a position.
bool ParseSrtTimeLine(const QString& line, qint64& startMs, qint64& endMs)
{
    const qsizetype arrow = line.indexOf(QStringLiteral("-->"));
    if (arrow < 0)
        return false;
    const QStringView start = QStringView(line).left(arrow).trimmed();
    const QStringView rest = QStringView(line).sliced(arrow + 3).trimmed();
    const QStringView end = rest.left(rest.indexOf(u' ') < 0 ? rest.size() : rest.indexOf(u' '));
    return ParseSrtTime(start, startMs) && ParseSrtTime(end, endMs);
}

class SrtReader {
public:
    SrtReader(const QStringList& lines, Report& report) : lines_(lines), report_(report) {}

    QList<SubtitleCue> Read()
    {
        QList<SubtitleCue> cues;
        qsizetype i = 0;
        while (true) {
            while (i < lines_.size() && IsBlank(i))
                ++i;
            if (i >= lines_.size())
                break;
            if (!IsSrtTimeLine(lines_[i]) && !TakeCueNumber(i)) {
                i = NextBlank(i);
                continue;
            }
            CueDraft draft;
            draft.line = int(i + 1);
            if (!ParseSrtTimeLine(lines_[i], draft.startMs, draft.endMs)) {
                report_.Error(draft.line, QStringLiteral("malformed time line \"%1\" (expected "
                                                         "\"00:00:01,000 --> 00:00:02,500\")").arg(lines_[i].trimmed()));
                i = NextBlank(i);
                continue;
            }
            for (++i; i < lines_.size() && !IsBlank(i) && !StartsCue(i); ++i)
                draft.texts.append({int(i + 1), lines_[i]});
            if (InTimeOrder(draft))
                FinishCue(draft, report_, cues);
        }
        return cues;
    }

private:
    bool IsBlank(qsizetype i) const { return lines_[i].trimmed().isEmpty(); }

    qsizetype NextBlank(qsizetype i) const
    {
        while (i < lines_.size() && !IsBlank(i))
            ++i;
        return i;
    }

    // A cue starts at its number and time line; a file that forgot the blank
    // line before it still starts one there.
    bool StartsCue(qsizetype i) const
    {
        return IsSrtTimeLine(lines_[i]) ||
               (IsWholeNumber(lines_[i].trimmed()) && i + 1 < lines_.size() && IsSrtTimeLine(lines_[i + 1]));
    }

    // Steps `i` from a cue's number to the line after it, its time line;
    // false (with the fault told) when there is no number or nothing after it.
    bool TakeCueNumber(qsizetype& i)
    {
        const QString number = lines_[i].trimmed();
        const bool timeFollows = i + 1 < lines_.size() && IsSrtTimeLine(lines_[i + 1]);
        if (!IsWholeNumber(number)) {
            report_.Error(int(i + 1), timeFollows ? QStringLiteral("cue number \"%1\" is not a number").arg(number)
                                                  : QStringLiteral("expected a cue number, found \"%1\"").arg(number));
            return false;
        }
        if (!timeFollows && (i + 1 >= lines_.size() || IsBlank(i + 1))) {
            report_.Error(int(i + 1), QStringLiteral("cue %1 has no time line after its number (expected "
                                                     "\"00:00:01,000 --> 00:00:02,500\")").arg(number));
            return false;
        }
        ++i;
        return true;
    }

    // Each cue ends after it starts and starts no earlier than the one
    // before it ends: a learner hears one sentence at a time.
    bool InTimeOrder(const CueDraft& draft)
    {
        if (draft.endMs <= draft.startMs) {
            report_.Error(draft.line, draft.endMs == draft.startMs
                                          ? QStringLiteral("the cue ends where it starts (%1)").arg(CueTime(draft.startMs))
                                          : QStringLiteral("the cue ends (%1) before it starts (%2)")
                                                .arg(CueTime(draft.endMs), CueTime(draft.startMs)));
            return false;
        }
        const bool follows = previousLine_ == 0 || draft.startMs >= previousEndMs_;
        if (!follows && draft.startMs < previousStartMs_)
            report_.Error(draft.line, QStringLiteral("the cue starts (%1) before the cue at line %2 (%3): cues must be "
                                                     "in time order")
                                          .arg(CueTime(draft.startMs)).arg(previousLine_).arg(CueTime(previousStartMs_)));
        else if (!follows)
            report_.Error(draft.line, QStringLiteral("the cue starts (%1) before the cue at line %2 ends (%3)")
                                          .arg(CueTime(draft.startMs)).arg(previousLine_).arg(CueTime(previousEndMs_)));
        previousStartMs_ = draft.startMs;
        previousEndMs_ = draft.endMs;
        previousLine_ = draft.line;
        return follows;
    }

    const QStringList& lines_;
    Report& report_;
    qint64 previousStartMs_ = 0;
    qint64 previousEndMs_ = 0;
    int previousLine_ = 0;
};

// ---------------------------------------------------------------------------
// LRC

// "mm:ss", "mm:ss.xx" or "mm:ss.xxx".
bool ParseLrcTime(QStringView tag, qint64& ms)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^([0-9]{1,4}):([0-9]{1,2})(?:\.([0-9]{1,3}))?$)"));
    const QRegularExpressionMatch match = pattern.match(tag);
    if (!match.hasMatch())
        return false;
    const qint64 seconds = match.capturedView(2).toLongLong();
    if (seconds >= 60)
        return false;
    const QString fraction = match.captured(3).leftJustified(3, u'0');
    ms = (match.capturedView(1).toLongLong() * 60 + seconds) * 1000 + fraction.toLongLong();
    return true;
}

// [ti:...], [ar:...], [offset:...] and their kind: a key of letters.
bool SplitMetadataTag(QStringView tag, QString& key, QString& value)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^([A-Za-z#]+)\s*:(.*)$)"));
    const QRegularExpressionMatch match = pattern.match(tag);
    if (!match.hasMatch())
        return false;
    key = match.captured(1).toLower();
    value = match.captured(2).trimmed();
    return true;
}

struct LrcEntry {
    qint64 ms = 0;
    int line = 0;
    QString text;
};

class LrcReader {
public:
    LrcReader(const QStringList& lines, Report& report) : lines_(lines), report_(report) {}

    QList<SubtitleCue> Read()
    {
        for (qsizetype i = 0; i < lines_.size(); ++i)
            ReadLine(int(i + 1), lines_[i].trimmed());
        // [offset:+500] makes every line come half a second sooner.
        for (LrcEntry& entry : entries_)
            entry.ms = std::max<qint64>(0, entry.ms - offsetMs_.value_or(0));
        std::stable_sort(entries_.begin(), entries_.end(), [](const LrcEntry& a, const LrcEntry& b) { return a.ms < b.ms; });
        QList<SubtitleCue> cues;
        for (const CueDraft& draft : Drafts())
            FinishCue(draft, report_, cues);
        return cues;
    }

private:
    void ReadLine(int number, QStringView rest)
    {
        QList<qint64> times;
        bool metadata = false;
        while (rest.startsWith(u'[')) {
            const qsizetype close = rest.indexOf(u']');
            const QStringView tag = rest.sliced(1, (close < 0 ? rest.size() : close) - 1).trimmed();
            if (!tag.isEmpty() && tag.front() >= u'0' && tag.front() <= u'9') {
                qint64 ms = 0;
                if (close < 0 || !ParseLrcTime(tag, ms)) {
                    report_.Error(number, QStringLiteral("malformed time tag \"%1\" (expected [mm:ss.xx])")
                                              .arg(rest.left(close < 0 ? rest.size() : close + 1)));
                    return;
                }
                times.append(ms);
            } else if (QString key, value; close >= 0 && SplitMetadataTag(tag, key, value)) {
                metadata = true;
                if (key == QLatin1String("offset") && !TakeOffset(number, value))
                    return;
            } else {
                break;   // "[Music]": the text begins
            }
            rest = rest.sliced(close + 1).trimmed();
        }
        if (times.isEmpty()) {
            if (!metadata && !rest.isEmpty())
                report_.Error(number, QStringLiteral("the line has no time tag ([mm:ss.xx])"));
            return;
        }
        for (const qint64 ms : times)
            entries_.push_back({ms, number, rest.toString()});
    }

    bool TakeOffset(int number, const QString& value)
    {
        static const QRegularExpression pattern(QStringLiteral(R"(^[+-]?[0-9]{1,7}$)"));
        if (offsetMs_) {
            report_.Error(number, QStringLiteral("a second [offset:] tag"));
            return false;
        }
        if (!pattern.match(value).hasMatch()) {
            report_.Error(number, QStringLiteral("[offset:] wants whole milliseconds, such as +500 or -250"));
            return false;
        }
        offsetMs_ = value.toLongLong();
        return true;
    }

    // Lines at one time make one cue, its English and its Chinese; a cue
    // lasts until the next time, a time without text only ending the cue
    // before it.
    std::vector<CueDraft> Drafts() const
    {
        std::vector<CueDraft> drafts;
        for (std::size_t i = 0; i < entries_.size();) {
            std::size_t next = i;
            CueDraft draft;
            draft.startMs = entries_[i].ms;
            for (; next < entries_.size() && entries_[next].ms == draft.startMs; ++next) {
                if (WithoutMarkup(entries_[next].text).isEmpty())
                    continue;
                if (draft.texts.isEmpty())
                    draft.line = entries_[next].line;
                draft.texts.append({entries_[next].line, entries_[next].text});
            }
            draft.lastsToTheEnd = next == entries_.size();
            draft.endMs = draft.lastsToTheEnd ? draft.startMs : entries_[next].ms;
            if (!draft.texts.isEmpty())
                drafts.push_back(std::move(draft));
            i = next;
        }
        return drafts;
    }

    const QStringList& lines_;
    Report& report_;
    std::vector<LrcEntry> entries_;
    std::optional<qint64> offsetMs_;
};

// ---------------------------------------------------------------------------
// Which format

std::optional<SubtitleFormat> FormatOfLine(const QString& line)
{
    static const QRegularExpression lrcTag(QStringLiteral(R"(^\[([0-9]+:[0-9]|[A-Za-z#]+\s*:))"));
    if (IsSrtTimeLine(line) || IsWholeNumber(line))
        return SubtitleFormat::Srt;
    if (lrcTag.match(line).hasMatch())
        return SubtitleFormat::Lrc;
    return std::nullopt;
}

std::optional<SubtitleFormat> FormatOfName(const QString& fileName)
{
    if (fileName.endsWith(QStringLiteral(".srt"), Qt::CaseInsensitive))
        return SubtitleFormat::Srt;
    if (fileName.endsWith(QStringLiteral(".lrc"), Qt::CaseInsensitive))
        return SubtitleFormat::Lrc;
    return std::nullopt;
}

} // namespace

Subtitles ReadSubtitles(QByteArrayView bytes, const QString& fileName)
{
    Subtitles subtitles;
    Report report(fileName, subtitles);
    const DecodedText decoded = Decode(bytes);
    if (!decoded.fault.isEmpty()) {
        report.Error(decoded.faultLine, decoded.fault);
        return subtitles;
    }
    const QStringList lines = SplitLines(decoded.text);
    const auto firstText = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
    if (firstText == lines.end()) {
        report.Error(0, QStringLiteral("holds no subtitles"));
        return subtitles;
    }
    std::optional<SubtitleFormat> format = FormatOfLine(firstText->trimmed());
    if (!format)
        format = FormatOfName(fileName);
    if (!format) {
        report.Error(int(firstText - lines.begin()) + 1,
                     QStringLiteral("neither SRT (a cue number, then \"00:00:01,000 --> 00:00:02,500\") nor LRC "
                                    "(\"[00:01.00] text\") begins like this"));
        return subtitles;
    }
    subtitles.format = *format;
    QList<SubtitleCue> cues =
        *format == SubtitleFormat::Srt ? SrtReader(lines, report).Read() : LrcReader(lines, report).Read();
    if (!report.HasErrors() && cues.isEmpty())
        report.Error(0, QStringLiteral("holds no cue with text"));
    if (!report.HasErrors())
        subtitles.cues = std::move(cues);
    return subtitles;
}

QString TypeableEnglish(const QString& text)
{
    QString typeable;
    typeable.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032: case 0x00B4:
            typeable += u'\'';
            break;
        case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033: case 0x00AB: case 0x00BB:
            typeable += u'"';
            break;
        case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212:
            typeable += u'-';
            break;
        case 0x2014: case 0x2015:   // a dash between words: "Wait - what?"
            typeable += QStringLiteral(" - ");
            break;
        case 0x2026:
            typeable += QStringLiteral("...");
            break;
        case 0x200B: case 0x200C: case 0x200D: case 0x2060: case 0xFEFF: case 0x00AD:
            break;   // invisible: zero-width spaces and joiners, soft hyphens
        default:
            if (u == 0x00A0 || (u >= 0x2000 && u <= 0x200A) || u == 0x202F || u == 0x205F || u == 0x3000)
                typeable += u' ';
            else if (u >= 0xFF01 && u <= 0xFF5E)   // full-width ASCII
                typeable += QChar(char16_t(u - 0xFEE0));
            else
                typeable += c;
        }
    }
    return typeable.simplified();
}

QString CueTime(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    const QString rest = QStringLiteral("%1.%2").arg(seconds % 60, 2, 10, QLatin1Char('0')).arg(ms % 1000, 3, 10, QLatin1Char('0'));
    if (seconds < 3600)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(rest);
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0')).arg(rest);
}

} // namespace bookmaker
