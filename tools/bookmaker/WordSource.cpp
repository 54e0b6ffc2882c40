#include "WordSource.h"

#include "Phonetics.h"
#include "SourceText.h"
#include "SpeechSynthesizer.h"

#include "platform/TextEncoding.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace bookmaker {
namespace {

// A word a learner types: letters, spaces between words and apostrophes.
// Apostrophes alone are no word: the voice has nothing to say for them.
bool IsTypeableWord(const QString& english)
{
    if (english.isEmpty() || english.size() > kWordCapacity || english.front() == u' ' || english.back() == u' ')
        return false;
    bool anyLetter = false;
    for (const QChar c : english) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && c != u' ' && c != u'\'')
            return false;
        anyLetter = anyLetter || letter;
    }
    return anyLetter && !english.contains(QStringLiteral("  "));
}

bool IsBookName(const QString& name)
{
    const bool control = std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
    return IsPlainName(name) && FitsGbk(name) && !control;
}

// The English of the words so far: each next word must be typeable and new,
// case aside.
class EnglishSeen {
public:
    explicit EnglishSeen(const QString& where) : where_(where) {}

    // Why `english` cannot be the next word, or empty when it can (and is
    // then remembered as being on `line`).
    QString Fault(const QString& english, int line)
    {
        if (!IsTypeableWord(english))
            return QStringLiteral("\"%1\": a word is letters, single spaces and apostrophes, at most %2 of them")
                .arg(english)
                .arg(kWordCapacity);
        const auto earlier = lines_.constFind(english.toLower());
        if (earlier != lines_.constEnd())
            return QStringLiteral("\"%1\" is in the %2 already (line %3)").arg(english, where_).arg(*earlier);
        lines_.insert(english.toLower(), line);
        return {};
    }

private:
    QString where_;
    QHash<QString, int> lines_;  // by the English in lower case
};

// Gives `word` its stored phonetic, from the voice's IPA when it has none;
// the fault, or empty when the phonetic fits a book.
QString PhoneticFault(SourceWord& word)
{
    if (word.ipa.isEmpty())
        word.ipa = VoiceIpa(word.english);
    QString error;
    if (!StoredPhonetic(word.ipa, word.stored, error))
        return QStringLiteral("\"%1\": %2").arg(word.english, error);
    if (word.stored.toLatin1().size() > kPhoneticCapacity)
        return QStringLiteral("\"%1\": the IPA takes more than %2 stored characters").arg(word.english).arg(kPhoneticCapacity);
    return {};
}

// "line 3", "lines 3 and 4", "lines 3, 4, 5, 6, 7 and 12 more"
QString LineList(const QList<int>& lines)
{
    constexpr qsizetype kNamed = 5;
    QStringList named;
    for (qsizetype i = 0; i < std::min(kNamed, lines.size()); ++i)
        named.append(QString::number(lines[i]));
    if (lines.size() > kNamed)
        named.append(QStringLiteral("%1 more").arg(lines.size() - kNamed));
    const QString last = named.takeLast();
    if (named.isEmpty())
        return QStringLiteral("line ") + last;
    return QStringLiteral("lines ") + named.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

class WordParser {
public:
    WordParser(const QString& sourceName, WordSource& source, QStringList& errors)
        : sourceName_(sourceName), source_(source), errors_(errors)
    {
    }

    void Line(int number, const QString& line)
    {
        line_ = number;
        SourceLine parsed;
        if (!SplitSourceLine(line, parsed))
            NotKeyed(line);
        else if (parsed.key == "book")
            Book(parsed.value);
        else if (parsed.key == "voice")
            Voice(parsed.value);
        else if (parsed.key == "pace")
            Pace(parsed.value);
        else if (parsed.key == "word")
            Word(parsed.value);
        else
            Error(QStringLiteral("unknown key \"%1\"").arg(parsed.key));
    }

    void Finish()
    {
        if (source_.bookName.isEmpty())
            errors_.append(SourceFault(sourceName_, 0, QStringLiteral("the source names no book (\"book: NAME\")")));
        if (!bareWords_.isEmpty())
            errors_.append(SourceFault(sourceName_, bareWords_.front(), MixFault()));
        else if (wordLines_ == 0)
            errors_.append(SourceFault(sourceName_, 0, QStringLiteral("the source has no word (\"word: ...\")")));
    }

private:
    // One fault for them all: a list given a "book:" line would otherwise
    // get one for every word.
    QString MixFault() const
    {
        return QStringLiteral("%1 among \"key: value\" lines: in a word source each word is "
                              "\"word: English | IPA | meaning\"; a word list has no \"key:\" lines at all")
            .arg(LineList(bareWords_) + (bareWords_.size() == 1 ? QStringLiteral(" is a bare word") : QStringLiteral(" are bare words")));
    }

    void NotKeyed(const QString& line)
    {
        if (IsTypeableWord(line))
            bareWords_.append(line_);
        else
            Error(QStringLiteral("expected \"key: value\", found \"%1\"").arg(line));
    }

    bool BeforeWords()
    {
        if (source_.words.isEmpty())
            return true;
        Error(QStringLiteral("book settings belong before the first word"));
        return false;
    }

    void Book(const QString& name)
    {
        if (!BeforeWords())
            return;
        if (!IsBookName(name))
            Error(QStringLiteral("\"%1\" cannot be a book's file name").arg(name));
        else
            source_.bookName = name;
    }

    void Voice(const QString& voice)
    {
        if (!EnglishVoices().contains(voice))
            Error(QStringLiteral("voice must be one of: %1").arg(EnglishVoices().join(", ")));
        else if (BeforeWords())
            source_.voice = voice;
    }

    void Pace(const QString& value)
    {
        double pace = 0;
        if (!ParsePace(value, pace))
            Error(QString::fromLatin1(kPaceFault));
        else if (BeforeWords())
            source_.pace = pace;
    }

    // "english | IPA | meaning"; the IPA may be left empty.
    void Word(const QString& value)
    {
        ++wordLines_;
        const QStringList fields = value.split(u'|');
        if (fields.size() != 3) {
            Error(QStringLiteral("a word is \"English | IPA | meaning\" (the IPA may be empty)"));
            return;
        }
        SourceWord word{fields[0].trimmed(), fields[1].trimmed(), {}, fields[2].trimmed(), line_};
        QString fault = englishSeen_.Fault(word.english, line_);
        if (fault.isEmpty())
            fault = PhoneticFault(word);
        if (!fault.isEmpty()) {
            Error(fault);
            return;
        }
        if (word.meaning.isEmpty()) {
            Error(QStringLiteral("\"%1\" has no meaning: write its Chinese meaning after the last \"|\"").arg(word.english));
            return;
        }
        if (!FitsGbk(word.meaning) || platform::UnicodeToGbk(word.meaning).size() > kMeaningCapacity) {
            Error(QStringLiteral("\"%1\": the meaning must be text GBK can store, at most %2 bytes (a Chinese character takes two)")
                      .arg(word.english)
                      .arg(kMeaningCapacity));
            return;
        }
        source_.words.append(word);
    }

    void Error(const QString& message) { errors_.append(SourceFault(sourceName_, line_, message)); }

    const QString& sourceName_;
    WordSource& source_;
    QStringList& errors_;
    int line_ = 0;
    EnglishSeen englishSeen_{QStringLiteral("book")};
    QList<int> bareWords_;  // lines holding a word without "word:"
    int wordLines_ = 0;
};

} // namespace

bool ParseWordSource(const QString& text, const QString& sourceName, WordSource& source, QStringList& errors)
{
    source = WordSource{};
    errors.clear();
    WordParser parser(sourceName, source, errors);
    ForEachSourceLine(text, [&parser](int number, const QString& line) { parser.Line(number, line); });
    parser.Finish();
    return errors.isEmpty();
}

bool IsWordList(const QString& text)
{
    bool keyed = false;
    ForEachSourceLine(text, [&keyed](int, const QString& line) {
        SourceLine parsed;
        keyed = keyed || SplitSourceLine(line, parsed);
    });
    return !keyed;
}

bool ParseWordList(const QString& text, const QString& listName, WordSource& list, QStringList& errors)
{
    list = WordSource{};
    errors.clear();
    list.bookName = QFileInfo(listName).completeBaseName();
    if (!IsBookName(list.bookName))
        errors.append(SourceFault(listName, 0, QStringLiteral("\"%1\" cannot be a book's file name: rename the list").arg(list.bookName)));
    EnglishSeen englishSeen(QStringLiteral("list"));
    ForEachSourceLine(text, [&](int number, const QString& line) {
        SourceWord word{line, {}, {}, {}, number};
        QString fault = englishSeen.Fault(word.english, number);
        if (fault.isEmpty())
            fault = PhoneticFault(word);
        if (fault.isEmpty())
            list.words.append(word);
        else
            errors.append(SourceFault(listName, number, fault));
    });
    if (list.words.isEmpty() && errors.isEmpty())
        errors.append(SourceFault(listName, 0,
                                  QStringLiteral("no words: a word list has one English word or phrase to a line, "
                                                 "a word source \"book:\" and \"word:\" lines")));
    return errors.isEmpty();
}

QString WordSourceToComplete(const WordSource& list, const QString& listName, const QString& sourceName)
{
    QString text = QStringLiteral("# Made from the word list %1, with the voice's own IPA.\n"
                                  "# Write each word's Chinese meaning after its last \"|\" (text GBK can store,\n"
                                  "# at most %2 bytes: a Chinese character takes two), put right any IPA\n"
                                  "# the voice got wrong, then make the book with\n"
                                  "#   bookmaker word %3 OUTDIR\n"
                                  "book: %4\n\n")
                       .arg(listName, QString::number(kMeaningCapacity), sourceName, list.bookName);
    // Padded so that the meanings start in one column.
    qsizetype englishWidth = 0;
    qsizetype ipaWidth = 0;
    for (const SourceWord& word : list.words) {
        englishWidth = std::max(englishWidth, word.english.size());
        ipaWidth = std::max(ipaWidth, word.ipa.size());
    }
    for (const SourceWord& word : list.words)
        text += QStringLiteral("word: %1 | %2 |\n").arg(word.english.leftJustified(englishWidth), word.ipa.leftJustified(ipaWidth));
    return text;
}

} // namespace bookmaker
