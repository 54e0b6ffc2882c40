#include "WordSource.h"

#include "Phonetics.h"
#include "SourceText.h"
#include "SpeechSynthesizer.h"

#include "platform/TextEncoding.h"

#include <QSet>

namespace bookmaker {
namespace {

// A word a learner types: letters, spaces between words and apostrophes.
bool IsTypeableWord(const QString& english)
{
    if (english.isEmpty() || english.size() > kWordCapacity || english.front() == u' ' || english.back() == u' ')
        return false;
    for (const QChar c : english) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && c != u' ' && c != u'\'')
            return false;
    }
    return !english.contains(QStringLiteral("  "));
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
            Error(QStringLiteral("expected \"key: value\", found \"%1\"").arg(line));
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
        if (source_.words.isEmpty())
            errors_.append(SourceFault(sourceName_, 0, QStringLiteral("the source has no word (\"word: ...\")")));
    }

private:
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
        if (!IsPlainName(name) || !FitsGbk(name))
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
        const QStringList fields = value.split(u'|');
        if (fields.size() != 3) {
            Error(QStringLiteral("a word is \"English | IPA | meaning\" (the IPA may be empty)"));
            return;
        }
        SourceWord word{fields[0].trimmed(), fields[1].trimmed(), {}, fields[2].trimmed(), line_};
        if (!IsTypeableWord(word.english)) {
            Error(QStringLiteral("\"%1\": a word is letters, single spaces and apostrophes, at most %2 of them")
                      .arg(word.english)
                      .arg(kWordCapacity));
            return;
        }
        if (englishSeen_.contains(word.english.toLower())) {
            Error(QStringLiteral("\"%1\" is in the book already").arg(word.english));
            return;
        }
        englishSeen_.insert(word.english.toLower());
        if (word.ipa.isEmpty())
            word.ipa = VoiceIpa(word.english);
        QString error;
        if (!StoredPhonetic(word.ipa, word.stored, error)) {
            Error(QStringLiteral("\"%1\": %2").arg(word.english, error));
            return;
        }
        if (word.stored.toLatin1().size() > kPhoneticCapacity) {
            Error(QStringLiteral("\"%1\": the IPA takes more than %2 stored characters").arg(word.english).arg(kPhoneticCapacity));
            return;
        }
        if (word.meaning.isEmpty() || !FitsGbk(word.meaning) ||
            platform::UnicodeToGbk(word.meaning).size() > kMeaningCapacity) {
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
    QSet<QString> englishSeen_;  // lower case
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

} // namespace bookmaker
