#include "DictationRules.h"
#include "SentenceWords.h"
#include "controls/Keys.h"

#include <algorithm>

namespace sentence {

namespace {

// The plain form of a character as far as matching goes: the typographic
// apostrophes and quotes as the keyboard's, the full-width forms of a Chinese
// input method as the ASCII ones, letters in lower case.
QChar Folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E) // full-width ASCII
        c = QChar(char16_t(u - 0xFEE0));
    else if (u == 0x3000) // ideographic space
        c = QChar(u' ');
    else if (u == 0x3002) // ideographic full stop
        c = QChar(u'.');
    else if (u == 0x2018 || u == 0x2019) // ‘ ’
        c = QChar(u'\'');
    else if (u == 0x201C || u == 0x201D) // “ ”
        c = QChar(u'"');
    return c.toLower();
}

bool IsControlOrBlank(QChar c) { return c.unicode() < u' '; }

} // namespace

QChar ExpectedAt(const QString& sentence, int position)
{
    if (position < 1 || position > sentence.size())
        return QChar();
    return sentence[position - 1];
}

bool TypedMatches(QChar typed, QChar expected)
{
    if (expected.isNull() || IsControlOrBlank(typed))
        return false;
    return Folded(typed) == Folded(DrawnCharacter(expected));
}

QChar DrawnCharacter(QChar expected) { return IsControlOrBlank(expected) ? QChar(u' ') : expected; }

bool RevealsWordBefore(QChar expected)
{
    return !expected.isNull() && QStringView(u"!.?,;").contains(expected);
}

WrongKey AfterWrongKey(int wrongCount, bool wrongToWordOn, bool copyOn, bool wordShown, bool atWordStart)
{
    WrongKey key{wrongCount + 1, false, false};
    if (key.wrongCount >= kWrongKeysToRevealWord && wrongToWordOn && !copyOn) {
        key.revealWord = true;
        key.wrongCount = 0;
        wordShown = true;
    }
    key.showWrongLetter = !wordShown && !atWordStart && !copyOn;
    return key;
}

TypedWordPlace PlaceTypedWord(const QString& lineText, const QString& word, const TextWidth& width, int inputWidth)
{
    const QString line = lineText + u' ' + word;
    const int lineWidth = width(line);
    const int wordWidth = width(word);
    if (lineWidth >= inputWidth)
        return {word, 0, wordWidth, true};
    return {line, lineWidth - wordWidth, wordWidth, false};
}

int TypedLineCount(const QStringList& words, const TextWidth& width, int inputWidth)
{
    if (words.isEmpty())
        return 0;
    int lines = 1;
    QString lineText = words.first();
    for (qsizetype i = 1; i < words.size(); ++i) {
        const TypedWordPlace place = PlaceTypedWord(lineText, words[i], width, inputWidth);
        lineText = place.lineText;
        lines += place.wraps ? 1 : 0;
    }
    return lines;
}

std::vector<InkRun> RepaintedInk(const QString& sentence, const QStringList& words, int typed, const TextWidth& width,
                                 int inputWidth)
{
    std::vector<InkRun> runs;
    QString line;
    int y = 0;
    qsizetype word = 0; // 0-based index of the word being drawn
    const qsizetype count = std::clamp<qsizetype>(typed, 0, sentence.size());
    for (qsizetype i = 0; i < count; ++i) {
        line += DrawnCharacter(sentence[i]);
        if (sentence[i] != u' ')
            continue;
        ++word;
        const QString next = word < words.size() ? words[word] : QString();
        if (width(line + next) > inputWidth) {
            runs.push_back({line, 0, y});
            line.clear();
            y += kDictationLineHeight;
        }
    }
    if (!line.isEmpty())
        runs.push_back({line, 0, y});
    return runs;
}

int FirstTypeableRow(int from, int rowCount, const std::function<QString(int row)>& english)
{
    for (int row = std::max(from, 1); row < rowCount; ++row)
        if (!SplitWords(english(row)).isEmpty())
            return row;
    return 0;
}

DictationKey DictationKeyCommand(int key)
{
    switch (key) {
    case vk::Return: return DictationKey::Replay;
    case vk::Escape: return DictationKey::Back;
    case vk::Next: return DictationKey::Skip;
    case vk::F1: return DictationKey::FirstLetter;
    case vk::F1 + 1: return DictationKey::WordLength;
    case vk::F1 + 2: return DictationKey::WrongToWord;
    case vk::F1 + 3: return DictationKey::SeeChinese;
    case vk::F1 + 4: return DictationKey::Copy;
    default: return DictationKey::None;
    }
}

} // namespace sentence
