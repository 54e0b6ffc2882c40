#include "WordAnswerRules.h"
#include "controls/Keys.h"

namespace word {

QString UpperAsciiLetters(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

namespace {

QString AnswerKey(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return UpperAsciiLetters(text.mid(first, last - first));
}

} // namespace

bool SameAnswer(const QString& typed, const QString& expected) { return AnswerKey(typed) == AnswerKey(expected); }

SpellingVerdict JudgeSpelling(bool correct, SpellingState& state)
{
    if (correct) {
        if (state.FRetypeLeft > 1) {
            state.FWasWrong = 1;
            --state.FRetypeLeft;
            return {SpellingVerdict::CopyOnceMore, false};
        }
        const bool record = state.FWasWrong == 1;
        state.FWasWrong = 0;
        return {SpellingVerdict::Passed, record};
    }
    if (state.FRetypeLeft <= 1) {
        state.FRetypeLeft = 2;
        return {SpellingVerdict::CopyTwice, false};
    }
    return {SpellingVerdict::StillWrong, false};
}

AnswerFieldKey AnswerFieldCommand(int virtualKey)
{
    switch (virtualKey) {
    case vk::Return: return AnswerFieldKey::Judge;
    case vk::Escape: return AnswerFieldKey::Leave;
    case vk::F5: return AnswerFieldKey::Replay;
    default: return AnswerFieldKey::Typing;
    }
}

} // namespace word
